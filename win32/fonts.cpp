#include "win32/fonts.h"

#include <cwchar>

#include "win32/dpi.h"

namespace win32 {

UniqueHfont CreateUiFont(const FontSpec& spec, UINT dpi) {
  LOGFONTW font{};
  font.lfHeight = ScaleForDpi(spec.height, dpi);
  font.lfWeight = spec.bold ? FW_BOLD : FW_NORMAL;
  font.lfItalic = spec.italic ? TRUE : FALSE;
  font.lfCharSet = DEFAULT_CHARSET;
  font.lfQuality = CLEARTYPE_QUALITY;
  wcsncpy(font.lfFaceName, spec.face, LF_FACESIZE - 1);
  return UniqueHfont(CreateFontIndirectW(&font));
}

}  // namespace win32
