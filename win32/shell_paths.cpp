#include "win32/shell_paths.h"

#include <knownfolders.h>

#include "win32/error.h"

namespace win32 {

std::wstring ModuleFilePath(HMODULE module) {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(module, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) ThrowLastError("Cannot read the program's file path");
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(path.size() * 2);  // truncated: try again with more room
  }
}

std::wstring KnownFolderPath(REFKNOWNFOLDERID folder) {
  PWSTR raw = nullptr;
  const HRESULT result = SHGetKnownFolderPath(folder, KF_FLAG_DEFAULT, nullptr, &raw);
  std::wstring path = SUCCEEDED(result) && raw ? raw : L"";
  CoTaskMemFree(raw);
  ThrowIfFailed(result, "Cannot find a shell folder");
  return path;
}

}  // namespace win32
