// Starting the suite's real programs from a whole-program test and watching them from
// outside, as a user would see them.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "win32/handles.h"
#include "win32/testing/window_list.h"

namespace e2e {

// The staged program folder (build/windows/dist\), with a trailing backslash.
std::wstring DistFolder();

class RunningProgram {
 public:
  // Starts `exe` with `arguments` (appended to the quoted exe path) in `workFolder`
  // (empty: the exe's folder). Throws when the program cannot be started.
  RunningProgram(const std::wstring& exe, const std::wstring& arguments = L"", const std::wstring& workFolder = L"");
  ~RunningProgram();  // a program still running at the end of a test is ended
  RunningProgram(RunningProgram&&) = default;

  DWORD ProcessId() const { return processId_; }
  // The exit code once the program ended within the time, nothing otherwise.
  std::optional<DWORD> WaitForExit(DWORD timeoutMs);
  // A visible top-level window of this program with the given class, or nothing.
  std::optional<win32::testing::WindowInfo> WaitForWindow(const std::string& className, DWORD timeoutMs) const;

 private:
  win32::UniqueHandle process_;
  DWORD processId_ = 0;
};

// Visible top-level windows of any process with this class.
int CountWindows(const std::string& className);

// Everything visible on the desktop now, one window a line (for failure messages).
std::string DescribeDesktop();

}  // namespace e2e
