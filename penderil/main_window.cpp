#include "penderil/main_window.h"

#include <commctrl.h>
#include <windowsx.h>

#include <array>
#include <exception>
#include <string>

#include "penderil/button_images.h"
#include "penderil/letter_size.h"
#include "penderil/rich_text.h"
#include "win32/application.h"
#include "win32/dpi.h"
#include "win32/error.h"
#include "win32/fonts.h"
#include "win32/utf.h"

namespace penderil {

namespace {

// Design values, in 96-DPI pixels.
constexpr int kLeft = 140;
constexpr int kTop = 65;
constexpr int kWidth = 937;
constexpr int kHeight = 670;
constexpr int kTitleHeight = 25;
constexpr int kBottomHeight = 34;
constexpr int kLeftWidth = 241;
constexpr COLORREF kPanelColour = RGB(236, 236, 236);
constexpr COLORREF kBarLight = RGB(255, 255, 255);
constexpr COLORREF kBarGrey = RGB(221, 221, 221);

// Ids of the panels and of the labels without an action of their own.
constexpr int kTitleBarId = 1;
constexpr int kLeftPanelId = 2;
constexpr int kMainPanelId = 3;
constexpr int kBottomBarId = 4;
constexpr int kTitleLabelId = 10;
constexpr int kStaticId = 0xFFFF;

// Posted at the first activation: the start-up runs once the activation is through.
constexpr UINT kStartUpMessage = WM_APP + 1;

constexpr int Id(RenamerAction action) { return static_cast<int>(action); }

std::wstring TextOf(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

// Moves a control without copying its old pixels along: a control moved below one that
// grows would otherwise show what lay there before until it is drawn again.
void Place(HWND control, int x, int y, int width, int height) {
  SetWindowPos(control, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS);
}

void SetTextIfChanged(HWND window, const std::string& utf8) {
  const std::wstring text = win32::Widen(utf8);
  if (TextOf(window) != text) SetWindowTextW(window, text.c_str());
}

// The window takes no input and shows the hourglass while a long job runs in a handler.
class BusyWindow {
 public:
  explicit BusyWindow(HWND window) : window_(window), focus_(GetFocus()) {
    EnableWindow(window_, FALSE);
    SetCursor(LoadCursorW(nullptr, IDC_WAIT));
  }
  ~BusyWindow() {
    EnableWindow(window_, TRUE);
    SetCursor(LoadCursorW(nullptr, IDC_ARROW));
    if (focus_ && IsWindow(focus_)) SetFocus(focus_);
  }
  BusyWindow(const BusyWindow&) = delete;
  BusyWindow& operator=(const BusyWindow&) = delete;

 private:
  HWND window_;
  HWND focus_;
};

}  // namespace

TFormMain::TFormMain(Startup startup) : startup_(std::move(startup)) {
  dpi_ = win32::DpiOf(nullptr);
  const auto scale = [this](int pixels) { return win32::ScaleForDpi(pixels, dpi_); };
  Create({.name = kClassName, .background = nullptr},
         {.style = WS_POPUP | WS_THICKFRAME | WS_CLIPCHILDREN | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX,
          .title = L"Multi-rename tool.",
          .x = scale(kLeft),
          .y = scale(kTop),
          .width = scale(kWidth),
          .height = scale(kHeight)});
}

TFormMain::~TFormMain() {
  // The window and its controls go first, while every member they may call still lives.
  if (HWND window = Handle()) DestroyWindow(window);
}

HWND TFormMain::AddControl(HWND parent, const wchar_t* className, const wchar_t* text, DWORD style,
                           const RECT& bounds, int id, DWORD exStyle) {
  const auto scale = [this](int pixels) { return win32::ScaleForDpi(pixels, dpi_); };
  const HWND control =
      CreateWindowExW(exStyle, className, text, WS_CHILD | WS_VISIBLE | style, scale(bounds.left), scale(bounds.top),
                      scale(bounds.right - bounds.left), scale(bounds.bottom - bounds.top), parent,
                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
  if (!control) win32::ThrowLastError("Cannot create the control \"" + win32::Narrow(text) + "\"");
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
  return control;
}

bool TFormMain::OnCreate() {
  font_ = win32::CreateUiFont({.face = L"Tahoma", .height = -11}, dpi_);
  titleFont_ = win32::CreateUiFont({.face = L"Tahoma", .height = -12, .bold = true}, dpi_);
  panelBrush_.reset(CreateSolidBrush(kPanelColour));
  bottomBrush_.reset(CreateSolidBrush(kBarGrey));
  const int iconSize = GetSystemMetricsForDpi(SM_CXSMICON, dpi_);
  startIcon_ = DrawButtonIcon(ButtonGlyph::Start, iconSize);
  resetIcon_ = DrawButtonIcon(ButtonGlyph::Reset, iconSize);
  closeIcon_ = DrawButtonIcon(ButtonGlyph::Close, iconSize);

  CreateTitleBar();
  CreateLeftPanel();
  CreateMainPanel();
  CreateBottomBar();
  ShowSettings();
  DragAcceptFiles(Handle(), TRUE);
  lastFocus_ = Control(kEditName);
  Layout();
  return true;
}

void TFormMain::CreateTitleBar() {
  titleBar_ = std::make_unique<win32::GradientPanel>(
      Handle(), kTitleBarId, RECT{0, 0, kWidth, kTitleHeight},
      win32::GradientPanelStyle{.from = kBarLight, .to = kBarGrey, .dragsWindow = true});
  titleBar_->AddLabel({.id = kTitleLabelId,
                       .bounds = {8, 0, 500, kTitleHeight},
                       .text = L"Corvan's Multi-Rename tool .",
                       .font = titleFont_.get()});
  const HWND bar = titleBar_->Handle();
  minimizeButton_ = std::make_unique<win32::ImageButton>(
      bar, kButtonMinimize, RECT{0, 2, 22, 23}, win32::CaptionButtonPainter(win32::CaptionGlyph::Minimize, kBarGrey),
      L"Minimize");
  maxRestoreButton_ = std::make_unique<win32::ImageButton>(
      bar, kButtonMaxRestore, RECT{0, 2, 22, 23},
      win32::CaptionButtonPainter(win32::CaptionGlyph::Maximize, kBarGrey), L"Maximize");
  closeButton_ = std::make_unique<win32::ImageButton>(
      bar, kButtonX, RECT{0, 2, 22, 23}, win32::CaptionButtonPainter(win32::CaptionGlyph::Close, kBarGrey), L"Close");
}

void TFormMain::CreateLeftPanel() {
  leftPanel_ = std::make_unique<win32::GradientPanel>(
      Handle(), kLeftPanelId, RECT{0, kTitleHeight, kLeftWidth, kHeight - kBottomHeight},
      win32::GradientPanelStyle{.from = kPanelColour, .to = kPanelColour});
  const HWND panel = leftPanel_->Handle();
  SetWindowLongPtrW(panel, GWL_EXSTYLE, GetWindowLongPtrW(panel, GWL_EXSTYLE) | WS_EX_CONTROLPARENT);
  // Group boxes draw no ground of their own: the panel paints beneath its controls.
  SetWindowLongPtrW(panel, GWL_STYLE, GetWindowLongPtrW(panel, GWL_STYLE) & ~WS_CLIPCHILDREN);
  const DWORD group = BS_GROUPBOX;
  const DWORD edit = WS_TABSTOP | ES_AUTOHSCROLL;
  const DWORD button = WS_TABSTOP | BS_PUSHBUTTON;
  const DWORD label = SS_LEFT | SS_NOTIFY;

  AddControl(panel, L"BUTTON", L"Rename mask : Name", group, {6, 4, 235, 112}, kStaticId);
  AddControl(panel, L"EDIT", L"?n", edit, {14, 22, 227, 43}, kEditName, WS_EX_CLIENTEDGE);
  AddControl(panel, L"BUTTON", L"Add Name ( F2 )", button, {14, 49, 118, 74}, Id(RenamerAction::AddNameMask));
  AddControl(panel, L"BUTTON", L"Add Time ( F3 )", button, {123, 49, 227, 74}, Id(RenamerAction::AddTimeMaskInName));
  AddControl(panel, L"BUTTON", L"Add Counter ( F4 )", button, {14, 78, 118, 103},
             Id(RenamerAction::AddCounterMaskInName));
  AddControl(panel, L"BUTTON", L"Add Date ( F5 )", button, {123, 78, 227, 103}, Id(RenamerAction::AddDateMaskInName));

  AddControl(panel, L"BUTTON", L"Rename mask: Extension", group, {6, 118, 235, 198}, kStaticId);
  AddControl(panel, L"EDIT", L"?e", edit, {14, 136, 227, 157}, kEditExt, WS_EX_CLIENTEDGE);
  AddControl(panel, L"BUTTON", L"Add Ext ( F6 ) ", button, {14, 163, 118, 188}, Id(RenamerAction::AddExtIExt));
  AddControl(panel, L"BUTTON", L"Add Counter ( F7 )", button, {123, 163, 227, 188}, Id(RenamerAction::CounterInExt));

  AddControl(panel, L"BUTTON", L"Search && Replace", group, {6, 204, 235, 366}, kStaticId);
  AddControl(panel, L"STATIC", L"Search:", SS_LEFTNOWORDWRAP, {14, 225, 94, 241}, kStaticId);
  AddControl(panel, L"EDIT", L"", edit, {96, 222, 227, 243}, kEditSearch, WS_EX_CLIENTEDGE);
  AddControl(panel, L"STATIC", L"Replace With:", SS_LEFTNOWORDWRAP, {14, 252, 94, 268}, kStaticId);
  AddControl(panel, L"EDIT", L"", edit, {96, 249, 227, 270}, kEditReplaceWith, WS_EX_CLIENTEDGE);
  const DWORD box = WS_TABSTOP | BS_AUTOCHECKBOX;
  AddControl(panel, L"BUTTON", L"", box, {14, 281, 28, 295}, kCheckBoxBefore);
  AddControl(panel, L"STATIC", L"Search &&Replace before other operations", label, {32, 278, 227, 306}, kLabelBefore);
  AddControl(panel, L"BUTTON", L"", box, {14, 313, 28, 327}, kCheckBoxAfter);
  AddControl(panel, L"STATIC", L"Search &&Replace after other operations", label, {32, 310, 227, 338}, kLabelAfter);
  AddControl(panel, L"BUTTON", L"", box, {14, 343, 28, 357}, kCheckBoxMatchCase);
  AddControl(panel, L"STATIC", L"Match Case", label, {32, 343, 227, 358}, kLabelMatchCase);

  AddControl(panel, L"BUTTON", L"Counter settings:", group, {6, 372, 235, 476}, kStaticId);
  AddControl(panel, L"STATIC", L"Start At:", SS_LEFT, {14, 394, 100, 410}, kStaticId);
  counterStart_ = std::make_unique<win32::SpinEdit>(panel, kSpinCounterStart, RECT{104, 391, 190, 412},
                                                    kCounterStartRange.minimum, kCounterStartRange.maximum, 1);
  AddControl(panel, L"STATIC", L"Step By:", SS_LEFT, {14, 422, 100, 438}, kStaticId);
  counterStep_ = std::make_unique<win32::SpinEdit>(panel, kSpinCounterStep, RECT{104, 419, 190, 440},
                                                   kCounterStepRange.minimum, kCounterStepRange.maximum, 1);
  AddControl(panel, L"STATIC", L"Min. Digits", SS_LEFT, {14, 450, 100, 466}, kStaticId);
  minDigits_ = std::make_unique<win32::SpinEdit>(panel, kSpinMinDigits, RECT{104, 447, 190, 468},
                                                 kMinimumDigitsRange.minimum, kMinimumDigitsRange.maximum, 1);
  for (auto* spin : {counterStart_.get(), counterStep_.get(), minDigits_.get()}) spin->SetFont(font_.get());

  AddControl(panel, L"STATIC", L"Upper / lowercase :", SS_LEFT, {8, 486, 235, 502}, kStaticId);
  const HWND combo = AddControl(panel, L"COMBOBOX", L"", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST,
                                {8, 504, 235, 620}, kComboLetterSize);
  for (const auto& choice : kLetterSizeChoices) {
    SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(win32::Widen(choice.text).c_str()));
  }
}

void TFormMain::CreateMainPanel() {
  mainPanel_ = std::make_unique<win32::GradientPanel>(
      Handle(), kMainPanelId, RECT{kLeftWidth, kTitleHeight, kWidth, kHeight - kBottomHeight},
      win32::GradientPanelStyle{.from = kPanelColour, .to = kPanelColour});
  const HWND panel = mainPanel_->Handle();
  SetWindowLongPtrW(panel, GWL_EXSTYLE, GetWindowLongPtrW(panel, GWL_EXSTYLE) | WS_EX_CONTROLPARENT);
  pageControl_ = AddControl(panel, WC_TABCONTROLW, L"", WS_CLIPSIBLINGS | WS_TABSTOP, {6, 6, 690, 515}, kPageControl);
  const std::array<const wchar_t*, 2> pages = {L"Files List", L"ShortCuts List"};
  for (std::size_t i = 0; i < pages.size(); ++i) {
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<wchar_t*>(pages[i]);
    TabCtrl_InsertItem(pageControl_, static_cast<int>(i), &item);
  }
  fileList_ = std::make_unique<FileListView>(panel, kListViewFileNames, RECT{10, 30, 686, 511}, model_);
  SendMessageW(fileList_->Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
  richEdit_ = AddControl(panel, RichEditClass(), L"", WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL,
                         {10, 30, 686, 511}, kRichEditShortCutsList, WS_EX_CLIENTEDGE);
  ShowWindow(richEdit_, SW_HIDE);
  // The pages lie on the page control: it goes beneath them and paints around them.
  SetWindowPos(pageControl_, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);

  const DWORD button = WS_TABSTOP | BS_PUSHBUTTON;
  AddControl(panel, L"BUTTON", L"Select All ( ctrl + A)", button, {6, 523, 186, 548}, Id(RenamerAction::SelectAll));
  AddControl(panel, L"BUTTON", L"Select Inverse (ctrl + I)", button, {6, 551, 186, 576},
             Id(RenamerAction::SelectInverse));
  AddControl(panel, L"BUTTON", L"Select None (ctrl + N)", button, {6, 579, 186, 604}, Id(RenamerAction::SelectNone));
  AddControl(panel, L"BUTTON", L"Remove Selected (ctrl +X)", button, {500, 523, 690, 548},
             Id(RenamerAction::RemoveSelected));
  AddControl(panel, L"BUTTON", L"Remove All (Ctrl + Alt + X)", button, {500, 551, 690, 576},
             Id(RenamerAction::RemoveAll));
}

void TFormMain::CreateBottomBar() {
  bottomBar_ = std::make_unique<win32::GradientPanel>(
      Handle(), kBottomBarId, RECT{0, kHeight - kBottomHeight, kWidth, kHeight},
      win32::GradientPanelStyle{.from = kBarLight, .to = kBarGrey});
  const HWND bar = bottomBar_->Handle();
  SetWindowLongPtrW(bar, GWL_EXSTYLE, GetWindowLongPtrW(bar, GWL_EXSTYLE) | WS_EX_CONTROLPARENT);
  const DWORD button = WS_TABSTOP | BS_PUSHBUTTON;
  const HWND start = AddControl(bar, L"BUTTON", L"Start with renaming", button, {8, 4, 168, 30}, Id(RenamerAction::Start));
  const HWND reset = AddControl(bar, L"BUTTON", L"Reset", button, {174, 4, 264, 30}, Id(RenamerAction::Reset));
  const HWND close = AddControl(bar, L"BUTTON", L"Close  ( F12 )", button, {800, 4, 928, 30}, Id(RenamerAction::Cancel));
  SendMessageW(start, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(startIcon_.get()));
  SendMessageW(reset, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(resetIcon_.get()));
  SendMessageW(close, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(closeIcon_.get()));
}

void TFormMain::Layout() {
  if (!titleBar_ || !bottomBar_ || !leftPanel_ || !mainPanel_) return;
  const auto s = [this](int pixels) { return win32::ScaleForDpi(pixels, dpi_); };
  RECT client;
  GetClientRect(Handle(), &client);
  const int w = client.right;
  const int h = client.bottom;
  const int title = s(kTitleHeight);
  const int bottom = s(kBottomHeight);
  const int left = s(kLeftWidth);
  const int middle = std::max(0, h - title - bottom);

  Place(titleBar_->Handle(), 0, 0, w, title);
  Place(minimizeButton_->Handle(), w - s(74), s(2), s(22), s(21));
  Place(maxRestoreButton_->Handle(), w - s(50), s(2), s(22), s(21));
  Place(closeButton_->Handle(), w - s(26), s(2), s(22), s(21));

  Place(bottomBar_->Handle(), 0, h - bottom, w, bottom);
  Place(Control(Id(RenamerAction::Cancel)), w - s(136), s(4), s(128), s(26));

  Place(leftPanel_->Handle(), 0, title, left, middle);

  const int mw = std::max(0, w - left);
  const int mh = middle;
  Place(mainPanel_->Handle(), left, title, mw, mh);
  RECT tab{s(6), s(6), mw - s(6), std::max(s(60), mh - s(96))};
  Place(pageControl_, tab.left, tab.top, tab.right - tab.left, tab.bottom - tab.top);
  RECT page{0, 0, tab.right - tab.left, tab.bottom - tab.top};
  TabCtrl_AdjustRect(pageControl_, FALSE, &page);
  OffsetRect(&page, tab.left, tab.top);
  for (HWND view : {fileList_->Handle(), richEdit_}) {
    Place(view, page.left, page.top, page.right - page.left, page.bottom - page.top);
  }
  const int buttonsTop = mh - s(88);
  const std::array<RenamerAction, 3> selection = {RenamerAction::SelectAll, RenamerAction::SelectInverse,
                                                  RenamerAction::SelectNone};
  for (std::size_t i = 0; i < selection.size(); ++i) {
    Place(Control(Id(selection[i])), s(6), buttonsTop + static_cast<int>(i) * s(28), s(180), s(25));
  }
  Place(Control(Id(RenamerAction::RemoveSelected)), mw - s(196), buttonsTop, s(190), s(25));
  Place(Control(Id(RenamerAction::RemoveAll)), mw - s(196), buttonsTop + s(28), s(190), s(25));
}

HWND TFormMain::Control(int id) const {
  for (const win32::GradientPanel* panel : {titleBar_.get(), leftPanel_.get(), mainPanel_.get(), bottomBar_.get()}) {
    if (!panel) continue;
    if (HWND control = GetDlgItem(panel->Handle(), id)) return control;
  }
  return GetDlgItem(Handle(), id);
}

bool TFormMain::PreTranslate(MSG& message) {
  const HWND window = Handle();
  if (!window) return false;
  const bool ours = message.hwnd == window || IsChild(window, message.hwnd);
  if (!ours) return false;
  if ((message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN) && IsWindowEnabled(window)) {
    if (const auto action = ActionForKey(static_cast<UINT>(message.wParam), CurrentKeyState())) {
      try {
        Execute(*action);
      } catch (...) {
        win32::ReportCurrentException(window);
      }
      return true;
    }
  }
  // Tab and the arrow keys move between the controls, as in a dialog.
  return IsDialogMessageW(window, &message) != FALSE;
}

LRESULT TFormMain::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) {
        const HWND focus = GetFocus();
        if (focus && IsChild(Handle(), focus)) lastFocus_ = focus;
      } else {
        if (lastFocus_ && IsWindow(lastFocus_)) SetFocus(lastFocus_);
        FormActivate();
        return 0;
      }
      break;
    case kStartUpMessage:
      StartUp();
      return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: {
      const HWND control = reinterpret_cast<HWND>(lParam);
      const bool onBottomBar = bottomBar_ && GetParent(control) == bottomBar_->Handle();
      SetBkColor(reinterpret_cast<HDC>(wParam), onBottomBar ? kBarGrey : kPanelColour);
      return reinterpret_cast<LRESULT>(onBottomBar ? bottomBrush_.get() : panelBrush_.get());
    }
    case WM_ERASEBKGND:
      return 1;  // the panels cover the whole client area
    case WM_GETMINMAXINFO: {
      // Maximised, the window fills its monitor's work area, not the whole screen.
      auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
      MONITORINFO monitor{sizeof(monitor)};
      if (GetMonitorInfoW(MonitorFromWindow(Handle(), MONITOR_DEFAULTTONEAREST), &monitor)) {
        info->ptMaxPosition = {monitor.rcWork.left - monitor.rcMonitor.left, monitor.rcWork.top - monitor.rcMonitor.top};
        info->ptMaxSize = {monitor.rcWork.right - monitor.rcWork.left, monitor.rcWork.bottom - monitor.rcWork.top};
      }
      info->ptMinTrackSize = {win32::ScaleForDpi(640, dpi_), win32::ScaleForDpi(600, dpi_)};
      return 0;
    }
    case WM_SYSCOMMAND:
      // Alt alone would open the hidden system menu and swallow the next keys.
      if ((wParam & 0xFFF0) == SC_KEYMENU && lParam == 0) return 0;
      break;
    default:
      break;
  }
  return Window::OnMessage(message, wParam, lParam);
}

