// The real side bar window, created in the test's process (the work area a window
// reserves is seen by its own process): start-up docking, the placement commands, the
// tray, dragging, closing, both menus as the user sees them, the buttons and the
// Explorer settings check at show.
#include "marlovin/shell/main_form.h"

#include <commctrl.h>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <thread>

#include <gtest/gtest.h>

#include "common/fs_path.h"
#include "common/path_text.h"
#include "marlovin/explorer/explorer_settings.h"
#include "marlovin/explorer/testing/fake_explorer_window.h"
#include "marlovin/settings/options_paths.h"
#include "marlovin/shell/data_folders.h"
#include "tests/e2e/program_runner.h"
#include "win32/registry.h"
#include "win32/shell_paths.h"
#include "win32/testing/message_box_answers.h"
#include "win32/testing/window_list.h"
#include "win32/utf.h"

namespace marlovin {
namespace {

namespace fs = std::filesystem;
using enum ActionId;
constexpr DWORD kWaitMs = 20000;

RECT WorkArea() {
  RECT area{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
  return area;
}

RECT WindowRect(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return rect;
}

std::string Text(const RECT& r) {
  std::string text = "(";
  text += std::to_string(r.left);
  text += ',';
  text += std::to_string(r.top);
  text += ")-(";
  text += std::to_string(r.right);
  text += ',';
  text += std::to_string(r.bottom);
  text += ')';
  return text;
}

int ScreenWidth() { return GetSystemMetrics(SM_CXSCREEN); }
int ScreenHeight() { return GetSystemMetrics(SM_CYSCREEN); }

// Runs this thread's messages until `done` or the time is up; unlike a plain message
// pump it leaves a WM_QUIT in the queue for the test to see.
bool PumpUntil(const std::function<bool()>& done, DWORD ms) {
  const ULONGLONG end = GetTickCount64() + ms;
  for (;;) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT) {
        PostQuitMessage(static_cast<int>(message.wParam));
        return done();
      }
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    if (done()) return true;
    if (GetTickCount64() >= end) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
}

void Settle(DWORD ms = 150) { PumpUntil([] { return false; }, ms); }

bool QuitWasPosted() {
  MSG message;
  return PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != FALSE;
}

void SetCabinetInteger(const wchar_t* name, DWORD value) {
  const win32::UniqueHkey key = win32::CreateRegistryKey(HKEY_CURRENT_USER, kCabinetStateKey, KEY_SET_VALUE);
  RegSetValueExW(key.get(), name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof(value));
}

void WriteRightExplorerSettings() {
  WriteCabinetStateSettings();
  SetCabinetInteger(L"FullPathAddress", 1);
  SetCabinetInteger(L"FullPath", 1);
}

DWORD CabinetInteger(const wchar_t* name) {
  win32::RegistryValue value;
  EXPECT_TRUE(win32::QueryRegistryValue(HKEY_CURRENT_USER, kCabinetStateKey, name, value));
  DWORD data = 0;
  if (value.data.size() == sizeof(data)) std::memcpy(&data, value.data.data(), sizeof(data));
  return data;
}

bool TrayIconShown(HWND bar) {
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof(data);
  data.hWnd = bar;
  data.uID = TFormMain::kTrayIconId;
  return Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
}

// The menu as the user reads it: one line per entry, two blanks of indent per submenu
// level, the caption in quotes, then what marks the entry.
void ReadMenu(HMENU menu, int depth, std::vector<std::string>& lines) {
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    wchar_t caption[256] = {};
    MENUITEMINFOW item{};
    item.cbSize = sizeof(item);
    item.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_SUBMENU | MIIM_STRING;
    item.dwTypeData = caption;
    item.cch = 256;
    ASSERT_TRUE(GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &item));
    std::string line(static_cast<std::size_t>(depth) * 2, ' ');
    if (item.fType & MFT_SEPARATOR) {
      line += "-";
    } else {
      line += '"';
      line += win32::Narrow(caption);
      line += '"';
      if (item.hSubMenu) line += " >";
      if (item.fType & MFT_RADIOCHECK) line += " radio";
      if (item.fState & MFS_CHECKED) line += " checked";
    }
    lines.push_back(line);
    if (item.hSubMenu) ReadMenu(item.hSubMenu, depth + 1, lines);
  }
}

