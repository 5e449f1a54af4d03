// One side bar at a time. The first start owns a named mutex; a later start finds the
// running bar's window, asks it to come to the front and ends.
#pragma once

#include <windows.h>

#include "win32/handles.h"

namespace marlovin {

// The message a second start posts to the running bar's window: show yourself.
UINT ShowRunningBarMessage();

class SingleInstanceGuard {
 public:
  SingleInstanceGuard();
  // True for the first start in this session.
  bool IsFirst() const noexcept { return first_; }

 private:
  win32::UniqueHandle mutex_;
  bool first_ = false;
};

// Second start: brings the running bar (window class `windowClass`) to the front.
// Waits a few seconds for its window in case the first start is still creating it.
void ActivateRunningBar(const wchar_t* windowClass);

}  // namespace marlovin
