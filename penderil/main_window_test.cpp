// The renamer window in this process: start-up with a list file, the keys, the buttons,
// a drop of files and the renaming, as a user drives them.
#include "penderil/main_window.h"

#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "common/path_text.h"
#include "penderil/test_folder.h"
#include "win32/shell_paths.h"
#include "win32/testing/keyboard.h"
#include "win32/testing/window_list.h"
#include "win32/testing/window_watchdog.h"
#include "win32/utf.h"

namespace penderil {
namespace {

using Names = std::vector<std::string>;

// The help page as the Windows build stages it beside Penderil.exe.
std::wstring StagedShortcuts() {
  const std::string self = win32::Narrow(win32::ModuleFilePath());  // build/windows/penderil/x.exe
  return win32::Widen(common::ExtractFilePath(self) + "..\\dist\\tools\\multi-rename\\shortcuts.rtf");
}

std::wstring TextOf(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

// Runs this thread's messages through the window's own first look, as Penderil's loop
// does, until `done` or the time is up.
bool Pump(TFormMain& window, const std::function<bool()>& done, DWORD timeoutMs = 3000) {
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  for (;;) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (window.PreTranslate(message)) continue;
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    if (done()) return true;
    if (GetTickCount64() >= deadline) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
}

// Lets the window handle what is waiting, then some more time for what follows.
void Settle(TFormMain& window, DWORD ms = 150) {
  const ULONGLONG until = GetTickCount64() + ms;
  Pump(window, [&] { return GetTickCount64() >= until; }, ms + 100);
}

using win32::testing::PressKey;

template <typename Field>
std::vector<std::string> Column(const TFormMain& window, Field field) {
  std::vector<std::string> values;
  for (const auto& entry : window.Model().Entries()) values.emplace_back(std::invoke(field, entry));
  return values;
}

class PenderilWindow : public ::testing::Test {
 protected:
  // A list file of three files in the test folder, lines ended three ways.
  std::string ThreeFileList() {
    one_ = folder_.Make("one.txt");
    two_ = folder_.Make("two.txt");
    three_ = folder_.Make("three.txt");
    return folder_.Make("WipeDirList.txt", one_ + "\r\n" + two_ + "\n" + three_ + "\r");
  }

  // Opens the window as Penderil does with `arguments` after the program, and waits
  // until its first activation has run the start-up.
  TFormMain& Open(const std::vector<std::string>& arguments, std::wstring shortcuts = StagedShortcuts()) {
    std::vector<std::string> commandLine = {"Penderil.exe"};
    commandLine.insert(commandLine.end(), arguments.begin(), arguments.end());
    window_ = std::make_unique<TFormMain>(
        TFormMain::Startup{.shortcutsFile = std::move(shortcuts), .arguments = commandLine, .endsProgram = false});
    ShowWindow(window_->Handle(), SW_SHOWNORMAL);
    SetForegroundWindow(window_->Handle());
    Settle(*window_);
    return *window_;
  }

  HWND List() const { return window_->Control(kListViewFileNames); }
  int ListCount() const { return ListView_GetItemCount(List()); }
  std::wstring ListText(int row, int column) const {
    wchar_t text[512] = {};
    ListView_GetItemText(List(), row, column, text, 512);
    return text;
  }
  void Click(int id) { SendMessageW(window_->Control(id), BM_CLICK, 0, 0); }
  void Type(int id, const wchar_t* text) { SetWindowTextW(window_->Control(id), text); }

  // Presses a key with the focus in a control, then lets the window run.
  void Key(int focusId, std::initializer_list<WORD> modifiers, WORD key) {
    SetForegroundWindow(window_->Handle());
    SetFocus(window_->Control(focusId));
    PressKey(modifiers, key);
    Settle(*window_);
  }

  testing::TestFolder folder_;
  std::string one_, two_, three_;
  std::unique_ptr<TFormMain> window_;
};

TEST_F(PenderilWindow, StartsWithTheListFileAndTheDefaults) {
  TFormMain& window = Open({ThreeFileList()});
  EXPECT_EQ(Column(window, &RenameEntry::fullPath), (Names{one_, two_, three_}));
  EXPECT_EQ(Column(window, &RenameEntry::newName), (Names{"one.txt", "two.txt", "three.txt"}));
  ASSERT_EQ(ListCount(), 3);
  EXPECT_EQ(ListText(0, 0), L"one.txt");
  EXPECT_EQ(ListText(1, 1), L"two.txt");
  EXPECT_EQ(ListText(2, 2), win32::Widen(folder_.Path()));

  EXPECT_EQ(TextOf(window.Control(kEditName)), L"?n");
  EXPECT_EQ(TextOf(window.Control(kEditExt)), L"?e");
  EXPECT_EQ(TextOf(window.Control(kEditSearch)), L"");
  EXPECT_EQ(TextOf(window.Control(kSpinCounterStart)), L"1");
  EXPECT_EQ(TextOf(window.Control(kSpinCounterStep)), L"1");
  EXPECT_EQ(TextOf(window.Control(kSpinMinDigits)), L"1");
  EXPECT_EQ(IsDlgButtonChecked(GetParent(window.Control(kCheckBoxBefore)), kCheckBoxBefore), BST_CHECKED);
  EXPECT_EQ(IsDlgButtonChecked(GetParent(window.Control(kCheckBoxAfter)), kCheckBoxAfter), BST_CHECKED);
  EXPECT_EQ(IsDlgButtonChecked(GetParent(window.Control(kCheckBoxMatchCase)), kCheckBoxMatchCase), BST_UNCHECKED);
  EXPECT_EQ(SendMessageW(window.Control(kComboLetterSize), CB_GETCURSEL, 0, 0), 0);
  EXPECT_EQ(TextOf(window.Control(kComboLetterSize)), L"Leave file names unchanged.");
  EXPECT_NE(TextOf(window.Control(kRichEditShortCutsList)).find(L"Ctrl + Enter"), std::wstring::npos)
      << "the key list is on its tab";

  // Later activations do not load the list file again.
  SendMessageW(window.Control(static_cast<int>(RenamerAction::RemoveAll)), BM_CLICK, 0, 0);
  HWND other = CreateWindowExW(0, L"STATIC", L"other", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr,
                               nullptr, nullptr);
  SetForegroundWindow(other);
  Settle(window);
  DestroyWindow(other);
  SetForegroundWindow(window.Handle());
  Settle(window);
  EXPECT_TRUE(window.Model().Entries().empty());
  EXPECT_EQ(ListCount(), 0);
}

std::vector<std::wstring> ChildTexts(HWND window) {
  std::vector<std::wstring> texts;
  EnumChildWindows(
      window,
      [](HWND child, LPARAM data) -> BOOL {
        reinterpret_cast<std::vector<std::wstring>*>(data)->push_back(TextOf(child));
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&texts));
  return texts;
}

TEST_F(PenderilWindow, ShowsEveryCaptionAsWritten) {
  TFormMain& window = Open({});
  const std::vector<std::wstring> texts = ChildTexts(window.Handle());
  const wchar_t* captions[] = {
      L"Rename mask : Name", L"Add Name ( F2 )", L"Add Time ( F3 )", L"Add Counter ( F4 )", L"Add Date ( F5 )",
      L"Rename mask: Extension", L"Add Ext ( F6 ) ", L"Add Counter ( F7 )", L"Search && Replace", L"Search:",
      L"Replace With:", L"Search &&Replace before other operations", L"Search &&Replace after other operations",
      L"Match Case", L"Counter settings:", L"Start At:", L"Step By:", L"Min. Digits", L"Upper / lowercase :",
      L"Select All ( ctrl + A)", L"Select Inverse (ctrl + I)", L"Select None (ctrl + N)",
      L"Remove Selected (ctrl +X)", L"Remove All (Ctrl + Alt + X)", L"Start with renaming", L"Reset",
      L"Close  ( F12 )"};
  for (const wchar_t* caption : captions) {
    EXPECT_NE(std::find(texts.begin(), texts.end(), caption), texts.end()) << win32::Narrow(caption);
  }
  EXPECT_EQ(TextOf(window.Handle()), L"Multi-rename tool.");

  const HWND tabs = window.Control(kPageControl);
  ASSERT_EQ(TabCtrl_GetItemCount(tabs), 2);
  const wchar_t* pages[] = {L"Files List", L"ShortCuts List"};
  for (int i = 0; i < 2; ++i) {
    wchar_t text[64] = {};
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = 64;
    TabCtrl_GetItem(tabs, i, &item);
    EXPECT_STREQ(text, pages[i]);
  }
  const wchar_t* columns[] = {L"Old Name", L"New Name", L"Locaion"};
  for (int i = 0; i < 3; ++i) {
    wchar_t text[64] = {};
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.pszText = text;
    column.cchTextMax = 64;
    ASSERT_TRUE(ListView_GetColumn(List(), i, &column));
    EXPECT_STREQ(text, columns[i]);
    EXPECT_EQ(column.cx, MulDiv(250, static_cast<int>(GetDpiForWindow(List())), 96));
  }
  const HWND combo = window.Control(kComboLetterSize);
  ASSERT_EQ(SendMessageW(combo, CB_GETCOUNT, 0, 0), 4);
  const wchar_t* choices[] = {L"Leave file names unchanged.", L"Change all letters to small.",
                              L"Changle all letters to Capitals.", L"Only first capital letter."};
  for (int i = 0; i < 4; ++i) {
    wchar_t text[64] = {};
    SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, choices[i]);
  }

  // The tabs switch between the list and the key list.
  TabCtrl_SetCurSel(tabs, 1);
  NMHDR change{tabs, static_cast<UINT_PTR>(kPageControl), static_cast<UINT>(TCN_SELCHANGE)};
  SendMessageW(GetParent(tabs), WM_NOTIFY, kPageControl, reinterpret_cast<LPARAM>(&change));
  EXPECT_TRUE(IsWindowVisible(window.Control(kRichEditShortCutsList)));
  EXPECT_FALSE(IsWindowVisible(List()));
}

TEST_F(PenderilWindow, TheTitleBarButtonsMinimiseMaximiseRestoreAndClose) {
  TFormMain& window = Open({});
  const auto click = [&](int id) {
    SendMessageW(GetParent(window.Control(id)), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(window.Control(id)));
    Settle(window, 50);
  };
  click(kButtonMaxRestore);
  EXPECT_TRUE(IsZoomed(window.Handle()));
  click(kButtonMaxRestore);
  EXPECT_FALSE(IsZoomed(window.Handle()));
  click(kButtonMinimize);
  EXPECT_TRUE(IsIconic(window.Handle()));
  ShowWindow(window.Handle(), SW_RESTORE);
  click(kButtonX);
  EXPECT_FALSE(IsWindow(window.Handle()));
}

TEST_F(PenderilWindow, WithoutAListFileTheListIsEmpty) {
  TFormMain& window = Open({});
  EXPECT_EQ(ListCount(), 0);
  Open({folder_.Path() + "no such list.txt"});
  EXPECT_EQ(ListCount(), 0);
  Open({folder_.Make("empty.txt", "")});
  EXPECT_EQ(ListCount(), 0);
  EXPECT_TRUE(window_->Model().Entries().empty());
  (void)window;
}

TEST_F(PenderilWindow, AMissingHelpPageIsReportedAndTheListStillLoads) {
  std::string shown;
  win32::testing::ExpectDialog answer([&](HWND dialog) {
    shown = win32::testing::WindowTexts(dialog);
    win32::testing::PressDialogButton(dialog, IDOK);
    return true;
  });
  TFormMain& window = Open({ThreeFileList()}, win32::Widen(folder_.Path() + "shortcuts.rtf"));
  Pump(window, [&] { return !shown.empty(); });
  EXPECT_NE(shown.find("Cannot open file \"" + folder_.Path() + "shortcuts.rtf\""), std::string::npos) << shown;
  EXPECT_EQ(ListCount(), 3);
  EXPECT_EQ(SendMessageW(window.Control(kComboLetterSize), CB_GETCURSEL, 0, 0), 0);
}

TEST_F(PenderilWindow, TheKeysWorkWhileATextFieldHasTheFocus) {
  TFormMain& window = Open({ThreeFileList()});

  Key(kEditSearch, {}, VK_F4);
  EXPECT_EQ(TextOf(window.Control(kEditName)), L"?n?c");
  EXPECT_EQ(ListText(0, 1), L"one1.txt");
  Key(kEditName, {}, VK_F7);
  EXPECT_EQ(TextOf(window.Control(kEditExt)), L"?e?c") << "appended at the end whatever the caret";
  Key(kEditName, {}, VK_F2);
  Key(kEditName, {}, VK_F6);
  EXPECT_EQ(window.Model().Settings().nameMask, "?n?c?n");
  EXPECT_EQ(window.Model().Settings().extensionMask, "?e?c?e");

  Key(kEditName, {VK_MENU}, VK_UP);
  EXPECT_EQ(TextOf(window.Control(kSpinCounterStart)), L"2");
  EXPECT_EQ(ListText(0, 1), L"one2one.txt2txt");
  Key(kEditName, {VK_MENU}, VK_DOWN);
  Key(kEditName, {VK_MENU}, VK_DOWN);
  Key(kEditName, {VK_MENU}, VK_DOWN);
  EXPECT_EQ(TextOf(window.Control(kSpinCounterStart)), L"0") << "the bound holds";
  Key(kEditName, {VK_CONTROL}, VK_UP);
  EXPECT_EQ(TextOf(window.Control(kSpinCounterStep)), L"2");
  Key(kEditName, {VK_MENU}, VK_RIGHT);
  Key(kEditName, {VK_MENU}, VK_RIGHT);
  EXPECT_EQ(TextOf(window.Control(kSpinMinDigits)), L"3");
  EXPECT_EQ(ListText(1, 1), L"two002two.txt002txt");

  Key(kEditName, {}, VK_F10);
  EXPECT_EQ(IsDlgButtonChecked(GetParent(window.Control(kCheckBoxBefore)), kCheckBoxBefore), BST_UNCHECKED);
  EXPECT_FALSE(window.Model().Settings().replaceBefore);
  Key(kEditName, {}, VK_F11);
  EXPECT_FALSE(window.Model().Settings().replaceAfter);

  // Ctrl+X removes the selected entries; the text field keeps its text.
  Type(kEditSearch, L"abc");
  SendMessageW(window.Control(kEditSearch), EM_SETSEL, 0, -1);
  ListView_SetItemState(List(), 1, LVIS_SELECTED, LVIS_SELECTED);
  Key(kEditSearch, {VK_CONTROL}, 'X');
  EXPECT_EQ(TextOf(window.Control(kEditSearch)), L"abc");
  EXPECT_EQ(Column(window, &RenameEntry::fullPath), (Names{one_, three_}));
  EXPECT_EQ(ListCount(), 2);

  Key(kEditName, {VK_CONTROL, VK_MENU}, VK_BACK);
  EXPECT_EQ(TextOf(window.Control(kEditName)), L"?n");
  EXPECT_EQ(TextOf(window.Control(kEditExt)), L"?e");
  EXPECT_EQ(TextOf(window.Control(kEditSearch)), L"");
  EXPECT_EQ(TextOf(window.Control(kSpinCounterStart)), L"1");
  EXPECT_EQ(TextOf(window.Control(kSpinMinDigits)), L"1");
  EXPECT_TRUE(window.Model().Settings().replaceBefore);
  EXPECT_EQ(IsDlgButtonChecked(GetParent(window.Control(kCheckBoxAfter)), kCheckBoxAfter), BST_CHECKED);
  EXPECT_EQ(ListText(1, 1), L"three.txt");

  Key(kEditName, {VK_CONTROL}, 'A');
  EXPECT_EQ(ListView_GetSelectedCount(List()), 2u);
  Key(kEditName, {VK_CONTROL}, 'N');
  EXPECT_EQ(ListView_GetSelectedCount(List()), 0u);
  Key(kEditName, {VK_CONTROL}, 'I');
  EXPECT_EQ(ListView_GetSelectedCount(List()), 2u);
  Key(kEditName, {VK_CONTROL, VK_MENU}, 'X');
  EXPECT_EQ(ListCount(), 0);

  Key(kEditName, {}, VK_F12);
  EXPECT_FALSE(IsWindow(window.Handle())) << "F12 closes the window";
}

TEST_F(PenderilWindow, TheButtonsSelectAndRemoveWithoutRefreshing) {
  TFormMain& window = Open({ThreeFileList()});
  Type(kEditName, L"?c_?n");
  EXPECT_EQ(ListText(2, 1), L"3_three.txt");
  Click(static_cast<int>(RenamerAction::SelectAll));
  EXPECT_EQ(ListView_GetSelectedCount(List()), 3u);
  Click(static_cast<int>(RenamerAction::SelectNone));
  ListView_SetItemState(List(), 0, LVIS_SELECTED, LVIS_SELECTED);  // the user picks the first row
  Click(static_cast<int>(RenamerAction::SelectInverse));
  EXPECT_EQ(ListView_GetItemState(List(), 0, LVIS_SELECTED), 0u);
  EXPECT_EQ(ListView_GetItemState(List(), 1, LVIS_SELECTED), static_cast<UINT>(LVIS_SELECTED));
  EXPECT_EQ(ListView_GetItemState(List(), 2, LVIS_SELECTED), static_cast<UINT>(LVIS_SELECTED));
  Click(static_cast<int>(RenamerAction::RemoveSelected));
  Settle(window);
  ASSERT_EQ(ListCount(), 1);
  EXPECT_EQ(ListText(0, 1), L"1_one.txt");
  Type(kEditName, L"?c-?n");  // the next refresh numbers anew
  EXPECT_EQ(ListText(0, 1), L"1-one.txt");

  // A click on an option's label toggles its box; a letter size converts at once.
  Click(kCheckBoxMatchCase);
  EXPECT_TRUE(window.Model().Settings().matchCase);
  SendMessageW(GetParent(window.Control(kLabelMatchCase)), WM_COMMAND, MAKEWPARAM(kLabelMatchCase, STN_CLICKED),
               reinterpret_cast<LPARAM>(window.Control(kLabelMatchCase)));
  EXPECT_FALSE(window.Model().Settings().matchCase);
  HWND combo = window.Control(kComboLetterSize);
  SendMessageW(combo, CB_SETCURSEL, 2, 0);
  SendMessageW(GetParent(combo), WM_COMMAND, MAKEWPARAM(kComboLetterSize, CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(combo));
  EXPECT_EQ(ListText(0, 1), L"1-ONE.TXT");
}

// Drops reach the window as the shell sends them: a WM_DROPFILES with the paths.
HDROP MakeDrop(const std::vector<std::string>& paths) {
  std::wstring text;
  for (const auto& path : paths) text += win32::Widen(path) + L'\0';
  text += L'\0';
  const HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + text.size() * sizeof(wchar_t));
  auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
  drop->pFiles = sizeof(DROPFILES);
  drop->fWide = TRUE;
  std::memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), text.data(), text.size() * sizeof(wchar_t));
  GlobalUnlock(memory);
  return static_cast<HDROP>(memory);
}

