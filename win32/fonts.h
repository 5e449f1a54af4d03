// Fonts for windows laid out in 96-DPI pixels.
#pragma once

#include <windows.h>

#include "win32/handles.h"

namespace win32 {

struct FontSpec {
  const wchar_t* face = L"MS Sans Serif";
  int height = -11;  // as in LOGFONT: negative = character height in 96-DPI pixels
  bool bold = false;
  bool italic = false;
};

UniqueHfont CreateUiFont(const FontSpec& spec, UINT dpi);

}  // namespace win32