void TFormMain::OnSize(int, int) {
  Layout();
  if (maxRestoreButton_) {
    // The middle button offers what a click would do: restore when maximised.
    const bool zoomed = IsZoomed(Handle()) != FALSE;
    maxRestoreButton_->SetPainter(win32::CaptionButtonPainter(
        zoomed ? win32::CaptionGlyph::Restore : win32::CaptionGlyph::Maximize, kBarGrey));
  }
}

void TFormMain::OnDestroy() {
  if (startup_.endsProgram) PostQuitMessage(0);
}

void TFormMain::FormActivate() {
  if (started_) return;
  started_ = true;  // once, also when the start-up stops half-way
  PostMessageW(Handle(), kStartUpMessage, 0, 0);
}

void TFormMain::StartUp() {
  // A missing help page is reported, but only after the list is in: it must not cost
  // the user the list the side bar handed over.
  std::exception_ptr helpError;
  try {
    LoadRichText(richEdit_, startup_.shortcutsFile);
  } catch (...) {
    helpError = std::current_exception();
  }
  SendMessageW(Control(kComboLetterSize), CB_SETCURSEL, 0, 0);
  model_.ChooseLetterSize(0);
  if (startup_.arguments.size() > 1 && model_.LoadListFile(startup_.arguments[1])) {
    fileList_->ClearImages();
    fileList_->ShowEntries();
  }
  if (helpError) std::rethrow_exception(helpError);
}

