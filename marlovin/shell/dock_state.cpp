#include "marlovin/shell/dock_state.h"

namespace marlovin {

TDockState::TDockState(DockDesktop& screen) : DockScreen(screen), StartWorkArea(screen.GetWorkArea()) {}

TRect TDockState::GetWorkArea() const { return DockScreen.GetWorkArea(); }

bool TDockState::SetWorkArea(const TRect& area) { return DockScreen.SetWorkArea(area); }

void TDockState::ActivateDesktop() { DockScreen.ActivateDesktop(); }

void TDockState::DockLeft(DockWindow& window) {
  window.SetLeft(0);
  DockedLeft = true;
  DockedRight = false;
  SetWorkArea({window.Width() + window.BorderWidth(), 0, DockScreen.ScreenWidth(), StartWorkArea.Bottom});
}

void TDockState::DockRight(DockWindow& window) {
  window.SetLeft(DockScreen.ScreenWidth() - window.Width());
  DockedLeft = false;
  DockedRight = true;
  SetWorkArea({0, 0, window.Left() - window.BorderWidth(), StartWorkArea.Bottom});
}

bool TDockState::Redock(DockWindow& window) {
  if (DockedLeft) {
    DockLeft(window);
  } else if (DockedRight) {
    DockRight(window);
  }
  return true;
}

SideBarPlacement::SideBarPlacement(DockDesktop& screen, DockWindow& window) : Dock(screen), window_(window) {}

void SideBarPlacement::ApplyStartAlignment(int formAlignment) {
  if (formAlignment == 1) {
    AlignLeft();
  } else if (formAlignment == 2) {
    AlignRight();
  }
  HorizontalDrag = 0;
}

void SideBarPlacement::AlignLeft() {
  Dock.ActivateDesktop();
  Dock.DockLeft(window_);
  Marks = {.Left = true, .Right = false, .Floating = false};
  HorizontalDrag = 0;
}

void SideBarPlacement::AlignRight() {
  Dock.ActivateDesktop();
  Dock.DockRight(window_);
  Marks = {.Left = false, .Right = true, .Floating = false};
  HorizontalDrag = 0;
}

void SideBarPlacement::NoAlign() {
  HorizontalDrag = 1;
  Marks = {.Left = false, .Right = false, .Floating = true};
  Dock.DockedLeft = false;
  Dock.DockedRight = false;
  Dock.SetWorkArea(Dock.StartWorkArea);
}

void SideBarPlacement::TrayMinimized() {
  Minimized = true;
  Dock.SetWorkArea(Dock.StartWorkArea);
}

void SideBarPlacement::TrayRestored() {
  Minimized = false;
  Dock.Redock(window_);
}

void SideBarPlacement::Closing() { Dock.SetWorkArea(Dock.StartWorkArea); }

TPoint SideBarPlacement::DragPosition(const TRect& window, TPoint mouse) const {
  const int width = window.Right - window.Left;
  const int height = window.Bottom - window.Top;
  int top = window.Top + (mouse.Y - DragStart.Y);
  int left = window.Left + (mouse.X - DragStart.X) * HorizontalDrag;
  if (top <= 0) top = 0;
  if (left <= 0) left = 0;
  const int screenHeight = Dock.DockScreen.ScreenHeight();
  const int screenWidth = Dock.DockScreen.ScreenWidth();
  if (top + height >= screenHeight) top = screenHeight - height;
  if (left + width >= screenWidth) left = screenWidth - width;
  return {left, top};
}

}  // namespace marlovin
