// A top-level form of the side bar program: created once at start-up, hidden until a
// command shows it, destroyed when the program ends.
#pragma once

#include <string>

#include "win32/window.h"

namespace marlovin {

struct FormLayout {
  const wchar_t* className;
  std::wstring caption;
  int width;   // outer size in 96-DPI pixels
  int height;
  DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
  DWORD exStyle = WS_EX_DLGMODALFRAME;
};

class Form : public win32::Window {
 protected:
  // Creates the form hidden and centred on the primary screen.
  void CreateForm(const FormLayout& layout);
};

}  // namespace marlovin
