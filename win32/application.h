// What every program of the suite does the same way: the application title used by
// message boxes, the standard error box for an exception nobody caught, and the
// message loop.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>

namespace win32 {

// Registers the common controls and remembers the application title (the caption of
// the program's message boxes). Call once at the start of the program.
void InitApplication(std::wstring title);
const std::wstring& ApplicationTitle();

// The text the standard error box shows for an exception message: a full stop is added
// unless the message already ends with one (or with other punctuation below ".").
std::wstring ErrorBoxText(std::string_view message);

// Shows the standard error box: the message, the application title, a stop icon, OK.
void ShowErrorBox(HWND owner, std::string_view message);

// Inside a catch block: shows the exception being handled in the standard error box.
void ReportCurrentException(HWND owner) noexcept;

// Runs the message loop until WM_QUIT and returns its exit code. `preTranslate` sees
// every message first and returns true when it handled it (dialog keys, accelerators).
int RunMessageLoop(const std::function<bool(MSG&)>& preTranslate = {});

// Lets pending messages run (repaints, progress) during a long job on the UI thread.
void ProcessMessages();

}  // namespace win32
