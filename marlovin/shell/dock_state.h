// Where the side bar sits: docked at the left or right edge of the screen, where it
// takes a strip away from the desktop work area so that maximized windows leave it
// free, or floating. The rules live here, free of the window system: the side bar
// window gives them its screen (DockDesktop) and its own window (DockWindow), both in
// screen pixels.
#pragma once

#include <cstdint>

namespace marlovin {

struct TRect {
  std::int32_t Left = 0;
  std::int32_t Top = 0;
  std::int32_t Right = 0;
  std::int32_t Bottom = 0;
  friend bool operator==(const TRect&, const TRect&) = default;
};

struct TPoint {
  std::int32_t X = 0;
  std::int32_t Y = 0;
  friend bool operator==(const TPoint&, const TPoint&) = default;
};

// The screen the bar docks on and the desktop around it.
class DockDesktop {
 public:
  virtual ~DockDesktop() = default;
  virtual int ScreenWidth() const = 0;
  virtual int ScreenHeight() const = 0;
  virtual TRect GetWorkArea() const = 0;
  // Sets the desktop work area and tells the other windows; false when refused.
  virtual bool SetWorkArea(const TRect& area) = 0;
  // Gives the desktop the foreground.
  virtual void ActivateDesktop() = 0;
};

// The bar's window as docking sees it.
class DockWindow {
 public:
  virtual ~DockWindow() = default;
  virtual int Left() const = 0;
  virtual int Width() const = 0;  // border included
  virtual int BorderWidth() const = 0;
  virtual void SetLeft(int left) = 0;
};

// Docked left, docked right (never both) or floating, and the work area as it was
// before the bar docked for the first time.
class TDockState {
 public:
  // Reads the work area now: construct it before anything docks.
  explicit TDockState(DockDesktop& screen);

  bool DockedLeft = false;
  bool DockedRight = false;
  DockDesktop& DockScreen;
  TRect StartWorkArea;

  TRect GetWorkArea() const;
  bool SetWorkArea(const TRect& area);
  void ActivateDesktop();

  // Moves the window to the left edge and reserves the strip from 0 to its width plus
  // its border; the new work area spans the screen from the top to the start-up bottom.
  void DockLeft(DockWindow& window);
  // Moves the window to the right edge and reserves the strip from its left edge less
  // its border to the screen's right edge.
  void DockRight(DockWindow& window);
  // Docks again at the edge the bar is docked at; nothing when floating. Returns true.
  bool Redock(DockWindow& window);
};

// The radio marks of the three placement commands.
struct PlacementMarks {
  bool Left = false;
  bool Right = true;  // the design marks Right before any placement runs
  bool Floating = false;
  friend bool operator==(const PlacementMarks&, const PlacementMarks&) = default;
};

// The side bar's placement commands, its tray minimise and restore, its close, and
// dragging by the panel.
class SideBarPlacement {
 public:
  SideBarPlacement(DockDesktop& screen, DockWindow& window);

  TDockState Dock;
  PlacementMarks Marks;
  // Multiplies the horizontal part of a drag: 0 while docked (the bar only slides along
  // its edge), 1 once floating is chosen.
  std::int8_t HorizontalDrag = 0;
  // Panel coordinates of the last mouse press on the panel.
  TPoint DragStart;
  // Hidden into the tray.
  bool Minimized = false;

  // The start-up placement: 1 docks left, 2 docks right; any other value leaves the
  // bar where it is, undocked, with the design marks. The bar then slides only
  // vertically until floating is chosen.
  void ApplyStartAlignment(int formAlignment);

  void AlignLeft();   // the "Left" command
  void AlignRight();  // the "Right" command
  void NoAlign();     // the "Floating" command: the bar stays where it is

  // The bar went into the tray: the strip is given back while it is hidden.
  void TrayMinimized();
  // The bar came back from the tray: it docks again where it was docked.
  void TrayRestored();
  // The bar closes: the start-up work area comes back in every state.
  void Closing();

  // Where a drag with the left button moves the window: `window` is the window's
  // rectangle and `mouse` the mouse position in panel coordinates. The result is
  // clamped so that the window stays on the whole screen (not only the work area).
  TPoint DragPosition(const TRect& window, TPoint mouse) const;

 private:
  DockWindow& window_;
};

}  // namespace marlovin
