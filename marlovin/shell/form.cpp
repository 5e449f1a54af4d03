#include "marlovin/shell/form.h"

#include "win32/dpi.h"

namespace marlovin {

void Form::CreateForm(const FormLayout& layout) {
  const UINT dpi = win32::DpiOf(nullptr);
  const int width = win32::ScaleForDpi(layout.width, dpi);
  const int height = win32::ScaleForDpi(layout.height, dpi);
  Create({.name = layout.className, .background = GetSysColorBrush(COLOR_BTNFACE)},
         {.exStyle = layout.exStyle,
          .style = layout.style,
          .title = layout.caption,
          .x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
          .y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2,
          .width = width,
          .height = height});
}

}  // namespace marlovin
