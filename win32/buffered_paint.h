// Painting through an off-screen bitmap: the window shows each frame whole, without
// flicker while it is dragged, resized or changes state.
#pragma once

#include <windows.h>

#include <functional>

namespace win32 {

// Calls `paint` with a memory device context the size of `client`, then copies the result
// onto `dc`.
void PaintBuffered(HDC dc, const RECT& client, const std::function<void(HDC buffer)>& paint);

}  // namespace win32
