// Message boxes and dialogs of a program started by a whole-program test.
#pragma once

#include <windows.h>

#include <optional>

#include "win32/testing/window_list.h"

namespace e2e {

// A visible dialog or message box (class "#32770") of the process, once one shows.
std::optional<win32::testing::WindowInfo> WaitForProgramDialog(DWORD processId, DWORD timeoutMs);

}  // namespace e2e
