// Where tiled windows go when the system's tiling arranges nothing: the windows fill the
// work area in a grid of about as many columns as rows, as Windows tiles them.
#pragma once

#include <cstddef>
#include <vector>

namespace marlovin {

struct TileRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  friend bool operator==(const TileRect&, const TileRect&) = default;
};

enum class TileArrangement {
  SideBySide,  // MDITILE_VERTICAL: columns of windows, filled column by column
  Stacked,     // MDITILE_HORIZONTAL: rows of windows, filled row by row
};

// One rectangle per window, in window order. With k = floor(sqrt(count)) there are
// count / k columns (side by side) or rows (stacked) of k windows each; the last one
// takes the windows left over. Every column or row is equally wide or high, the last
// one taking the pixels left over, so the rectangles cover the area exactly.
std::vector<TileRect> TileLayout(std::size_t count, const TileRect& area, TileArrangement arrangement);

}  // namespace marlovin