std::vector<std::string> MenuLines(HMENU menu) {
  std::vector<std::string> lines;
  ReadMenu(menu, 0, lines);
  return lines;
}

bool Checked(HMENU menu, ActionId id) {
  return (GetMenuState(menu, static_cast<UINT>(id), MF_BYCOMMAND) & MF_CHECKED) != 0;
}

// Clicks an image button as the mouse would.
void Click(HWND button) {
  SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
  SendMessageW(button, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
}

LPARAM Point(int x, int y) { return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)); }

class SideBarWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteRightExplorerSettings();
    fs::remove_all(common::ToFsPath(GetOptionsFolder()));
    startArea_ = WorkArea();
  }
  void TearDown() override {
    bar_.reset();
    QuitWasPosted();
    EXPECT_EQ(Text(WorkArea()), Text(startArea_)) << "the bar gives its strip back whatever happened";
    WriteRightExplorerSettings();
    fs::remove_all(common::ToFsPath(GetOptionsFolder()));
  }

  // Writes the options file, makes the bar and shows it as the program does.
  TFormMain& StartBar(int formAlignment, const std::string& moreOptions = "") {
    std::ofstream(common::ToFsPath(GetOptionsFilePath()), std::ios::binary)
        << "FormAlignment=" << formAlignment << "\r\nHomeDropOperation=0\r\nDoSaveLastSession=0\r\n"
        << moreOptions;
    bar_ = std::make_unique<TFormMain>();
    ShowWindow(bar_->Handle(), SW_SHOWNORMAL);
    Settle();
    return *bar_;
  }

  void Command(ActionId id) {
    SendMessageW(bar_->Handle(), WM_COMMAND, static_cast<WPARAM>(id), 0);
    Settle();
  }

  RECT startArea_{};
  std::unique_ptr<TFormMain> bar_;
};

TEST_F(SideBarWindow, StartsDockedOrFloatingAsTheOptionsSay) {
  const int w = ScreenWidth();
  const struct {
    int formAlignment;
    int left;
    RECT workArea;
  } cases[] = {
      {0, 44, startArea_},
      {1, 0, {47, 0, w, startArea_.bottom}},
      {2, w - 45, {0, 0, w - 47, startArea_.bottom}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.formAlignment);
    TFormMain& bar = StartBar(c.formAlignment);
    EXPECT_EQ(Text(WindowRect(bar.Handle())), Text({c.left, 44, c.left + 45, 44 + 548}));
    EXPECT_EQ(Text(WorkArea()), Text(c.workArea));
    EXPECT_TRUE(IsWindowVisible(bar.Handle()));
    const LONG_PTR exStyle = GetWindowLongPtrW(bar.Handle(), GWL_EXSTYLE);
    EXPECT_TRUE(exStyle & WS_EX_TOOLWINDOW) << "no taskbar button";
    EXPECT_FALSE(exStyle & WS_EX_APPWINDOW);
    EXPECT_TRUE(exStyle & WS_EX_TOPMOST);
    EXPECT_FALSE(GetWindowLongPtrW(bar.Handle(), GWL_STYLE) & (WS_CAPTION | WS_THICKFRAME | WS_SYSMENU));
    // The design marks stay while floating at start: Right and Always On Top.
    for (HMENU menu : {bar.PopupMenuAppActions(), bar.PopupMenuActionsOnPanel()}) {
      EXPECT_EQ(Checked(menu, AlignMainFormToLeftAction), c.formAlignment == 1);
      EXPECT_EQ(Checked(menu, AlignMainFormTorightAction), c.formAlignment != 1);
      EXPECT_FALSE(Checked(menu, NoalignAction));
      EXPECT_TRUE(Checked(menu, AlwaysOnTopAction));
    }
    // The panel fills the window inside its 2-pixel border.
    const RECT panel = WindowRect(bar.PanelMain());
    EXPECT_EQ(Text(panel), Text({c.left + 2, 46, c.left + 43, 46 + 544}));
    bar_.reset();
    EXPECT_EQ(Text(WorkArea()), Text(startArea_));
  }
}

