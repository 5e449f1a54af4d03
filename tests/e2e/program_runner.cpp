#include "tests/e2e/program_runner.h"

#include "common/path_text.h"
#include "win32/error.h"
#include "win32/shell_paths.h"
#include "win32/utf.h"

namespace e2e {

std::wstring DistFolder() {
  // The test programs live in build/windows/tests/e2e/, the program folder in build/windows/dist/.
  const std::string self = win32::Narrow(win32::ModuleFilePath());
  return win32::Widen(common::ExtractFilePath(self) + "..\\..\\dist\\");
}

RunningProgram::RunningProgram(const std::wstring& exe, const std::wstring& arguments, const std::wstring& workFolder) {
  std::wstring commandLine = L"\"" + exe + L"\"";
  if (!arguments.empty()) commandLine += L" " + arguments;
  const std::wstring folder = workFolder.empty() ? win32::Widen(common::ExtractFilePath(win32::Narrow(exe))) : workFolder;
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION info{};
  if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                      &info)) {
    win32::ThrowLastError("Cannot start " + win32::Narrow(exe));
  }
  CloseHandle(info.hThread);
  process_.reset(info.hProcess);
  processId_ = info.dwProcessId;
}

RunningProgram::~RunningProgram() {
  if (process_ && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT) {
    TerminateProcess(process_.get(), 1);
    WaitForSingleObject(process_.get(), 5000);
  }
}

std::optional<DWORD> RunningProgram::WaitForExit(DWORD timeoutMs) {
  if (WaitForSingleObject(process_.get(), timeoutMs) != WAIT_OBJECT_0) return std::nullopt;
  DWORD code = 0;
  GetExitCodeProcess(process_.get(), &code);
  return code;
}

std::optional<win32::testing::WindowInfo> RunningProgram::WaitForWindow(const std::string& className,
                                                                        DWORD timeoutMs) const {
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  do {
    for (const auto& window : win32::testing::TopLevelWindows(processId_)) {
      if (window.className == className) return window;
    }
    Sleep(50);
  } while (GetTickCount64() < deadline);
  return std::nullopt;
}

int CountWindows(const std::string& className) {
  int count = 0;
  for (const auto& window : win32::testing::TopLevelWindows()) count += window.className == className;
  return count;
}

std::string DescribeDesktop() {
  std::string text;
  for (const auto& window : win32::testing::TopLevelWindows()) text += win32::testing::Describe(window) + "\n";
  return text;
}

}  // namespace e2e