TEST_F(PenderilWindow, TypingInTheListFindsANameByItsStart) {
  Open({ThreeFileList()});
  LVFINDINFOW find{};
  find.flags = LVFI_STRING | LVFI_PARTIAL;
  find.psz = L"TH";
  EXPECT_EQ(ListView_FindItem(List(), -1, &find), 2);
  find.psz = L"O";
  EXPECT_EQ(ListView_FindItem(List(), 1, &find), 0) << "the search goes round to the top";
  find.psz = L"zebra";
  EXPECT_EQ(ListView_FindItem(List(), -1, &find), -1);
}

TEST_F(PenderilWindow, ADropReplacesTheList) {
  TFormMain& window = Open({ThreeFileList()});
  const std::string a = folder_.Make("a.doc");
  const std::string folder = folder_.Path() + "sub";
  CreateDirectoryW(win32::Widen(folder).c_str(), nullptr);
  SendMessageW(window.Handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({a, folder})), 0);
  EXPECT_EQ(Column(window, &RenameEntry::fullPath), (Names{a, folder}));
  ASSERT_EQ(ListCount(), 2);
  EXPECT_EQ(ListText(1, 0), L"sub");
}

TEST_F(PenderilWindow, RenamesAndReportsTheFailures) {
  TFormMain& window = Open({ThreeFileList()});
  Type(kEditName, L"?n-?c");
  const std::string blocker = folder_.Make("two-2.txt", "in the way");
  Type(kEditSearch, L"THREE");
  Type(kEditReplaceWith, L"Drei");
  std::string shown;
  win32::testing::ExpectDialog answer([&](HWND dialog) {
    shown = win32::testing::WindowTexts(dialog);
    win32::testing::PressDialogButton(dialog, IDOK);
    return true;
  });
  Key(kEditName, {VK_CONTROL}, VK_RETURN);
  Pump(window, [&] { return !shown.empty(); });
  EXPECT_NE(shown.find("Failed to rename 1 items ."), std::string::npos) << shown;
  EXPECT_EQ(folder_.Names(), (Names{"Drei-3.txt", "WipeDirList.txt", "one-1.txt", "two-2.txt", "two.txt"}));
  EXPECT_EQ(testing::Content(blocker), "in the way");
  EXPECT_EQ(Column(window, &RenameEntry::OldName), (Names{"one-1.txt", "two.txt", "Drei-3.txt"}));
  EXPECT_EQ(ListText(0, 0), L"one-1.txt");
  EXPECT_TRUE(IsWindowEnabled(window.Handle()));
}

TEST_F(PenderilWindow, IconsComeFromTheFilesOfShownRowsOnly) {
  // A library with many icons, listed far more often than rows fit on the screen.
  wchar_t system[MAX_PATH];
  GetSystemDirectoryW(system, MAX_PATH);
  const std::string shell32 = win32::Narrow(system) + "\\shell32.dll";
  std::string lines;
  for (int i = 0; i < 2000; ++i) lines += (i % 2 ? one_.empty() ? folder_.Make("one.txt") : one_ : shell32) + "\r\n";
  TFormMain& window = Open({folder_.Make("icons.txt", lines)});
  UpdateWindow(List());
  const auto& entries = window.Model().Entries();
  ASSERT_EQ(entries.size(), 2000u);
  EXPECT_GE(entries[0].image, 0) << "the library's second icon";
  EXPECT_EQ(entries[1].image, kNoImage) << "a text file has no icon of its own";
  EXPECT_EQ(entries[1999].image, kImageNotLoaded) << "a row never shown asks for no icon";
}

}  // namespace
}  // namespace penderil
