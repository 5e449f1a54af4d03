#include "quenlock/main_window.h"

#include <commctrl.h>

#include "quenlock/ansi_text.h"
#include "win32/application.h"
#include "win32/dpi.h"
#include "win32/fonts.h"
#include "win32/utf.h"

namespace quenlock {

namespace {

// Layout in 96-DPI pixels.
constexpr int kClientWidth = 566;
constexpr int kClientHeight = 163;
constexpr int kLeft = 248;
constexpr int kTop = 199;
constexpr int kTopStripHeight = 23;
constexpr int kMainHeight = kClientHeight - kTopStripHeight;

constexpr int kProgressBarId = 101;
constexpr int kHideButtonId = 102;
constexpr UINT_PTR kTimer1 = 1;
constexpr UINT kTimer1Interval = 100;

constexpr COLORREF kTopFrom = RGB(16, 42, 104);
constexpr COLORREF kTopTo = RGB(76, 122, 196);
constexpr COLORREF kMainFrom = RGB(250, 251, 254);
constexpr COLORREF kMainTo = RGB(196, 210, 232);

constexpr RECT kProgressBarBounds = {16, 34, 550, 54};
constexpr RECT kHideButtonBounds = {470, 106, 550, 130};

COLORREF Blend(COLORREF from, COLORREF to, int part, int whole) {
  const auto mix = [&](int a, int b) { return a + (b - a) * part / whole; };
  return RGB(mix(GetRValue(from), GetRValue(to)), mix(GetGValue(from), GetGValue(to)),
             mix(GetBValue(from), GetBValue(to)));
}

// A flat button: the panel's gradient behind the text, a frame while the mouse is over
// it, a sunken frame while it is pressed.
win32::ButtonPainter FlatButtonPainter(const std::wstring& text, HFONT font) {
  return [text, font](HDC dc, const RECT& area, win32::ButtonState state) {
    const COLORREF top = Blend(kMainFrom, kMainTo, kHideButtonBounds.top, kMainHeight);
    const COLORREF bottom = Blend(kMainFrom, kMainTo, kHideButtonBounds.bottom, kMainHeight);
    win32::PaintGradient(dc, area, top, bottom, win32::GradientDirection::Vertical);
    RECT frame = area;
    if (state == win32::ButtonState::Hot) DrawEdge(dc, &frame, BDR_RAISEDINNER, BF_RECT);
    if (state == win32::ButtonState::Pressed) DrawEdge(dc, &frame, BDR_SUNKENOUTER, BF_RECT);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(state == win32::ButtonState::Disabled ? COLOR_GRAYTEXT : COLOR_BTNTEXT));
    const win32::ScopedSelect selectFont(dc, font);
    RECT textArea = area;
    if (state == win32::ButtonState::Pressed) OffsetRect(&textArea, 1, 1);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &textArea, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  };
}

}  // namespace

TForm1::TForm1(CipherArguments arguments)
    : arguments_(std::move(arguments)), progress_([this](int position) { ShowBarPosition(position); }) {
  const UINT dpi = win32::DpiOf(nullptr);
  const auto scale = [dpi](int pixels) { return win32::ScaleForDpi(pixels, dpi); };
  // Text mode: no border and no height, never shown.
  const bool textMode = IsTextMode(arguments_);
  Create({.name = kClassName, .background = GetSysColorBrush(COLOR_BTNFACE)},
         {.exStyle = textMode ? 0u : static_cast<DWORD>(WS_EX_APPWINDOW),
          .style = WS_POPUP | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN,
          .title = kCaption,
          .x = scale(kLeft),
          .y = scale(kTop),
          .width = scale(kClientWidth),
          .height = textMode ? 0 : scale(kClientHeight)});
}

bool TForm1::OnCreate() {
  FormCreate();
  return true;
}

