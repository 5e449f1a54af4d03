#include "marlovin/explorer/explorer_tiling.h"

#include <vector>

#include "marlovin/explorer/explorer_windows.h"
#include "marlovin/explorer/tile_layout.h"

namespace marlovin {

namespace {

void ArrangeOverWorkArea(const std::vector<HWND>& windows, UINT how) {
  RECT area{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
  const auto tiles = TileLayout(windows.size(), {area.left, area.top, area.right, area.bottom},
                                how & MDITILE_HORIZONTAL ? TileArrangement::Stacked : TileArrangement::SideBySide);
  for (std::size_t i = 0; i < windows.size(); ++i) {
    if (IsIconic(windows[i]) || IsZoomed(windows[i])) ShowWindow(windows[i], SW_RESTORE);
    const TileRect& tile = tiles[i];
    SetWindowPos(windows[i], nullptr, tile.left, tile.top, tile.right - tile.left, tile.bottom - tile.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

}  // namespace

void TileExplorerWindows(UINT how) {
  enumerate_explorers::RefreshExplorerWindows();
  std::vector<HWND> windows = enumerate_explorers::GetExplorerLists().ExplorerWindowList;
  if (windows.empty()) return;
  const WORD arranged = TileWindows(nullptr, how, nullptr, static_cast<UINT>(windows.size()), windows.data());
  if (arranged == 0) ArrangeOverWorkArea(windows, how);
}

void TileExplorerWindowsHorizontally() { TileExplorerWindows(MDITILE_HORIZONTAL); }

void TileExplorerWindowsVertically() { TileExplorerWindows(MDITILE_VERTICAL); }

}  // namespace marlovin
