// A button drawn entirely by its owner's painter, in one of four states: normal, hot
// (the mouse is over it), pressed and disabled. A click sends WM_COMMAND (BN_CLICKED)
// with the button's id to the parent; a hint shows as a tooltip.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "win32/handles.h"
#include "win32/window.h"

namespace win32 {

enum class ButtonState { Normal, Hot, Pressed, Disabled };

// Paints the whole button rectangle for a state.
using ButtonPainter = std::function<void(HDC dc, const RECT& area, ButtonState state)>;

class ImageButton : public Window {
 public:
  // `bounds` in 96-DPI pixels, parent coordinates.
  ImageButton(HWND parent, int id, const RECT& bounds, ButtonPainter painter, const std::wstring& hint = L"");

  int Id() const noexcept { return id_; }
  ButtonState State() const noexcept;
  void SetEnabled(bool enabled);
  void SetPainter(ButtonPainter painter);

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnPaint(HDC dc, const RECT& dirty) override;

 private:
  void SetFlags(bool hot, bool pressed);
  bool CursorInside(LPARAM lParam) const;

  int id_;
  ButtonPainter painter_;
  bool hot_ = false;
  bool pressed_ = false;
  UniqueHwnd tooltip_;
};

// The glyphs of a drawn caption bar's buttons.
enum class CaptionGlyph { Close, Minimize, Maximize, Restore };

// A painter for a caption bar button: the glyph on `background`, a light frame when hot,
// a darker fill when pressed.
ButtonPainter CaptionButtonPainter(CaptionGlyph glyph, COLORREF background);

}  // namespace win32
