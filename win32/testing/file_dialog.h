// Answering a common open or save dialog as a user would: read the file name it
// proposes, type another into its file name box, press a button. Works on a dialog of
// this process (from the watchdog's thread) and on one of another process.
#pragma once

#include <windows.h>

#include <string>

namespace win32::testing {

// The dialog's file name box, or null when the dialog is not a file dialog.
HWND FileDialogNameBox(HWND dialog);

// The text in the file name box.
std::wstring FileDialogName(HWND dialog);

// Replaces the text in the file name box and presses Save (or Open): IDOK.
void AnswerFileDialog(HWND dialog, const std::wstring& path);

}  // namespace win32::testing
