// Layouts are written in the pixels of a 96-DPI screen and scaled for the monitor.
#pragma once

#include <windows.h>

namespace win32 {

inline UINT DpiOf(HWND window) noexcept {
  const UINT dpi = window ? GetDpiForWindow(window) : GetDpiForSystem();
  return dpi ? dpi : USER_DEFAULT_SCREEN_DPI;
}

inline int ScaleForDpi(int pixels, UINT dpi) noexcept { return MulDiv(pixels, static_cast<int>(dpi), USER_DEFAULT_SCREEN_DPI); }

}  // namespace win32
