#include "marlovin/shell/main_form.h"

#include <shellapi.h>

#include <algorithm>

#include "marlovin/explorer/explorer_settings.h"
#include "marlovin/explorer/explorer_tiling.h"
#include "marlovin/explorer/explorer_windows.h"
#include "marlovin/settings/options_paths.h"
#include "marlovin/shell/marlovin_resources.h"
#include "marlovin/shell/single_instance.h"
#include "win32/application.h"
#include "win32/dpi.h"
#include "win32/utf.h"

namespace marlovin {

namespace {

// Design values, in 96-DPI pixels.
constexpr int kDesignLeft = 44;
constexpr int kDesignTop = 44;
constexpr int kBarWidth = 45;       // border included
constexpr int kBorderWidth = 2;
constexpr int kClientHeight = 544;  // inside the border
constexpr COLORREF kFormColour = RGB(255, 255, 255);
constexpr COLORREF kPanelColour = RGB(221, 221, 221);  // 14540253
constexpr wchar_t kPanelHint[] = L"Double-Click to hide. Drag & Drop items to add to favorites.";
constexpr wchar_t kTrayHint[] = L"Marlovin Side Bar";
constexpr int kFirstSessionCommand = 5000;

constexpr wchar_t kClickMessage[] =
    L"Don't click onto theese buttons. Drag && Drop files onto them\n"
    L"How am I supposed to know  which program you're using,\n"
    L"and what files you've selected? If you drop some files onto me,\n"
    L"I'll know what to do. I am smart, but I only cost 6$ :) .";

const TMarlovinOptionsStruct kDefaultOptions{};

// The application icon at a size, owned by the system (shared), so that the window
// class may keep it for the life of the process.
HICON AppIcon(int metric) {
  const int size = GetSystemMetrics(metric);
  if (auto icon = static_cast<HICON>(
          LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_MARLOVIN), IMAGE_ICON, size, size, LR_SHARED))) {
    return icon;
  }
  return LoadIconW(nullptr, IDI_APPLICATION);
}

RECT WindowRect(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return rect;
}

}  // namespace

TFormMain::TFormMain() : menus_(actions_), nextSessionCommand_(kFirstSessionCommand) {
  // 1. The window and its components. No taskbar button: a tool window.
  const UINT dpi = win32::DpiOf(nullptr);
  const auto scale = [dpi](int pixels) { return win32::ScaleForDpi(pixels, dpi); };
  Create({.name = kClassName, .icon = AppIcon(SM_CXICON), .smallIcon = AppIcon(SM_CXSMICON)},
         {.exStyle = WS_EX_TOPMOST | WS_EX_TOOLWINDOW,
          .style = WS_POPUP | WS_CLIPCHILDREN,
          .title = L"Marlovin",
          .x = scale(kDesignLeft),
          .y = scale(kDesignTop),
          .width = scale(kBarWidth),
          .height = scale(kClientHeight + 2 * kBorderWidth)});
  CreateControls();
  LayOut(win32::DpiOf(Handle()));
  actions_.OnCheckedChange = [this](const TAction& action) { menus_.ShowChecked(action); };
  BindActions();
  trayIcon_ = std::make_unique<win32::TrayIcon>(Handle(), kTrayIconId, kTrayMessage, AppIcon(SM_CXSMICON), kTrayHint);
  // 2. Neither docked side; the work area as it is before any docking.
  placement_ = std::make_unique<SideBarPlacement>(desktop_, static_cast<DockWindow&>(*this));
  // 3. The options object and the session entries.
  LoadOptionsAndSessions();
  // 4. and 5. The bar has its width of 45 (scaled) from its creation; it docks on the
  // primary screen. 6. Docking as the options say, 8. sliding only vertically.
  placement_->ApplyStartAlignment(Options().FormAlignment);
  ShowPlacementMarks();
  // 9.
  FormCreate();
}

TFormMain::~TFormMain() {
  // A bar that ends without its close steps (the program was told to end) still gives
  // the desktop its strip back.
  if (!closed_ && placement_) placement_->Closing();
}

const TMarlovinOptionsStruct& TFormMain::Options() const { return config_ ? *config_ : kDefaultOptions; }

HWND TFormMain::Button(PanelControlId id) const {
  const auto controls = PanelControls();
  for (std::size_t i = 0; i < controls.size(); ++i) {
    if (controls[i].Id == id) return buttons_[i]->Handle();
  }
  return nullptr;
}

