// The save dialog that asks where the report goes.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace galdrin {

// Shows the save dialog with "System_Report.html" as the file name and "*.html" as the
// filter. No extension is added, and an existing file is replaced without a question.
// Returns the chosen full path, or nothing when the user cancelled.
std::optional<std::wstring> AskReportFile(HWND owner);

}  // namespace galdrin
