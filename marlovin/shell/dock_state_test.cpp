#include "marlovin/shell/dock_state.h"

#include <vector>

#include <gtest/gtest.h>

namespace marlovin {
namespace {

// A 1280 x 1024 screen whose taskbar takes the bottom 30 pixels.
constexpr TRect kStartArea{0, 0, 1280, 994};

class FakeDesktop : public DockDesktop {
 public:
  int ScreenWidth() const override { return width; }
  int ScreenHeight() const override { return height; }
  TRect GetWorkArea() const override { return workArea; }
  bool SetWorkArea(const TRect& area) override {
    workArea = area;
    setCalls.push_back(area);
    return true;
  }
  void ActivateDesktop() override { ++activations; }

  int width = 1280;
  int height = 1024;
  TRect workArea = kStartArea;
  std::vector<TRect> setCalls;
  int activations = 0;
};

class FakeWindow : public DockWindow {
 public:
  int Left() const override { return left; }
  int Width() const override { return width; }
  int BorderWidth() const override { return border; }
  void SetLeft(int value) override { left = value; }

  TRect Rect() const { return {left, top, left + width, top + height}; }

  int left = 44;
  int top = 44;
  int width = 45;
  int height = 548;
  int border = 2;
};

TEST(DockState, ReadsTheStartWorkAreaOnceAndDocksWithAStripOfWidthPlusBorder) {
  const struct {
    const char* name;
    int width, border;  // the bar at 96 DPI and at 144 DPI
    TRect start;
    int leftAreaLeft, rightWindowLeft, rightAreaRight;
  } cases[] = {
      {"design values", 45, 2, kStartArea, 47, 1235, 1233},
      {"150 % scale", 68, 3, kStartArea, 71, 1212, 1209},
      // A taskbar at the top: the strip still starts at the top of the screen.
      {"taskbar at the top", 45, 2, {0, 30, 1280, 1024}, 47, 1235, 1233},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    FakeDesktop desktop;
    desktop.workArea = c.start;
    FakeWindow window;
    window.width = c.width;
    window.border = c.border;
    TDockState dock(desktop);
    desktop.workArea = {1, 2, 3, 4};  // later changes do not move the start area
    EXPECT_EQ(dock.StartWorkArea, c.start);

    dock.DockLeft(window);
    EXPECT_EQ(window.left, 0);
    EXPECT_TRUE(dock.DockedLeft);
    EXPECT_FALSE(dock.DockedRight);
    EXPECT_EQ(desktop.workArea, (TRect{c.leftAreaLeft, 0, 1280, c.start.Bottom}));

    dock.DockRight(window);
    EXPECT_EQ(window.left, c.rightWindowLeft);
    EXPECT_FALSE(dock.DockedLeft);
    EXPECT_TRUE(dock.DockedRight);
    EXPECT_EQ(desktop.workArea, (TRect{0, 0, c.rightAreaRight, c.start.Bottom}));
    EXPECT_EQ(desktop.activations, 0) << "docking itself leaves the foreground alone";
  }
}

TEST(DockState, RedockRepeatsTheEdgeAndDoesNothingWhileFloating) {
  FakeDesktop desktop;
  FakeWindow window;
  TDockState dock(desktop);
  EXPECT_TRUE(dock.Redock(window));
  EXPECT_TRUE(desktop.setCalls.empty());
  EXPECT_EQ(window.left, 44);

  dock.DockLeft(window);
  window.left = 300;
  desktop.workArea = kStartArea;
  EXPECT_TRUE(dock.Redock(window));
  EXPECT_EQ(window.left, 0);
  EXPECT_EQ(desktop.workArea, (TRect{47, 0, 1280, 994}));
}

TEST(SideBarPlacement, PlacementCommandsSetMarksDragAndActivateTheDesktop) {
  FakeDesktop desktop;
  FakeWindow window;
  SideBarPlacement placement(desktop, window);
  EXPECT_EQ(placement.Marks, (PlacementMarks{.Left = false, .Right = true, .Floating = false}));

  placement.AlignLeft();
  EXPECT_EQ(placement.Marks, (PlacementMarks{.Left = true, .Right = false, .Floating = false}));
  EXPECT_EQ(placement.HorizontalDrag, 0);
  EXPECT_EQ(desktop.activations, 1);

  placement.NoAlign();
  EXPECT_EQ(placement.Marks, (PlacementMarks{.Left = false, .Right = false, .Floating = true}));
  EXPECT_EQ(placement.HorizontalDrag, 1);
  EXPECT_FALSE(placement.Dock.DockedLeft);
  EXPECT_EQ(desktop.workArea, kStartArea);
  EXPECT_EQ(window.left, 0) << "floating leaves the bar where it is";
  EXPECT_EQ(desktop.activations, 1);

  placement.AlignRight();
  EXPECT_EQ(placement.Marks, (PlacementMarks{.Left = false, .Right = true, .Floating = false}));
  EXPECT_EQ(placement.HorizontalDrag, 0);
  EXPECT_EQ(window.left, 1235);
  EXPECT_EQ(desktop.activations, 2);
}

TEST(SideBarPlacement, StartAlignmentDocksAsTheOptionSaysOrLeavesTheDesignPosition) {
  const struct {
    int formAlignment;
    int left;
    TRect workArea;
    PlacementMarks marks;
  } cases[] = {
      {1, 0, {47, 0, 1280, 994}, {.Left = true, .Right = false}},
      {2, 1235, {0, 0, 1233, 994}, {.Left = false, .Right = true}},
      {0, 44, kStartArea, {.Left = false, .Right = true}},
      {7, 44, kStartArea, {.Left = false, .Right = true}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.formAlignment);
    FakeDesktop desktop;
    FakeWindow window;
    SideBarPlacement placement(desktop, window);
    placement.ApplyStartAlignment(c.formAlignment);
    EXPECT_EQ(window.left, c.left);
    EXPECT_EQ(desktop.workArea, c.workArea);
    EXPECT_EQ(placement.Marks, c.marks);
    EXPECT_EQ(placement.HorizontalDrag, 0) << "a bar that starts floating still only slides vertically";
  }
}

TEST(SideBarPlacement, TrayMinimiseGivesTheStripBackAndRestoreTakesItAgain) {
  FakeDesktop desktop;
  FakeWindow window;
  SideBarPlacement placement(desktop, window);
  placement.ApplyStartAlignment(2);

  placement.TrayMinimized();
  EXPECT_TRUE(placement.Minimized);
  EXPECT_EQ(desktop.workArea, kStartArea);
  placement.TrayRestored();
  EXPECT_FALSE(placement.Minimized);
  EXPECT_EQ(window.left, 1235);
  EXPECT_EQ(desktop.workArea, (TRect{0, 0, 1233, 994}));

  // Floating chosen after docking left: minimise and restore keep it where it was and
  // reserve nothing.
  placement.AlignLeft();
  window.left = 0;
  placement.NoAlign();
  window.left = 500;  // dragged somewhere
  placement.TrayMinimized();
  placement.TrayRestored();
  EXPECT_EQ(window.left, 500);
  EXPECT_EQ(desktop.workArea, kStartArea);
}

TEST(SideBarPlacement, ClosingGivesTheStartWorkAreaBackInEveryState) {
  for (int alignment : {0, 1, 2}) {
    SCOPED_TRACE(alignment);
    FakeDesktop desktop;
    FakeWindow window;
    SideBarPlacement placement(desktop, window);
    placement.ApplyStartAlignment(alignment);
    placement.Closing();
    EXPECT_EQ(desktop.workArea, kStartArea);
  }
}

TEST(SideBarPlacement, DragMovesByTheMouseAndStaysOnTheWholeScreen) {
  // The bar is 45 x 548 on a 1280 x 1024 screen; the press was at (20, 100) on the panel.
  const struct {
    const char* name;
    std::int8_t horizontalDrag;
    TRect window;
    TPoint mouse;
    TPoint expected;
  } cases[] = {
      {"floating, free move", 1, {300, 200, 345, 748}, {30, 150}, {310, 250}},
      {"docked right, sideways and down", 0, {1235, 44, 1280, 592}, {-200, 130}, {1235, 74}},
      {"docked left, sideways only", 0, {0, 44, 45, 592}, {400, 100}, {0, 44}},
      {"floating beyond the bottom right", 1, {1200, 400, 1245, 948}, {300, 500}, {1235, 476}},
      {"floating beyond the top left", 1, {10, 10, 55, 558}, {-100, -50}, {0, 0}},
      {"docked, above the top", 0, {1235, 44, 1280, 592}, {20, 0}, {1235, 0}},
      // The bottom of the screen is the limit, not the work area's bottom.
      {"floating onto the taskbar", 1, {300, 400, 345, 948}, {20, 150}, {300, 450}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    FakeDesktop desktop;
    FakeWindow window;
    SideBarPlacement placement(desktop, window);
    placement.HorizontalDrag = c.horizontalDrag;
    placement.DragStart = {20, 100};
    EXPECT_EQ(placement.DragPosition(c.window, c.mouse), c.expected);
  }
}

}  // namespace
}  // namespace marlovin
