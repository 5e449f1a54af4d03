// Failures of Win32, registry and COM calls as exceptions whose message says what was
// attempted, on which object, and what Windows answered.
#pragma once

#include <windows.h>

#include <stdexcept>
#include <string>
#include <string_view>

namespace win32 {

class Win32Error : public std::runtime_error {
 public:
  Win32Error(std::string_view what, DWORD code);
  DWORD Code() const noexcept { return code_; }

 private:
  DWORD code_;
};

// Windows' own text for an error code (no trailing line break).
std::string SystemMessage(DWORD code);

[[noreturn]] void ThrowLastError(std::string_view what);
[[noreturn]] void ThrowError(std::string_view what, DWORD code);

// Throws Win32Error when a COM call failed.
void ThrowIfFailed(HRESULT result, std::string_view what);

}  // namespace win32