bool TFormMain::OnDropFiles(HDROP drop) {
  StDropFilesListWithFileNamesDropFiles(drop);
  return true;
}

void TFormMain::StDropFilesListWithFileNamesDropFiles(HDROP drop) {
  std::vector<std::string> paths;
  const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < count; ++i) {
    std::wstring path(DragQueryFileW(drop, i, nullptr, 0) + 1, L'\0');
    path.resize(DragQueryFileW(drop, i, path.data(), static_cast<UINT>(path.size())));
    paths.push_back(win32::Narrow(path));
  }
  DragFinish(drop);
  model_.ReplaceList(std::move(paths));
  fileList_->ClearImages();
  fileList_->ShowEntries();
}

bool TFormMain::OnCommand(int id, int code, HWND) {
  if (id >= kFirstActionId && id <= kLastActionId) {
    if (code == BN_CLICKED) Execute(static_cast<RenamerAction>(id));
    return true;
  }
  switch (id) {
    case kEditName:
    case kEditExt:
    case kEditSearch:
    case kEditReplaceWith:
      if (code == EN_CHANGE) EditNameChange(id);
      return true;
    case kSpinCounterStart:
    case kSpinCounterStep:
    case kSpinMinDigits:
      if (code == EN_CHANGE) zcSpinEditCounterChange(id);
      if (code == EN_KILLFOCUS) {
        for (auto* spin : {counterStart_.get(), counterStep_.get(), minDigits_.get()}) {
          if (spin && spin->Id() == id) spin->ShowValue();
        }
      }
      return true;
    case kComboLetterSize:
      if (code == CBN_SELCHANGE) zcComboBoxLetterSizeChange();
      return true;
    case kCheckBoxBefore:
      if (code == BN_CLICKED) model_.SetReplaceBefore(IsDlgButtonChecked(leftPanel_->Handle(), id) == BST_CHECKED);
      return true;
    case kCheckBoxAfter:
      if (code == BN_CLICKED) model_.SetReplaceAfter(IsDlgButtonChecked(leftPanel_->Handle(), id) == BST_CHECKED);
      return true;
    case kCheckBoxMatchCase:
      if (code == BN_CLICKED) model_.SetMatchCase(IsDlgButtonChecked(leftPanel_->Handle(), id) == BST_CHECKED);
      return true;
    case kLabelBefore:  // LabelChangeStatesBeforeClick
      if (code == STN_CLICKED) ToggleOption(kCheckBoxBefore);
      return true;
    case kLabelAfter:  // LabelChangeStatesAfterClick
      if (code == STN_CLICKED) ToggleOption(kCheckBoxAfter);
      return true;
    case kLabelMatchCase:  // LabelChangeStatesMatchCaseClick
      if (code == STN_CLICKED) ToggleOption(kCheckBoxMatchCase);
      return true;
    case kButtonMinimize:
      GDAButtonMinimizeClick();
      return true;
    case kButtonMaxRestore:
      GDAButtonMaxRestoreClick();
      return true;
    case kButtonX:  // GDAButtonXClick
      CancelActionExecute();
      return true;
    default:
      return false;
  }
}