TEST_F(SideBarWindow, PlacementCommandsMoveTheBarTheStripAndTheMarks) {
  TFormMain& bar = StartBar(2);
  const int w = ScreenWidth();

  Command(NoalignAction);
  EXPECT_EQ(Text(WorkArea()), Text(startArea_)) << "floating gives the start-up work area back";
  EXPECT_EQ(WindowRect(bar.Handle()).left, w - 45) << "and leaves the bar where it is";
  EXPECT_EQ(bar.Placement().HorizontalDrag, 1);
  for (HMENU menu : {bar.PopupMenuAppActions(), bar.PopupMenuActionsOnPanel()}) {
    EXPECT_FALSE(Checked(menu, AlignMainFormTorightAction));
    EXPECT_TRUE(Checked(menu, NoalignAction));
  }

  Command(AlignMainFormToLeftAction);
  EXPECT_EQ(WindowRect(bar.Handle()).left, 0);
  EXPECT_EQ(Text(WorkArea()), Text({47, 0, w, startArea_.bottom}));
  EXPECT_EQ(bar.Placement().HorizontalDrag, 0);
  for (HMENU menu : {bar.PopupMenuAppActions(), bar.PopupMenuActionsOnPanel()}) {
    EXPECT_TRUE(Checked(menu, AlignMainFormToLeftAction));
    EXPECT_FALSE(Checked(menu, NoalignAction));
  }

  Command(AlwaysOnTopAction);
  EXPECT_FALSE(bar.AlwaysOnTop());
  EXPECT_FALSE(Checked(bar.PopupMenuActionsOnPanel(), AlwaysOnTopAction));
  Command(AlwaysOnTopAction);
  EXPECT_TRUE(bar.AlwaysOnTop());
  EXPECT_TRUE(Checked(bar.PopupMenuAppActions(), AlwaysOnTopAction));
}

