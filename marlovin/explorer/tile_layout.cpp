#include "marlovin/explorer/tile_layout.h"

namespace marlovin {

namespace {

// Splits [from, to) into `parts` equal spans; the last span takes what is left.
int SpanStart(int from, int to, std::size_t parts, std::size_t index) {
  const long long size = static_cast<long long>(to - from) / static_cast<long long>(parts);
  return from + static_cast<int>(size * static_cast<long long>(index));
}

int SpanEnd(int from, int to, std::size_t parts, std::size_t index) {
  return index + 1 == parts ? to : SpanStart(from, to, parts, index + 1);
}

}  // namespace

std::vector<TileRect> TileLayout(std::size_t count, const TileRect& area, TileArrangement arrangement) {
  std::vector<TileRect> tiles;
  if (count == 0) return tiles;
  std::size_t perLine = 1;  // floor(sqrt(count))
  while ((perLine + 1) * (perLine + 1) <= count) ++perLine;
  const std::size_t lines = count / perLine;
  const bool columns = arrangement == TileArrangement::SideBySide;
  tiles.reserve(count);
  for (std::size_t line = 0; line < lines; ++line) {
    const std::size_t inLine = line + 1 == lines ? count - perLine * (lines - 1) : perLine;
    for (std::size_t cell = 0; cell < inLine; ++cell) {
      if (columns) {
        tiles.push_back({SpanStart(area.left, area.right, lines, line), SpanStart(area.top, area.bottom, inLine, cell),
                         SpanEnd(area.left, area.right, lines, line), SpanEnd(area.top, area.bottom, inLine, cell)});
      } else {
        tiles.push_back({SpanStart(area.left, area.right, inLine, cell), SpanStart(area.top, area.bottom, lines, line),
                         SpanEnd(area.left, area.right, inLine, cell), SpanEnd(area.top, area.bottom, lines, line)});
      }
    }
  }
  return tiles;
}

}  // namespace marlovin
