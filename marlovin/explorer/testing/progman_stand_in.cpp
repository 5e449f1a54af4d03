// progman_stand_in: stands in for Explorer's desktop window in tests of the Explorer
// restart, so that no real shell is ever closed.
//   progman_stand_in CLASS TITLE [refuse-close]
// Shows one top-level window of class CLASS titled TITLE (may be empty). It ends with
// exit code 7 when its window is closed. With "refuse-close" it ignores WM_CLOSE and
// WM_QUIT, like a hung shell: only terminating its process ends it.
#include <windows.h>

#include <cstdio>

#include "common/argument_text.h"
#include "win32/utf.h"

namespace {

constexpr int kClosedExitCode = 7;
bool g_refuseClose = false;

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CLOSE && g_refuseClose) return 0;
  if (message == WM_DESTROY) PostQuitMessage(kClosedExitCode);
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int wmain() {
  const auto args = common::SplitCommandLine(win32::Narrow(GetCommandLineW()));
  if (args.size() < 3) {
    std::fputs("usage: progman_stand_in CLASS TITLE [refuse-close]\n", stderr);
    return 2;
  }
  g_refuseClose = args.size() > 3 && args[3] == "refuse-close";
  const std::wstring className = win32::Widen(args[1]);
  WNDCLASSEXW windowClass{sizeof(windowClass)};
  windowClass.lpfnWndProc = Procedure;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = className.c_str();
  if (!RegisterClassExW(&windowClass)) return 3;
  const HWND window = CreateWindowExW(WS_EX_TOOLWINDOW, className.c_str(), win32::Widen(args[2]).c_str(), WS_POPUP, 0,
                                      0, 10, 10, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  if (!window) return 4;
  ShowWindow(window, SW_SHOWNOACTIVATE);  // visible, so that tests can wait for it
  MSG message;
  for (;;) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got == -1) return 5;
    if (got == 0) {
      if (g_refuseClose) continue;
      return static_cast<int>(message.wParam);
    }
    DispatchMessageW(&message);
  }
}