TEST_F(SideBarWindow, TheTrayHidesTheBarGivesTheStripBackAndRestoresBoth) {
  TFormMain& bar = StartBar(2);
  const int w = ScreenWidth();
  const RECT docked{0, 0, w - 47, startArea_.bottom};
  EXPECT_TRUE(TrayIconShown(bar.Handle())) << "the tray icon is there while the bar runs";
  const auto trayDoubleClick = [&] {
    SendMessageW(bar.Handle(), TFormMain::kTrayMessage, TFormMain::kTrayIconId, WM_LBUTTONDBLCLK);
    Settle();
  };

  trayDoubleClick();
  EXPECT_FALSE(IsWindowVisible(bar.Handle()));
  EXPECT_EQ(Text(WorkArea()), Text(startArea_));
  trayDoubleClick();
  EXPECT_TRUE(IsWindowVisible(bar.Handle()));
  EXPECT_EQ(WindowRect(bar.Handle()).left, w - 45);
  EXPECT_EQ(Text(WorkArea()), Text(docked));

  // A double click on the panel and the Show/Hide button hide the bar the same way;
  // Restore brings it back.
  SendMessageW(bar.PanelMain(), WM_LBUTTONDBLCLK, MK_LBUTTON, Point(20, 380));
  Settle();
  EXPECT_FALSE(IsWindowVisible(bar.Handle()));
  EXPECT_EQ(Text(WorkArea()), Text(startArea_));
  Command(RestoreAppAction);
  EXPECT_TRUE(IsWindowVisible(bar.Handle()));
  EXPECT_EQ(Text(WorkArea()), Text(docked));
  Click(bar.Button(PanelControlId::GDAButtonShowHide));
  Settle();
  EXPECT_FALSE(IsWindowVisible(bar.Handle()));
  trayDoubleClick();
  EXPECT_TRUE(IsWindowVisible(bar.Handle()));

  // Floating: minimise and restore keep the bar where it was and reserve nothing.
  Command(NoalignAction);
  SetWindowPos(bar.Handle(), nullptr, 300, 200, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  Command(MinimizeAppAction);
  EXPECT_FALSE(IsWindowVisible(bar.Handle()));
  trayDoubleClick();
  EXPECT_EQ(Text(WindowRect(bar.Handle())), Text({300, 200, 345, 748}));
  EXPECT_EQ(Text(WorkArea()), Text(startArea_));
}

TEST_F(SideBarWindow, TheTrayIconComesBackWhenTheTaskbarIsMadeAnew) {
  TFormMain& bar = StartBar(2);
  ASSERT_TRUE(TrayIconShown(bar.Handle()));
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof(data);
  data.hWnd = bar.Handle();
  data.uID = TFormMain::kTrayIconId;
  ASSERT_TRUE(Shell_NotifyIconW(NIM_DELETE, &data));  // as a restart of Explorer loses it
  EXPECT_FALSE(TrayIconShown(bar.Handle()));
  SendMessageW(bar.Handle(), RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
  EXPECT_TRUE(TrayIconShown(bar.Handle()));
}

TEST_F(SideBarWindow, DraggingThePanelSlidesADockedBarAndKeepsAFloatingOneOnTheScreen) {
  TFormMain& bar = StartBar(2);
  const int w = ScreenWidth();
  const HWND panel = bar.PanelMain();
  const auto drag = [&](POINT from, POINT to) {
    SendMessageW(panel, WM_LBUTTONDOWN, MK_LBUTTON, Point(from.x, from.y));
    SendMessageW(panel, WM_MOUSEMOVE, MK_LBUTTON, Point(to.x, to.y));
    SendMessageW(panel, WM_LBUTTONUP, 0, Point(to.x, to.y));
    Settle();
  };

  drag({20, 400}, {-300, 460});
  EXPECT_EQ(Text(WindowRect(bar.Handle())), Text({w - 45, 104, w, 104 + 548})) << "docked: only up and down";
  drag({20, 400}, {20, -2000});
  EXPECT_EQ(WindowRect(bar.Handle()).top, 0);

  Command(NoalignAction);
  drag({20, 400}, {-200, 420});
  EXPECT_EQ(Text(WindowRect(bar.Handle())), Text({w - 45 - 220, 20, w - 220, 20 + 548}));
  drag({20, 400}, {5000, 5000});
  EXPECT_EQ(Text(WindowRect(bar.Handle())), Text({w - 45, ScreenHeight() - 548, w, ScreenHeight()}))
      << "stops with its right and bottom edges on the screen's edges";
  EXPECT_EQ(Text(WorkArea()), Text(startArea_));
}

TEST_F(SideBarWindow, ClosingGivesTheStartWorkAreaBackAndEndsTheProgram) {
  TFormMain& bar = StartBar(1);
  ASSERT_NE(Text(WorkArea()), Text(startArea_));
  const HWND window = bar.Handle();
  Command(CloseAppAction);
  ASSERT_TRUE(PumpUntil([&] { return !IsWindow(window); }, kWaitMs));
  EXPECT_EQ(Text(WorkArea()), Text(startArea_));
  EXPECT_EQ(bar.Config(), nullptr) << "the options object is gone (it saved the last session)";
  EXPECT_TRUE(QuitWasPosted()) << "closing the bar ends the program";
  EXPECT_FALSE(TrayIconShown(window));
}

TEST_F(SideBarWindow, BothMenusHoldTheirEntriesInOrder) {
  TFormMain& bar = StartBar(2, "SESSION_NAMES=Alpha,\"Beta Two\"\r\n");
  const std::vector<std::string> tray = {
      "\"Placement\" >",
      "  \"    &Left\" radio",
      "  \"    &Right\" radio checked",
      "  -",
      "  \"    &Floating ( detached )\" radio",
      "-",
      "\"Bookmarks\" >",
      "  \"Add To Bookmarks...\"",
      "  \"&Manage Bookmarks...\"",
      "  -",
      "\"Sessions\" >",
      "  \"&Save Session...\"",
      "  \"&Load Session...\"",
      "  \"&Delete Session...\"",
      "  -",
      "  \"Alpha\"",
      "  \"Beta Two\"",
      "-",
      "\"&Tools\" >",
      "  \"&Configure Marlovin...\"",
      "  -",
      "  \"&Restart Taskbar, desktop && program manager\"",
      "  \"Show System Info\"",
      "\"&Help\" >",
      "  \"&About...\"",
      "  \"&Corvan Software Online\" >",
      "    \"Go to Corvan Software Homepage...\"",
      "    \"&Contact Corvan Software...\"",
      "    \"Contact &Tech Support...\"",
      "-",
      "\"&Always On Top\" checked",
      "\"Restore\"",
      "\"Minimize \"",
      "\"Close\"",
  };
  const std::vector<std::string> panel = {
      "\"Placement\" >",
      "  \"   &Left\" radio",
      "  \"   &Right\" radio checked",
      "  -",
      "  \"   &Floating ( detached )\" radio",
      "-",
      "\"Bookmarks\" >",
      "  \"Add To Bookmarks...\"",
      "  \"&Manage Bookmarks...\"",
      "  -",
      "\"Sessions\" >",
      "  \"&Save Session...\"",
      "  \"&Load Session...\"",
      "  -",
      "  \"&Delete Session...\"",
      "  -",
      "  \"Alpha\"",
      "  \"Beta Two\"",
      "-",
      "\"&Tools\" >",
      "  \"&Configure Marlovin...\"",
      "  -",
      "  \"&Restart Taskbar, desktop && program manager\"",
      "  \"Show System Info\"",
      "\"&Help\" >",
      "  \"&About...\"",
      "  \"&Corvan Software Online\" >",
      "    \"Go to Corvan Software &Homepage...\"",
      "    \"Contact &Us..\"",
      "    \"Contact &Tech Support...\"",
      "-",
      "\"&Always On Top\" checked",
      "\"Restore\"",
      "\"Minimize \"",
      "\"Close\"",
  };
  EXPECT_EQ(MenuLines(bar.PopupMenuAppActions()), tray);
  EXPECT_EQ(MenuLines(bar.PopupMenuActionsOnPanel()), panel);
  EXPECT_EQ(bar.SessionEntries(), (std::vector<std::string>{"Alpha", "Beta Two"}));

  // Entries come and go in both Sessions submenus at once.
  bar.AddSessionMenuEntries("Gamma");
  bar.RemoveSessionMenuEntries("Alpha");
  bar.RemoveSessionMenuEntries("beta two");  // letter case counts: nothing removed
  for (HMENU sessions : {bar.Menus().Sessions1(), bar.Menus().Sessions2()}) {
    std::vector<std::string> lines;
    ReadMenu(sessions, 0, lines);
    EXPECT_EQ(std::vector<std::string>(lines.end() - 2, lines.end()),
              (std::vector<std::string>{"\"Beta Two\"", "\"Gamma\""}));
  }
  EXPECT_EQ(bar.SessionEntries(), (std::vector<std::string>{"Beta Two", "Gamma"}));
}

// While alive, waits on a thread of its own for a pop-up menu of this process to show,
// then types `keys` into it as the user would.
class MenuKeys {
 public:
  MenuKeys(HWND bar, std::vector<WPARAM> keys)
      : thread_([this, bar, keys] {
          const ULONGLONG end = GetTickCount64() + kWaitMs;
          while (GetTickCount64() < end && !seen_) {
            for (const auto& window : win32::testing::TopLevelWindows(GetCurrentProcessId())) {
              if (window.className == "#32768") seen_ = true;
            }
            Sleep(50);
          }
          for (const WPARAM key : keys) {
            PostMessageW(bar, WM_KEYDOWN, key, 0);
            Sleep(100);
          }
        }) {}
  ~MenuKeys() { thread_.join(); }
  bool MenuShowed() const { return seen_; }

 private:
  std::atomic<bool> seen_{false};
  std::thread thread_;
};

TEST_F(SideBarWindow, RightClicksOnTheTrayIconAndThePanelOpenMenusWhoseEntriesRun) {
  TFormMain& bar = StartBar(2);
  const HWND window = bar.Handle();
  {
    // Up from the top reaches the last entries: Close, then "Minimize ".
    MenuKeys keys(window, {VK_UP, VK_UP, VK_RETURN});
    SendMessageW(window, TFormMain::kTrayMessage, TFormMain::kTrayIconId, WM_RBUTTONUP);
    EXPECT_TRUE(keys.MenuShowed());
  }
  Settle();
  EXPECT_FALSE(IsWindowVisible(window)) << "Minimize was chosen in the tray menu";

  Command(RestoreAppAction);
  {
    MenuKeys keys(window, {VK_UP, VK_RETURN});
    SendMessageW(bar.PanelMain(), WM_RBUTTONDOWN, MK_RBUTTON, Point(20, 470));
    SendMessageW(bar.PanelMain(), WM_RBUTTONUP, 0, Point(20, 470));
    EXPECT_TRUE(keys.MenuShowed());
  }
  EXPECT_TRUE(PumpUntil([&] { return !IsWindow(window); }, kWaitMs)) << "Close was chosen in the panel menu";
  EXPECT_TRUE(QuitWasPosted());
}

// The tooltip text of a control, from the tooltip window that serves it (tooltips are
// owned by the top-level window, so each one is asked whether it knows the control).
std::string Hint(HWND control) {
  struct Search {
    HWND control;
    std::string text;
  } search{control, {}};
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM param) -> BOOL {
        auto& s = *reinterpret_cast<Search*>(param);
        wchar_t name[64] = {};
        GetClassNameW(window, name, 64);
        if (std::wstring(name) != TOOLTIPS_CLASSW) return TRUE;
        wchar_t text[256] = {};
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof(tool);
        tool.hwnd = s.control;
        tool.uId = reinterpret_cast<UINT_PTR>(s.control);
        if (!SendMessageW(window, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&tool))) return TRUE;
        tool.lpszText = text;
        SendMessageW(window, TTM_GETTEXTW, 256, reinterpret_cast<LPARAM>(&tool));
        s.text = win32::Narrow(text);
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.text;
}

TEST_F(SideBarWindow, TheButtonsSitWhereTheDesignPutsThemWithTheirHints) {
  TFormMain& bar = StartBar(0);
  const struct {
    PanelControlId id;
    RECT bounds;  // panel coordinates
    const char* hint;
  } controls[] = {
      {PanelControlId::GDAButtonCopy, {7, 8, 31, 32}, "Drop files  to copy"},
      {PanelControlId::GDAButtonMove, {5, 40, 37, 73}, "Drop files to move"},
      {PanelControlId::GDAButton1, {3, 78, 37, 110}, "Drop files  to do (Multi)Rename"},
      {PanelControlId::GDAButtonUnPackage, {2, 117, 35, 150}, "Drop files  to Unpack"},
      {PanelControlId::GDAButtonPack, {0, 154, 36, 189}, "Drop files  to pack"},
      {PanelControlId::GDAButtonEncode, {4, 200, 38, 237}, "Drop files  to encode them with AES"},
      {PanelControlId::GDAButtonDecode, {3, 241, 37, 273}, "Drop files  to decode "},
      {PanelControlId::GDAButtonViewer, {4, 281, 36, 309}, ""},
      {PanelControlId::GDAButtonFavorites, {6, 316, 35, 344},
       "Click to add to favorites - Drag & drop to copy/move to favorites"},
      {PanelControlId::GDAButtonHome, {3, 347, 35, 373}, "Click to open Home Directory"},
      {PanelControlId::GDAButtonShowHide, {6, 389, 30, 413}, "Show/Hide this bar"},
      {PanelControlId::SpeedButtonTileHorizontaly, {5, 427, 33, 455}, "Click to tile Explorers horizontaly"},
      {PanelControlId::SpeedButtonVerticaly, {5, 459, 33, 487}, "Click to tile Explorers verticaly "},
      {PanelControlId::GDAButtonList, {0, 491, 40, 531}, "Drop to copy File Names to clipBoard"},
  };
  const RECT panel = WindowRect(bar.PanelMain());
  EXPECT_EQ(Hint(bar.PanelMain()), "Double-Click to hide. Drag & Drop items to add to favorites.");
  for (const auto& c : controls) {
    SCOPED_TRACE(static_cast<int>(c.id));
    const HWND button = bar.Button(c.id);
    ASSERT_TRUE(button);
    RECT r = WindowRect(button);
    OffsetRect(&r, -panel.left, -panel.top);
    EXPECT_EQ(Text(r), Text(c.bounds));
    EXPECT_EQ(Hint(button), c.hint);
    EXPECT_TRUE(IsWindowVisible(button));
  }
}

TEST_F(SideBarWindow, ClickingACopyFamilyButtonShowsTheClickMessage) {
  TFormMain& bar = StartBar(2);
  const std::string message =
      "Don't click onto theese buttons. Drag && Drop files onto them\n"
      "How am I supposed to know  which program you're using,\n"
      "and what files you've selected? If you drop some files onto me,\n"
      "I'll know what to do. I am smart, but I only cost 6$ :) .";
  for (const PanelControlId id : {PanelControlId::GDAButtonCopy, PanelControlId::GDAButtonDecode,
                                  PanelControlId::GDAButtonViewer, PanelControlId::GDAButtonList}) {
    SCOPED_TRACE(static_cast<int>(id));
    win32::testing::MessageBoxAnswers answers({IDOK});
    Click(bar.Button(id));
    const auto boxes = answers.Boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, message);
    EXPECT_TRUE(boxes[0].ok && !boxes[0].cancel);
  }
  EXPECT_TRUE(IsWindowVisible(bar.Handle())) << "and nothing else happens";
}