bool TFormMain::OnNotify(const NMHDR& header, LRESULT& result) {
  result = 0;
  if (fileList_ && fileList_->OnNotify(header, result)) return true;
  if (header.hwndFrom == pageControl_ && header.code == TCN_SELCHANGE) {
    ShowPage(TabCtrl_GetCurSel(pageControl_));
    return true;
  }
  return false;
}

void TFormMain::ShowPage(int page) {
  ShowWindow(fileList_->Handle(), page == 0 ? SW_SHOW : SW_HIDE);
  ShowWindow(richEdit_, page == 1 ? SW_SHOW : SW_HIDE);
}

void TFormMain::EditNameChange(int id) {
  const std::string text = win32::Narrow(TextOf(Control(id)));
  switch (id) {
    case kEditName:
      model_.SetNameMask(text);
      break;
    case kEditExt:
      model_.SetExtensionMask(text);
      break;
    case kEditSearch:
      model_.SetSearchText(text);
      break;
    default:
      model_.SetReplacementText(text);
      break;
  }
  ShowNames();
}

void TFormMain::zcSpinEditCounterChange(int id) {
  // A field reports changes while it is being made, before it is stored.
  if (!counterStart_ || !counterStep_ || !minDigits_) return;
  switch (id) {
    case kSpinCounterStart:
      model_.SetCounterStart(counterStart_->TakeText());
      break;
    case kSpinCounterStep:
      model_.SetCounterStep(counterStep_->TakeText());
      break;
    default:
      model_.SetMinimumDigits(minDigits_->TakeText());
      break;
  }
  ShowNames();
}

