#include "quenlock/main_window.h"

#include "win32/dpi.h"

namespace quenlock {

TForm1::TForm1() {
  const UINT dpi = win32::DpiOf(nullptr);
  const auto scale = [dpi](int pixels) { return win32::ScaleForDpi(pixels, dpi); };
  Create({.name = kClassName, .background = GetSysColorBrush(COLOR_BTNFACE)},
         {.style = WS_POPUP | WS_BORDER | WS_SYSMENU | WS_MINIMIZEBOX,
          .title = L"Ciphering using Rijndael (  AES ) algorithm",
          .x = scale(248),
          .y = scale(199),
          .width = scale(566),
          .height = scale(163)});
}

void TForm1::OnDestroy() { PostQuitMessage(0); }

}  // namespace quenlock