void TFormMain::CreateControls() {
  panel_ = std::make_unique<TPanelMain>(Handle(), static_cast<PanelEvents&>(*this), kPanelColour, kPanelHint);
  for (const PanelControl& control : PanelControls()) {
    buttons_.push_back(std::make_unique<win32::ImageButton>(
        panel_->Handle(), static_cast<int>(control.Id),
        RECT{control.Left, control.Top, control.Left + control.Width, control.Top + control.Height},
        PicturePainter(control.Picture, kPanelColour)));
    panel_->AddHint(buttons_.back()->Handle(), control.Hint);
  }
}

void TFormMain::LayOut(UINT dpi) {
  const auto scale = [dpi](int pixels) { return win32::ScaleForDpi(pixels, dpi); };
  constexpr UINT kFlags = SWP_NOZORDER | SWP_NOACTIVATE;
  SetWindowPos(Handle(), nullptr, 0, 0, scale(kBarWidth), scale(kClientHeight + 2 * kBorderWidth), kFlags | SWP_NOMOVE);
  SetWindowPos(panel_->Handle(), nullptr, scale(kBorderWidth), scale(kBorderWidth),
               scale(kBarWidth) - 2 * scale(kBorderWidth), scale(kClientHeight), kFlags);
  const auto controls = PanelControls();
  for (std::size_t i = 0; i < controls.size(); ++i) {
    const PanelControl& c = controls[i];
    SetWindowPos(buttons_[i]->Handle(), nullptr, scale(c.Left), scale(c.Top), scale(c.Width), scale(c.Height), kFlags);
  }
}

void TFormMain::BindActions() {
  using enum ActionId;
  const auto bind = [this](ActionId id, void (TFormMain::*handler)()) {
    actions_[id].OnExecute = [this, handler] { (this->*handler)(); };
  };
  bind(CloseAppAction, &TFormMain::CloseAppActionExecute);
  bind(RestoreAppAction, &TFormMain::RestoreAppActionExecute);
  bind(MinimizeAppAction, &TFormMain::MinimizeAppActionExecute);
  bind(AlignMainFormToLeftAction, &TFormMain::AlignMainFormToLeftActionExecute);
  bind(AlignMainFormTorightAction, &TFormMain::AlignMainFormToRightActionExecute);
  bind(NoalignAction, &TFormMain::NoalignActionExecute);
  bind(AlwaysOnTopAction, &TFormMain::AlwaysOnTopActionExecute);
  bind(RestartProgManAction, &TFormMain::RestartProgManActionExecute);
  // The session, bookmark, options, cipher, contact, home page and system information
  // commands get their handlers from their own parts of the program.
}

void TFormMain::LoadOptionsAndSessions() {
  try {
    config_ = CreateSideBarConfig();
    for (const std::string& name : TMarlovinTextConfig::GetSessionNames(config_->FileName)) {
      AddSessionMenuEntries(name);
    }
  } catch (...) {
    MessageBoxW(nullptr, L"Init Failes", win32::ApplicationTitle().c_str(), MB_OK);
  }
}

// ---- Window events --------------------------------------------------------------------

void TFormMain::FormCreate() { enumerate_explorers::CreateExplorerLists(); }

void TFormMain::FormShow() { RunExplorerSettingsCheck(); }

void TFormMain::FormActivate() {
  if (!RunExplorerSettingsCheck()) return;
  if (!firstActivation_) return;
  firstActivation_ = false;
  RebuildBookmarkMenus();
  BringToFront();
}

void TFormMain::FormClose() {
  closed_ = true;
  try {
    placement_->Closing();
  } catch (...) {
  }
  try {
    config_.reset();  // records the last session when that option is on
  } catch (...) {
  }
  try {
    enumerate_explorers::FreeExplorerLists();
  } catch (...) {
  }
}

bool TFormMain::RunExplorerSettingsCheck() {
  // A check that is already showing its messages means the settings were wrong; the
  // activations those messages cause have nothing to do.
  if (ending_ || checkingSettings_) return false;
  checkingSettings_ = true;
  bool right = false;
  try {
    right = CheckExplorerSettings();
  } catch (...) {
    checkingSettings_ = false;
    throw;
  }
  checkingSettings_ = false;
  if (!right) {
    ending_ = true;
    placement_->Closing();
    if (config_) config_->DoSaveLastSession = false;  // in memory only: the file keeps the option
  }
  return right;
}

void TFormMain::BringToFront() {
  if (GetForegroundWindow() == Handle()) return;  // in front already (restacking costs time)
  SetForegroundWindow(Handle());
  BringWindowToTop(Handle());
}

