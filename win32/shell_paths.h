// Paths Windows knows: the running program's own file and the shell's known folders.
// No 260-character limit applies to either.
#pragma once

#include <windows.h>
#include <shlobj.h>

#include <string>

namespace win32 {

// Full path of the running executable (or of `module`).
std::wstring ModuleFilePath(HMODULE module = nullptr);

// The file-system path of a known folder (FOLDERID_RoamingAppData...), as the shell
// gives it. Throws Win32Error when the folder has no file-system path.
std::wstring KnownFolderPath(REFKNOWNFOLDERID folder);

}  // namespace win32
