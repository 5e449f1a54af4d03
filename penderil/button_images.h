// The small images of the bottom bar's buttons, drawn in code at the screen's size.
#pragma once

#include <windows.h>

#include "win32/handles.h"

namespace penderil {

enum class ButtonGlyph { Start, Reset, Close };

// A square icon of `size` pixels: a green arrow (start), a blue turning arrow (reset),
// a red cross (close), on a transparent ground.
win32::UniqueHicon DrawButtonIcon(ButtonGlyph glyph, int size);

}  // namespace penderil
