// PanelMain: the light-grey panel that fills the side bar and carries its buttons. Its
// mouse events go to the side bar window, which is dragged by the panel; commands of the
// buttons on it go on to the side bar window too. One tooltip control shows its hint and
// the hints of its buttons (one control for all of them starts faster than one each).
#pragma once

#include <windows.h>

#include <string>

#include "win32/handles.h"
#include "win32/window.h"

namespace marlovin {

// What the panel reports, in panel coordinates.
class PanelEvents {
 public:
  virtual ~PanelEvents() = default;
  virtual void PanelMainMouseDown(int x, int y) = 0;
  // Only while a button is down (the panel holds the mouse meanwhile).
  virtual void PanelMainMouseMove(int x, int y, bool leftButton) = 0;
  virtual void PanelMainDblClick() = 0;
};

class TPanelMain : public win32::Window {
 public:
  TPanelMain(HWND parent, PanelEvents& events, COLORREF colour, const std::wstring& hint);

  // Shows `hint` as the tooltip of `control` (a child of the panel); nothing when empty.
  void AddHint(HWND control, const std::wstring& hint);

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnPaint(HDC dc, const RECT& dirty) override;

 private:
  PanelEvents& events_;
  COLORREF colour_;
  win32::UniqueHwnd tooltip_;
};

}  // namespace marlovin
