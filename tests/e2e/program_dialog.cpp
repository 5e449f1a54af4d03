#include "tests/e2e/program_dialog.h"

namespace e2e {

std::optional<win32::testing::WindowInfo> WaitForProgramDialog(DWORD processId, DWORD timeoutMs) {
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  do {
    for (const auto& window : win32::testing::TopLevelWindows(processId)) {
      if (window.className == "#32770") return window;
    }
    Sleep(50);
  } while (GetTickCount64() < deadline);
  return std::nullopt;
}

}  // namespace e2e
