// Loading a rich-text file into a rich edit control.
#pragma once

#include <windows.h>

#include <string>

namespace penderil {

// The class name of the rich edit control (loads its library on first use).
const wchar_t* RichEditClass();

// Replaces the control's content by the rich text of the file. Throws
// std::runtime_error naming the file when it cannot be opened or read.
void LoadRichText(HWND richEdit, const std::wstring& path);

}  // namespace penderil
