// Galdrin's main window.
#pragma once

#include "win32/window.h"

namespace galdrin {

class TFormMain : public win32::Window {
 public:
  static constexpr wchar_t kClassName[] = L"Galdrin.TFormMain";
  TFormMain();

 protected:
  void OnDestroy() override;
};

}  // namespace galdrin
