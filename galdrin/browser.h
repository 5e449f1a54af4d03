// Opening the written report in the web browser.
#pragma once

#include <windows.h>

#include <string>

namespace galdrin {

// Asks the shell to open `browser` with the file's path in double quotes. When that
// program cannot be started, the file is opened with the user's program for its type.
// Nothing is reported when neither starts.
void OpenInBrowser(HWND owner, const std::wstring& file, const std::wstring& browser = L"iexplore");

}  // namespace galdrin