TEST_F(SideBarWindow, TheTilingButtonsArrangeTheExplorerWindowsBesideTheBar) {
  TFormMain& bar = StartBar(2);
  testing::FakeExplorerWindow one({.title = L"One", .addressBars = {L"C:\\one"}});
  testing::FakeExplorerWindow two({.title = L"Two", .addressBars = {L"C:\\two"}});
  const RECT area = WorkArea();
  const auto inside = [&](const RECT& r) {
    return r.left >= area.left && r.top >= area.top && r.right <= area.right && r.bottom <= area.bottom;
  };

  Click(bar.Button(PanelControlId::SpeedButtonTileHorizontaly));
  RECT a = WindowRect(one.Handle()), b = WindowRect(two.Handle());
  EXPECT_TRUE(inside(a) && inside(b)) << Text(a) << " " << Text(b) << " in " << Text(area);
  EXPECT_EQ(a.left, b.left) << "one above the other";
  EXPECT_NE(a.top, b.top);

  Click(bar.Button(PanelControlId::SpeedButtonVerticaly));
  a = WindowRect(one.Handle());
  b = WindowRect(two.Handle());
  EXPECT_TRUE(inside(a) && inside(b)) << Text(a) << " " << Text(b) << " in " << Text(area);
  EXPECT_EQ(a.top, b.top) << "side by side";
  EXPECT_NE(a.left, b.left);
}

