#include "marlovin/explorer/tile_layout.h"

#include <gtest/gtest.h>

namespace marlovin {

void PrintTo(const TileRect& r, std::ostream* out) {
  *out << "(" << r.left << "," << r.top << ")-(" << r.right << "," << r.bottom << ")";
}

namespace {

using Tiles = std::vector<TileRect>;

TEST(TileLayout, FillsTheWorkAreaInColumnsOrRows) {
  const TileRect area{0, 0, 900, 600};
  const struct {
    std::size_t count;
    TileArrangement arrangement;
    Tiles tiles;
  } cases[] = {
      {0, TileArrangement::SideBySide, {}},
      {1, TileArrangement::Stacked, {{0, 0, 900, 600}}},
      {2, TileArrangement::SideBySide, {{0, 0, 450, 600}, {450, 0, 900, 600}}},
      {2, TileArrangement::Stacked, {{0, 0, 900, 300}, {0, 300, 900, 600}}},
      {3, TileArrangement::SideBySide, {{0, 0, 300, 600}, {300, 0, 600, 600}, {600, 0, 900, 600}}},
      {3, TileArrangement::Stacked, {{0, 0, 900, 200}, {0, 200, 900, 400}, {0, 400, 900, 600}}},
      {4, TileArrangement::SideBySide, {{0, 0, 450, 300}, {0, 300, 450, 600}, {450, 0, 900, 300}, {450, 300, 900, 600}}},
      // Five: two columns (rows) of two, the last one takes the third.
      {5, TileArrangement::SideBySide,
       {{0, 0, 450, 300}, {0, 300, 450, 600}, {450, 0, 900, 200}, {450, 200, 900, 400}, {450, 400, 900, 600}}},
      {5, TileArrangement::Stacked,
       {{0, 0, 450, 300}, {450, 0, 900, 300}, {0, 300, 300, 600}, {300, 300, 600, 600}, {600, 300, 900, 600}}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(TileLayout(c.count, area, c.arrangement), c.tiles)
        << c.count << (c.arrangement == TileArrangement::SideBySide ? " side by side" : " stacked");
  }
}

TEST(TileLayout, LeftoverPixelsGoToTheLastColumnOrRowOfAnOffsetArea) {
  // A work area beside a bar docked at the left edge, not divisible by three.
  const Tiles tiles = TileLayout(3, {47, 10, 1001, 760}, TileArrangement::SideBySide);
  EXPECT_EQ(tiles, (Tiles{{47, 10, 365, 760}, {365, 10, 683, 760}, {683, 10, 1001, 760}}));
  // Fifty windows stacked: 7 rows of 7, the last one with 8.
  const Tiles many = TileLayout(50, {0, 0, 1920, 1080}, TileArrangement::Stacked);
  ASSERT_EQ(many.size(), 50u);
  EXPECT_EQ(many.back(), (TileRect{1680, 924, 1920, 1080}));
}

}  // namespace
}  // namespace marlovin
