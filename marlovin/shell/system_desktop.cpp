#include "marlovin/shell/system_desktop.h"

#include <windows.h>

namespace marlovin {

int SystemDesktop::ScreenWidth() const { return GetSystemMetrics(SM_CXSCREEN); }

int SystemDesktop::ScreenHeight() const { return GetSystemMetrics(SM_CYSCREEN); }

TRect SystemDesktop::GetWorkArea() const {
  RECT area{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
  return {area.left, area.top, area.right, area.bottom};
}

bool SystemDesktop::SetWorkArea(const TRect& area) {
  RECT rect{area.Left, area.Top, area.Right, area.Bottom};
  return SystemParametersInfoW(SPI_SETWORKAREA, 0, &rect, SPIF_SENDCHANGE) != FALSE;
}

void SystemDesktop::ActivateDesktop() { SetForegroundWindow(GetDesktopWindow()); }

}  // namespace marlovin
