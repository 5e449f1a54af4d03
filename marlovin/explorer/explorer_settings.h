// The side bar reads each Explorer window's folder from its address bar, which shows a
// full path only while Explorer is set to show full paths. These routines check those
// per-user settings under HKEY_CURRENT_USER\<kCabinetStateKey>, repair them when they
// are wrong (and end the side bar, which then has to be started again), and restart
// Explorer so that new settings take effect.
#pragma once

#include <windows.h>

#include <string>

namespace marlovin {

inline constexpr wchar_t kCabinetStateKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\CabinetState";

// The "Settings" value in compare form (two upper-case digits and a blank per byte).
// Empty when the key or the value is missing or the value is not a byte string; a
// value longer than 12 bytes gives all of its bytes, so it never compares equal.
std::string ReadCabinetStateSettings();

// True when "Settings" holds the 12 required bytes and "FullPathAddress" and
// "FullPath" are the integer 1. Reads only: one key opening, three values.
bool ExplorerSettingsAreSet();

// Writes the 12 required bytes as the byte-string value "Settings", creating the key
// when it is missing. Throws win32::Win32Error naming the key when it cannot.
void WriteCabinetStateSettings();

// True when the settings are right; nothing is shown then. Otherwise explains what is
// about to change, writes "FullPathAddress" = 1, "FullPath" = 1 and "Settings", asks
// whether to restart Explorer now (restarting it on Yes, saying that the program works
// from the next login on No), tells the program to end (WM_QUIT on this thread) and
// returns false: the caller must stop its work.
bool CheckExplorerSettings();

// Closes Explorer's desktop window ("Progman") and starts "explorer.exe" again.
void RestartExplorer();

// Closes every top-level window with a title whose class is "progman" (letter case
// ignored), with its process when it does not close.
void CloseProgramManager();

// Closes the top-level window of `window`: WM_CLOSE with up to 5 s to answer; when the
// window is still there, WM_QUIT to its thread and then its process is terminated. A
// window of the calling process itself only gets the WM_CLOSE.
void CloseWindowProcess(HWND window);

}  // namespace marlovin
