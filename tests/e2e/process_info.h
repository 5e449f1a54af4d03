// What a whole-program test can learn about another running process: how it was started
// and when.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

namespace e2e {

// The command line the process was started with (read from its process parameters);
// throws when the process cannot be read.
std::wstring ProcessCommandLine(DWORD processId);

// When the process was created, in 100-nanosecond units; processes started one after
// another have increasing times.
std::uint64_t ProcessCreationTime(DWORD processId);

}  // namespace e2e
