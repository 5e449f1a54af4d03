// Looking at top-level windows from outside: for tests, the watchdog and the probe tool.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace win32::testing {

struct WindowInfo {
  HWND hwnd = nullptr;
  DWORD processId = 0;
  std::string className;
  std::string title;
  RECT rect{};
  bool visible = false;
};

// Top-level windows, topmost first. processId 0: every process.
std::vector<WindowInfo> TopLevelWindows(DWORD processId = 0, bool visibleOnly = true);

// The window's title and the texts of its child controls, " | " between them: what a
// person would read on a message box or dialog.
std::string WindowTexts(HWND hwnd);

// One line: handle, process, class, title and rectangle.
std::string Describe(const WindowInfo& window);

// Runs the calling thread's messages until `done` returns true or the time is up.
bool PumpMessagesUntil(const std::function<bool()>& done, DWORD timeoutMs);

}  // namespace win32::testing