LRESULT TFormMain::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SHOWWINDOW:
      if (wParam && lParam == 0) FormShow();
      break;
    case WM_ACTIVATE:
      if (LOWORD(wParam) != WA_INACTIVE) FormActivate();
      break;
    case WM_CONTEXTMENU:
      ShowPanelMenu({static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))});
      return 0;
    case kTrayMessage:
      if (lParam == WM_LBUTTONDBLCLK) {
        bool restore = false;
        StTrayIconDblClick(restore);
      } else if (lParam == WM_RBUTTONUP) {
        ShowTrayMenu();
      }
      return 0;
    case WM_DPICHANGED: {
      const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
      SetWindowPos(Handle(), nullptr, suggested.left, suggested.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      LayOut(HIWORD(wParam));
      if (!placement_->Minimized) placement_->Dock.Redock(*this);  // the strip follows the bar's new width
      return 0;
    }
    default:
      break;
  }
  if (message == win32::TrayIcon::TaskbarCreatedMessage()) {
    trayIcon_->Show();
    return 0;
  }
  if (message == ShowRunningBarMessage()) {
    if (placement_->Minimized) {
      actions_.Execute(ActionId::RestoreAppAction);
    } else {
      BringToFront();
    }
    return 0;
  }
  return Window::OnMessage(message, wParam, lParam);
}

void TFormMain::OnPaint(HDC dc, const RECT&) {
  RECT area;
  GetClientRect(Handle(), &area);
  const win32::UniqueHbrush form(CreateSolidBrush(kFormColour));
  FillRect(dc, &area, form.get());  // the border around the panel
}

bool TFormMain::OnCommand(int id, int code, HWND control) {
  if (!control) {
    ExecuteCommand(id);
    return true;
  }
  if (code != BN_CLICKED) return false;
  using enum PanelControlId;
  switch (static_cast<PanelControlId>(id)) {
    case GDAButtonCopy:
    case GDAButtonMove:
    case GDAButton1:
    case GDAButtonUnPackage:
    case GDAButtonPack:
    case GDAButtonEncode:
    case GDAButtonDecode:
    case GDAButtonViewer:
      GDAButtonCopyClick();
      return true;
    case GDAButtonList:
      GDAButtonListClick();
      return true;
    case GDAButtonFavorites:
      GDAButtonFavoritesClick();
      return true;
    case GDAButtonHome:
      GDAButtonHomeClick();
      return true;
    case GDAButtonShowHide:
      GDAButtonShowHideClick();
      return true;
    case SpeedButtonTileHorizontaly:
      SpeedButtonTileHorizontalyClick();
      return true;
    case SpeedButtonVerticaly:
      SpeedButtonVerticalyClick();
      return true;
  }
  return false;
}

void TFormMain::ExecuteCommand(int commandId) {
  if (TActionList::IsAction(commandId)) {
    actions_.Execute(static_cast<ActionId>(commandId));
  } else if (commandId == kAbout1Command) {
    About1Click();
  } else if (const auto session = sessionCommands_.find(commandId); session != sessionCommands_.end()) {
    SessionEntryClick(session->second);
  }
}

bool TFormMain::OnClose() {
  FormClose();
  return false;  // the window is destroyed as usual, which ends the program
}

void TFormMain::OnDestroy() {
  trayIcon_.reset();
  PostQuitMessage(0);
}

// ---- Docking, dragging, placement -----------------------------------------------------

int TFormMain::Left() const { return WindowRect(Handle()).left; }

int TFormMain::Width() const {
  const RECT rect = WindowRect(Handle());
  return rect.right - rect.left;
}

int TFormMain::BorderWidth() const { return win32::ScaleForDpi(kBorderWidth, win32::DpiOf(Handle())); }