void TForm1::FormCreate() {
  const UINT dpi = win32::DpiOf(Handle());
  captionFont_ = win32::CreateUiFont({.bold = true}, dpi);
  font_ = win32::CreateUiFont({}, dpi);

  // Both panels paint through an off-screen bitmap (double-buffered).
  EZTexturePanelTop_ = std::make_unique<win32::GradientPanel>(
      Handle(), 1, RECT{0, 0, kClientWidth, kTopStripHeight},
      win32::GradientPanelStyle{kTopFrom, kTopTo, win32::GradientDirection::Horizontal, true});
  EZTexturePanelTop_->AddLabel({.id = kLabelCaption,
                                .bounds = {8, 0, kClientWidth - 8, kTopStripHeight},
                                .text = kCaption,
                                .font = captionFont_.get(),
                                .colour = RGB(255, 255, 255)});

  EZTexturePanelMain_ = std::make_unique<win32::GradientPanel>(
      Handle(), 2, RECT{0, kTopStripHeight, kClientWidth, kClientHeight},
      win32::GradientPanelStyle{kMainFrom, kMainTo, win32::GradientDirection::Vertical, false});
  EZTexturePanelMain_->AddLabel({.id = kLabel1, .bounds = {16, 12, 300, 30}, .text = L"Progress:", .font = font_.get()});
  EZTexturePanelMain_->AddLabel(
      {.id = kLabel2, .bounds = {16, 62, 450, 80}, .text = L"Using Rijndael  ( AES  )  algorithm.", .font = font_.get()});
  EZTexturePanelMain_->AddLabel({.id = kLabelOperation,
                                 .bounds = {16, 84, 550, 102},
                                 .text = L"Operation:",
                                 .font = font_.get(),
                                 .format = DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX});

  const auto scale = [dpi](int pixels) { return win32::ScaleForDpi(pixels, dpi); };
  XiProgressBar_ = CreateWindowExW(0, PROGRESS_CLASSW, L"", WS_CHILD | WS_VISIBLE | PBS_SMOOTH,
                                   scale(kProgressBarBounds.left), scale(kProgressBarBounds.top),
                                   scale(kProgressBarBounds.right - kProgressBarBounds.left),
                                   scale(kProgressBarBounds.bottom - kProgressBarBounds.top),
                                   EZTexturePanelMain_->Handle(), reinterpret_cast<HMENU>(kProgressBarId),
                                   GetModuleHandleW(nullptr), nullptr);
  SendMessageW(XiProgressBar_, PBM_SETRANGE32, 0, kProgressRange);
  SendMessageW(XiProgressBar_, PBM_SETPOS, kProgressStart, 0);

  SpeedButtonHide_ = std::make_unique<win32::ImageButton>(EZTexturePanelMain_->Handle(), kHideButtonId,
                                                          kHideButtonBounds, FlatButtonPainter(L"Hide", font_.get()));
  SetWindowTextW(SpeedButtonHide_->Handle(), L"Hide");

  SetTimer(Handle(), kTimer1, kTimer1Interval, nullptr);
}

void TForm1::Show(int showCommand) {
  if (IsTextMode(arguments_)) return;
  ShowWindow(Handle(), showCommand);
  UpdateWindow(Handle());
}

bool TForm1::OnTimer(UINT_PTR id) {
  if (id != kTimer1) return false;
  Timer1Timer();
  return true;
}

bool TForm1::OnCommand(int id, int code, HWND) {
  if (id == kHideButtonId && code == BN_CLICKED) {
    SpeedButtonHideClick();
    return true;
  }
  return false;
}

bool TForm1::OnClose() {
  // The job closes the window when it ends; a close request meanwhile (through a
  // message box's loop) must not pull the window from under it.
  return jobRunning_;
}

void TForm1::OnDestroy() { PostQuitMessage(0); }

void TForm1::SpeedButtonHideClick() { ShowWindow(Handle(), SW_MINIMIZE); }

void TForm1::Timer1Timer() {
  KillTimer(Handle(), kTimer1);  // the job runs once
  if (IsTextMode(arguments_)) ShowWindow(Handle(), SW_HIDE);
  EZTexturePanelMain_->SetLabelText(kLabelOperation, win32::Widen(OperationLine(arguments_)));
  // The job holds the thread until it ends: show the operation line now.
  RedrawWindow(Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);

  CipherJobHooks hooks;
  hooks.toAnsi = &AnsiBytes;
  hooks.debugSwitchFile = kDebugSwitchFile;
  hooks.showDebugMessage = [this](const std::string& message) {
    MessageBoxW(Handle(), win32::Widen(message).c_str(), win32::ApplicationTitle().c_str(), MB_OK);
  };
  hooks.onProgress = [this](std::int64_t Porgress, std::int64_t Size) { CipherProgress(Porgress, Size); };

  jobRunning_ = true;
  try {
    RunCipherJob(arguments_, hooks);
  } catch (...) {
    // No detail reaches the user: every failure of the job reads the same.
    MessageBoxW(Handle(), L"File IO error", win32::ApplicationTitle().c_str(), MB_OK | MB_ICONERROR);
  }
  jobRunning_ = false;
  DestroyWindow(Handle());
}

void TForm1::CipherProgress(std::int64_t Porgress, std::int64_t Size) { progress_.CipherProgress(Porgress, Size); }

void TForm1::ShowBarPosition(int position) {
  // With visual styles the bar animates forward moves, which needs the message loop
  // the job is holding; a move back is drawn at once, so step past and back.
  if (position < kProgressRange) {
    SendMessageW(XiProgressBar_, PBM_SETPOS, position + 1, 0);
    SendMessageW(XiProgressBar_, PBM_SETPOS, position, 0);
  } else {
    SendMessageW(XiProgressBar_, PBM_SETRANGE32, 0, kProgressRange + 1);
    SendMessageW(XiProgressBar_, PBM_SETPOS, kProgressRange + 1, 0);
    SendMessageW(XiProgressBar_, PBM_SETPOS, kProgressRange, 0);
    SendMessageW(XiProgressBar_, PBM_SETRANGE32, 0, kProgressRange);
  }
  UpdateWindow(XiProgressBar_);
  // Looking at the queue (without taking anything from it) tells Windows the program is
  // alive, so a long job is not shown as "Not Responding".
  MSG message;
  PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE);
}

}  // namespace quenlock
