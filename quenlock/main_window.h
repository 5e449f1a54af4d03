// Quenlock's main window.
#pragma once

#include "win32/window.h"

namespace quenlock {

class TForm1 : public win32::Window {
 public:
  static constexpr wchar_t kClassName[] = L"Quenlock.TForm1";
  TForm1();

 protected:
  void OnDestroy() override;
};

}  // namespace quenlock
