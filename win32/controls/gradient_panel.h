// A panel painted with a colour gradient, carrying painted labels (text drawn straight
// onto the gradient, so no box shows behind it) and child controls. A panel can act as
// its window's caption bar: dragging it moves the top-level window. Commands and
// notifications of its child controls go on to the panel's parent.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "win32/handles.h"
#include "win32/window.h"

namespace win32 {

enum class GradientDirection { Vertical, Horizontal, Diagonal };

struct GradientPanelStyle {
  COLORREF from = RGB(255, 255, 255);
  COLORREF to = RGB(221, 221, 221);
  GradientDirection direction = GradientDirection::Vertical;
  bool dragsWindow = false;  // a press on the panel (not on a child) moves the window
};

struct PanelLabel {
  int id = 0;
  RECT bounds{};               // in 96-DPI pixels, panel coordinates
  std::wstring text;           // "&&" shows one ampersand
  HFONT font = nullptr;        // null: the default GUI font
  COLORREF colour = RGB(0, 0, 0);
  UINT format = DT_LEFT | DT_VCENTER | DT_SINGLELINE;
};

class GradientPanel : public Window {
 public:
  // Creates the panel at `bounds` (96-DPI pixels, parent coordinates) with id `id`.
  GradientPanel(HWND parent, int id, const RECT& bounds, const GradientPanelStyle& style);

  void SetStyle(const GradientPanelStyle& style);
  void AddLabel(PanelLabel label);
  void SetLabelText(int id, const std::wstring& text);
  const std::wstring* LabelText(int id) const;

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnPaint(HDC dc, const RECT& dirty) override;

 private:
  RECT Scaled(const RECT& bounds) const;

  GradientPanelStyle style_;
  std::vector<PanelLabel> labels_;
};

// Fills `area` with a two-colour gradient.
void PaintGradient(HDC dc, const RECT& area, COLORREF from, COLORREF to, GradientDirection direction);

}  // namespace win32
