#include "marlovin/shell/main_form.h"

#include "marlovin/shell/single_instance.h"
#include "win32/dpi.h"
#include "win32/handles.h"

namespace marlovin {

namespace {

// Design values, in 96-DPI pixels.
constexpr int kDesignLeft = 44;
constexpr int kDesignTop = 44;
constexpr int kBarWidth = 45;        // border included
constexpr int kBorderWidth = 2;
constexpr int kClientHeight = 544;   // inside the border
constexpr COLORREF kFormColour = RGB(255, 255, 255);
constexpr COLORREF kPanelColour = RGB(221, 221, 221);  // 14540253

}  // namespace

TFormMain::TFormMain() {
  const UINT dpi = win32::DpiOf(nullptr);
  const auto scale = [dpi](int pixels) { return win32::ScaleForDpi(pixels, dpi); };
  Create({.name = kClassName},
         {.exStyle = WS_EX_TOPMOST | WS_EX_TOOLWINDOW,
          .style = WS_POPUP | WS_CLIPCHILDREN,
          .title = L"Marlovin",
          .x = scale(kDesignLeft),
          .y = scale(kDesignTop),
          .width = scale(kBarWidth),
          .height = scale(kClientHeight + 2 * kBorderWidth)});
}

LRESULT TFormMain::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == ShowRunningBarMessage()) {
    BringToFront();
    return 0;
  }
  return Window::OnMessage(message, wParam, lParam);
}

void TFormMain::OnPaint(HDC dc, const RECT&) {
  RECT area;
  GetClientRect(Handle(), &area);
  const win32::UniqueHbrush form(CreateSolidBrush(kFormColour));
  FillRect(dc, &area, form.get());
  const int border = win32::ScaleForDpi(kBorderWidth, win32::DpiOf(Handle()));
  InflateRect(&area, -border, -border);
  const win32::UniqueHbrush panel(CreateSolidBrush(kPanelColour));
  FillRect(dc, &area, panel.get());
}

void TFormMain::OnDestroy() { PostQuitMessage(0); }

void TFormMain::BringToFront() {
  ShowWindow(Handle(), SW_SHOWNORMAL);
  SetForegroundWindow(Handle());
}

}  // namespace marlovin
