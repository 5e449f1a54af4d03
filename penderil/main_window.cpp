#include "penderil/main_window.h"

#include "win32/dpi.h"

namespace penderil {

TFormMain::TFormMain() {
  const UINT dpi = win32::DpiOf(nullptr);
  const auto scale = [dpi](int pixels) { return win32::ScaleForDpi(pixels, dpi); };
  Create({.name = kClassName, .background = GetSysColorBrush(COLOR_BTNFACE)},
         {.style = WS_POPUP | WS_BORDER | WS_SYSMENU | WS_MINIMIZEBOX,
          .title = L"Multi-rename tool.",
          .x = scale(140),
          .y = scale(65),
          .width = scale(937),
          .height = scale(670)});
}

void TFormMain::OnDestroy() { PostQuitMessage(0); }

}  // namespace penderil
