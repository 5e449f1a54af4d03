// Reading another program's list view from outside: the rows a user sees.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

// The first child window of `window` (at any depth) with this class, or null.
HWND FindChildWindow(HWND window, const std::wstring& className);

// The texts of every row of a report-style list view in another process, `columns`
// columns each. Reads through memory lent in that process, as LVM_GETITEMTEXT needs.
std::vector<std::vector<std::wstring>> ReadListView(HWND listView, int columns);

}  // namespace e2e
