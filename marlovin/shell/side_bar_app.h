// The side bar program: one instance, its forms created once, the message loop.
#pragma once

namespace marlovin {

// Runs the side bar until its window closes; the result is the program's exit code.
int RunSideBar();

}  // namespace marlovin
