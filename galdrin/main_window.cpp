#include "galdrin/main_window.h"

#include "win32/dpi.h"

namespace galdrin {

TFormMain::TFormMain() {
  const UINT dpi = win32::DpiOf(nullptr);
  const auto scale = [dpi](int pixels) { return win32::ScaleForDpi(pixels, dpi); };
  Create({.name = kClassName, .background = GetSysColorBrush(COLOR_BTNFACE)},
         {.style = WS_POPUP | WS_BORDER | WS_SYSMENU | WS_MINIMIZEBOX,
          .title = L"Corvan System Info Generator",
          .x = scale(326),
          .y = scale(316),
          .width = scale(343),
          .height = scale(122)});
}

void TFormMain::OnDestroy() { PostQuitMessage(0); }

}  // namespace galdrin
