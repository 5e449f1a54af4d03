// The pictures of the side bar's buttons, drawn with GDI at any size: one picture per
// operation, in four states. Normal shows the picture flat on the panel, hot lifts it
// onto a lighter plate with a frame, pressed sinks it (darker plate, picture moved down
// and right by a pixel), disabled shows it in greys.
#pragma once

#include <windows.h>

#include "win32/controls/image_button.h"

namespace marlovin {

enum class ButtonPicture {
  Copy,              // two sheets, one over the other
  Move,              // a sheet and an arrow leaving it
  Rename,            // a name field and a pencil
  Unpack,            // a box with an arrow coming out
  Pack,              // a box with an arrow going in
  Encode,            // a closed padlock
  Decode,            // an open padlock
  Viewer,            // a magnifying glass over a sheet
  Favorites,         // a star
  Home,              // a house
  ShowHide,          // an eye, struck through
  TileHorizontally,  // two windows, one above the other
  TileVertically,    // two windows side by side
  List,              // a clipboard with lines of text
};

inline constexpr ButtonPicture kAllButtonPictures[] = {
    ButtonPicture::Copy,      ButtonPicture::Move,    ButtonPicture::Rename,   ButtonPicture::Unpack,
    ButtonPicture::Pack,      ButtonPicture::Encode,  ButtonPicture::Decode,   ButtonPicture::Viewer,
    ButtonPicture::Favorites, ButtonPicture::Home,    ButtonPicture::ShowHide, ButtonPicture::TileHorizontally,
    ButtonPicture::TileVertically, ButtonPicture::List};

// A painter for an image button showing `picture` on a panel of colour `panel`.
win32::ButtonPainter PicturePainter(ButtonPicture picture, COLORREF panel);

// Paints one state of a picture into `area` of `dc`.
void PaintButtonPicture(HDC dc, const RECT& area, ButtonPicture picture, win32::ButtonState state, COLORREF panel);

}  // namespace marlovin
