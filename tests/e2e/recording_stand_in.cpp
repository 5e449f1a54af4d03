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
  const win32::UniqueHandle file(CreateFileW(record.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                             nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return 1;
  DWORD written = 0;
  return WriteFile(file.get(), line.data(), static_cast<DWORD>(line.size()), &written, nullptr) &&
                 written == line.size()
             ? 0
             : 1;
}