TEST_F(SideBarWindow, WrongExplorerSettingsAtShowAreRepairedAndTheBarEndsWithoutItsStrip) {
  SetCabinetInteger(L"FullPath", 0);
  win32::testing::MessageBoxAnswers answers({IDOK, IDNO, IDOK});
  TFormMain& bar = StartBar(2, "");
  EXPECT_EQ(answers.Boxes().size(), 3u) << "one check: the activation that follows is skipped";
  EXPECT_TRUE(QuitWasPosted());
  EXPECT_EQ(Text(WorkArea()), Text(startArea_)) << "the strip docking reserved is given back";
  EXPECT_TRUE(ExplorerSettingsAreSet());
  EXPECT_FALSE(bar.RunExplorerSettingsCheck()) << "every later caller stops at once";
}

TEST_F(SideBarWindow, TheMenuRestartsExplorerWithoutTouchingTheRegistry) {
  TFormMain& bar = StartBar(2);
  const std::wstring standIn =
      win32::Widen(common::ExtractFilePath(win32::Narrow(win32::ModuleFilePath())) + "progman_stand_in.exe");
  e2e::RunningProgram desktop(standIn, L"Progman \"Program Manager\"");
  ASSERT_TRUE(desktop.WaitForWindow("Progman", kWaitMs));
  SetCabinetInteger(L"FullPath", 0);

  SendMessageW(bar.Handle(), WM_COMMAND, static_cast<WPARAM>(RestartProgManAction), 0);
  EXPECT_EQ(CabinetInteger(L"FullPath"), 0u) << "the registry is left alone";
  WriteRightExplorerSettings();  // before the bar is activated again
  EXPECT_EQ(desktop.WaitForExit(kWaitMs), 7u) << "Explorer's desktop window was closed";
  const auto explorer = [] {
    for (const auto& window : win32::testing::TopLevelWindows()) {
      if (window.className == "ExplorerWClass") return window.hwnd;
    }
    return HWND{};
  };
  ASSERT_TRUE(PumpUntil([&] { return explorer() != nullptr; }, kWaitMs))
      << "explorer.exe was started; on the desktop:\n"
      << e2e::DescribeDesktop();
  PostMessageW(explorer(), WM_CLOSE, 0, 0);
  EXPECT_TRUE(PumpUntil([&] { return explorer() == nullptr; }, kWaitMs));
  EXPECT_FALSE(QuitWasPosted()) << "the bar goes on";
  EXPECT_TRUE(IsWindow(bar.Handle()));
}

