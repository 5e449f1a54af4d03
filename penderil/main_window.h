// Penderil's main window.
#pragma once

#include "win32/window.h"

namespace penderil {

class TFormMain : public win32::Window {
 public:
  static constexpr wchar_t kClassName[] = L"Penderil.TFormMain";
  TFormMain();

 protected:
  void OnDestroy() override;
};

}  // namespace penderil