void TFormMain::zcComboBoxLetterSizeChange() {
  model_.ChooseLetterSize(static_cast<int>(SendMessageW(Control(kComboLetterSize), CB_GETCURSEL, 0, 0)));
  ShowNames();
}

void TFormMain::ToggleOption(int checkBoxId) {
  const HWND box = Control(checkBoxId);
  const bool on = SendMessageW(box, BM_GETCHECK, 0, 0) != BST_CHECKED;
  SendMessageW(box, BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
  if (checkBoxId == kCheckBoxBefore) model_.SetReplaceBefore(on);
  if (checkBoxId == kCheckBoxAfter) model_.SetReplaceAfter(on);
  if (checkBoxId == kCheckBoxMatchCase) model_.SetMatchCase(on);
}

void TFormMain::Execute(RenamerAction action) {
  const auto& settings = model_.Settings();
  switch (action) {
    case RenamerAction::AddNameMask:
      model_.AppendToken(MaskField::Name, "?n");
      break;
    case RenamerAction::AddTimeMaskInName:
      model_.AppendToken(MaskField::Name, "?t");
      break;
    case RenamerAction::AddCounterMaskInName:
      model_.AppendToken(MaskField::Name, "?c");
      break;
    case RenamerAction::AddDateMaskInName:
      model_.AppendToken(MaskField::Name, "?d");
      break;
    case RenamerAction::AddExtIExt:
      model_.AppendToken(MaskField::Extension, "?e");
      break;
    case RenamerAction::CounterInExt:
      model_.AppendToken(MaskField::Extension, "?c");
      break;
    case RenamerAction::IncreaseCounterStart:
      model_.SetCounterStart(settings.counterStart + 1);
      break;
    case RenamerAction::DecreaseCounterStart:
      model_.SetCounterStart(settings.counterStart - 1);
      break;
    case RenamerAction::IncreaseCounterStep:
      model_.SetCounterStep(settings.counterStep + 1);
      break;
    case RenamerAction::DecreaseCounterStep:
      model_.SetCounterStep(settings.counterStep - 1);
      break;
    case RenamerAction::IncreaseCounterSpacing:
      model_.SetMinimumDigits(settings.minimumDigits + 1);
      break;
    case RenamerAction::DecreaseCounterSpacing:
      model_.SetMinimumDigits(settings.minimumDigits - 1);
      break;
    case RenamerAction::ToggleSearchReplaceBefore:
      ToggleOption(kCheckBoxBefore);
      return;
    case RenamerAction::ToggleSearchReplaceAfter:
      ToggleOption(kCheckBoxAfter);
      return;
    case RenamerAction::SelectAll:
      model_.SelectAll();
      fileList_->ShowSelection();
      return;
    case RenamerAction::SelectNone:
      model_.SelectNone();
      fileList_->ShowSelection();
      return;
    case RenamerAction::SelectInverse:
      fileList_->ReadSelection();
      model_.SelectInverse();
      fileList_->ShowSelection();
      return;
    case RenamerAction::RemoveSelected:
      fileList_->ReadSelection();
      model_.RemoveSelected();
      fileList_->ShowSelection();
      if (model_.Entries().empty()) fileList_->ClearImages();
      fileList_->ShowEntries();
      return;
    case RenamerAction::RemoveAll:
      model_.RemoveAll();
      fileList_->ShowSelection();
      fileList_->ClearImages();
      fileList_->ShowEntries();
      return;
    case RenamerAction::Start:
      StartActionExecute();
      return;
    case RenamerAction::Reset:
      ResetActionExecute();
      return;
    case RenamerAction::Cancel:
      CancelActionExecute();
      return;
  }
  ShowSettings();
  ShowNames();
}

void TFormMain::StartActionExecute() {
  int failures = 0;
  {
    const BusyWindow busy(Handle());
    WindowsFileRenamer files;
    failures = model_.RenameFiles(files);
  }
  fileList_->Repaint();
  if (failures > 0) {
    MessageBoxW(Handle(), win32::Widen(RenameFailureText(failures)).c_str(), win32::ApplicationTitle().c_str(), MB_OK);
  }
}

void TFormMain::ResetActionExecute() {
  model_.Reset();
  ShowSettings();
  ShowNames();
}

void TFormMain::CancelActionExecute() { PostMessageW(Handle(), WM_CLOSE, 0, 0); }

void TFormMain::GDAButtonMaxRestoreClick() { ShowWindow(Handle(), IsZoomed(Handle()) ? SW_RESTORE : SW_MAXIMIZE); }

void TFormMain::GDAButtonMinimizeClick() { ShowWindow(Handle(), SW_MINIMIZE); }

void TFormMain::ShowSettings() {
  const auto& s = model_.Settings();
  SetTextIfChanged(Control(kEditName), s.nameMask);
  SetTextIfChanged(Control(kEditExt), s.extensionMask);
  SetTextIfChanged(Control(kEditSearch), s.searchText);
  SetTextIfChanged(Control(kEditReplaceWith), s.replacementText);
  CheckDlgButton(leftPanel_->Handle(), kCheckBoxBefore, s.replaceBefore ? BST_CHECKED : BST_UNCHECKED);
  CheckDlgButton(leftPanel_->Handle(), kCheckBoxAfter, s.replaceAfter ? BST_CHECKED : BST_UNCHECKED);
  CheckDlgButton(leftPanel_->Handle(), kCheckBoxMatchCase, s.matchCase ? BST_CHECKED : BST_UNCHECKED);
  if (counterStart_ && counterStart_->Value() != s.counterStart) counterStart_->SetValue(s.counterStart);
  if (counterStep_ && counterStep_->Value() != s.counterStep) counterStep_->SetValue(s.counterStep);
  if (minDigits_ && minDigits_->Value() != s.minimumDigits) minDigits_->SetValue(s.minimumDigits);
}

void TFormMain::ShowNames() {
  if (fileList_) fileList_->Repaint();
}

}  // namespace penderil
