// Arranging the open Explorer windows side by side or one above the other, bound to the
// side bar's two tiling buttons.
#pragma once

#include <windows.h>

namespace marlovin {

// Refreshes the Explorer windows and tiles exactly those windows over the desktop with
// the system's tiling service. When that arranges nothing although there are windows
// (a system whose tiling is a stub), the windows are put into the same pattern over the
// work area here, so the button never silently does nothing.
void TileExplorerWindows(UINT how);
void TileExplorerWindowsHorizontally();  // MDITILE_HORIZONTAL: one above the other
void TileExplorerWindowsVertically();    // MDITILE_VERTICAL: side by side

}  // namespace marlovin
