// Keyboard input as a user types it, for tests that drive real windows.
#pragma once

#include <windows.h>

#include <initializer_list>

namespace win32::testing {

// Presses `key` with `modifiers` held (pressed in order, released in reverse), through
// the system's input queue: it reaches the foreground window.
void PressKey(std::initializer_list<WORD> modifiers, WORD key);

}  // namespace win32::testing