TEST_F(SideBarWindow, AboutStartsAboutExeFromTheCurrentFolder) {
  TFormMain& bar = StartBar(2);
  const fs::path folder = fs::temp_directory_path() / "suite about stand-in";
  fs::remove_all(folder);
  fs::create_directories(folder);
  const fs::path standIn =
      fs::path(win32::ModuleFilePath()).parent_path().parent_path() / "tests" / "e2e" / "recording_stand_in.exe";
  fs::copy_file(standIn, folder / "about.exe");
  wchar_t previous[MAX_PATH];
  GetCurrentDirectoryW(MAX_PATH, previous);
  SetCurrentDirectoryW(folder.c_str());

  for (HMENU menu : {bar.PopupMenuActionsOnPanel(), bar.PopupMenuAppActions()}) {
    // The "&About..." entry of the Help submenu, as the menu holds it.
    const HMENU help = GetSubMenu(menu, 6);
    ASSERT_TRUE(help);
    const UINT id = GetMenuItemID(help, 0);
    SendMessageW(bar.Handle(), WM_COMMAND, id, 0);
  }
  const fs::path record = folder / "about.exe.command-lines.txt";
  const auto lines = [&] {
    std::ifstream in(record, std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), {});
    return std::count(text.begin(), text.end(), '\n');
  };
  EXPECT_TRUE(PumpUntil([&] { return lines() == 2; }, kWaitMs)) << "both entries start it";
  SetCurrentDirectoryW(previous);
  fs::remove_all(folder);
}

}  // namespace
}  // namespace marlovin
