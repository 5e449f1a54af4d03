// The side bar window: a narrow, borderless, always-on-top strip.
#pragma once

#include "win32/window.h"

namespace marlovin {

class TFormMain : public win32::Window {
 public:
  static constexpr wchar_t kClassName[] = L"Marlovin.TFormMain";

  TFormMain();

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnPaint(HDC dc, const RECT& dirty) override;
  void OnDestroy() override;

 private:
  void BringToFront();
};

}  // namespace marlovin