void TFormMain::SetLeft(int left) {
  SetWindowPos(Handle(), nullptr, left, WindowRect(Handle()).top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TFormMain::PanelMainMouseDown(int x, int y) { placement_->DragStart = {x, y}; }

void TFormMain::PanelMainMouseMove(int x, int y, bool leftButton) {
  if (!leftButton) return;
  const RECT rect = WindowRect(Handle());
  const TPoint to = placement_->DragPosition({rect.left, rect.top, rect.right, rect.bottom}, {x, y});
  SetWindowPos(Handle(), nullptr, to.X, to.Y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TFormMain::PanelMainDblClick() { actions_.Execute(ActionId::MinimizeAppAction); }

void TFormMain::ShowPlacementMarks() {
  actions_.SetChecked(ActionId::AlignMainFormToLeftAction, placement_->Marks.Left);
  actions_.SetChecked(ActionId::AlignMainFormTorightAction, placement_->Marks.Right);
  actions_.SetChecked(ActionId::NoalignAction, placement_->Marks.Floating);
}

void TFormMain::AlignMainFormToLeftActionExecute() {
  placement_->AlignLeft();
  ShowPlacementMarks();
}

void TFormMain::AlignMainFormToRightActionExecute() {
  placement_->AlignRight();
  ShowPlacementMarks();
}

void TFormMain::NoalignActionExecute() {
  placement_->NoAlign();
  ShowPlacementMarks();
}

void TFormMain::AlwaysOnTopActionExecute() {
  SetWindowPos(Handle(), AlwaysOnTop() ? HWND_NOTOPMOST : HWND_TOPMOST, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  actions_.SetChecked(ActionId::AlwaysOnTopAction, !actions_[ActionId::AlwaysOnTopAction].Checked);
}

// ---- Menus ----------------------------------------------------------------------------

void TFormMain::ShowPanelMenu(POINT screen) {
  if (screen.x == -1 && screen.y == -1) {  // from the keyboard: at the panel's corner
    const RECT panel = WindowRect(panel_->Handle());
    screen = {panel.left, panel.top};
  }
  SetForegroundWindow(Handle());
  const int command = TrackPopupMenu(PopupMenuActionsOnPanel(), TPM_RETURNCMD | TPM_RIGHTBUTTON, screen.x, screen.y,
                                     0, Handle(), nullptr);
  if (command) ExecuteCommand(command);
}

void TFormMain::ShowTrayMenu() {
  POINT at{};
  GetCursorPos(&at);
  // The menu closes when the user clicks elsewhere only while the bar is in front.
  SetForegroundWindow(Handle());
  const int command =
      TrackPopupMenu(PopupMenuAppActions(), TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, Handle(), nullptr);
  PostMessageW(Handle(), WM_NULL, 0, 0);
  if (command) ExecuteCommand(command);
}

void TFormMain::AddSessionMenuEntries(const std::string& name) {
  const std::wstring caption = win32::Widen(name);
  for (const HMENU submenu : {menus_.Sessions1(), menus_.Sessions2()}) {
    const int id = nextSessionCommand_++;
    SideBarMenus::AppendEntry(submenu, caption, id);
    sessionCommands_[id] = name;
  }
  sessionEntries_.push_back(name);
}

void TFormMain::RemoveSessionMenuEntries(const std::string& name) {
  const std::wstring caption = win32::Widen(name);
  for (const int id : SideBarMenus::RemoveEntries(menus_.Sessions1(), SideBarMenus::kSessions1Fixed, &caption)) {
    sessionCommands_.erase(id);
  }
  for (const int id : SideBarMenus::RemoveEntries(menus_.Sessions2(), SideBarMenus::kSessions2Fixed, &caption)) {
    sessionCommands_.erase(id);
  }
  std::erase(sessionEntries_, name);
}

// ---- Tray -----------------------------------------------------------------------------

void TFormMain::StTrayIconDblClick(bool& restore) {
  if (placement_->Minimized) {
    actions_.Execute(ActionId::RestoreAppAction);
    restore = true;
  } else {
    actions_.Execute(ActionId::MinimizeAppAction);
    restore = false;
  }
}

void TFormMain::StTrayIconMinimize() { placement_->TrayMinimized(); }

void TFormMain::StTrayIconRestore() { placement_->TrayRestored(); }

void TFormMain::MinimizeAppActionExecute() {
  ShowWindow(Handle(), SW_HIDE);  // only the tray icon stays
  StTrayIconMinimize();
}

void TFormMain::RestoreAppActionExecute() {
  ShowWindow(Handle(), SW_SHOWNORMAL);
  BringToFront();
  StTrayIconRestore();
}

void TFormMain::CloseAppActionExecute() { PostMessageW(Handle(), WM_CLOSE, 0, 0); }

void TFormMain::RestartProgManActionExecute() { RestartExplorer(); }

void TFormMain::About1Click() { ShellExecuteW(Handle(), L"open", L"about.exe", nullptr, nullptr, SW_SHOWNORMAL); }

// ---- Buttons --------------------------------------------------------------------------

void TFormMain::GDAButtonCopyClick() { MessageBoxW(Handle(), kClickMessage, win32::ApplicationTitle().c_str(), MB_OK); }

void TFormMain::GDAButtonListClick() { GDAButtonCopyClick(); }

void TFormMain::GDAButtonShowHideClick() { actions_.Execute(ActionId::MinimizeAppAction); }

void TFormMain::SpeedButtonTileHorizontalyClick() { TileExplorerWindowsHorizontally(); }

void TFormMain::SpeedButtonVerticalyClick() { TileExplorerWindowsVertically(); }

// ---- Hooks ----------------------------------------------------------------------------

void TFormMain::SessionEntryClick(const std::string&) {}

void TFormMain::RebuildBookmarkMenus() {}

void TFormMain::GDAButtonFavoritesClick() {}

void TFormMain::GDAButtonHomeClick() {}

}  // namespace marlovin
