// A stand-in for an outside program (a web browser, a tool) in whole-program tests:
// every start appends its command line, as UTF-8 and ended by CR LF, to the file
// "<its own path>.command-lines.txt", then it ends. Copy it under the name the program
// under test starts.
#include <windows.h>

#include <string>

#include "win32/handles.h"
#include "win32/shell_paths.h"
#include "win32/utf.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  const std::wstring record = win32::ModuleFilePath() + L".command-lines.txt";
  const std::string line = win32::Narrow(GetCommandLineW()) + "\r\n";
  // Starts that come at the same moment take turns: each holds the file alone while it
  // appends, so no line is lost or mixed with another.
  win32::UniqueHandle file;
  for (int attempt = 0; attempt < 500; ++attempt) {
    file.reset(CreateFileW(record.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file || GetLastError() != ERROR_SHARING_VIOLATION) break;
    Sleep(10);
  }
  if (!file) return 1;
  DWORD written = 0;
  return WriteFile(file.get(), line.data(), static_cast<DWORD>(line.size()), &written, nullptr) &&
                 written == line.size()
             ? 0
             : 1;
}
