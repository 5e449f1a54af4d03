// For Penderil's Windows tests: a fresh folder under the temporary folder, with helpers
// to make files and read them back, removed with everything in it (long paths too).
#pragma once

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "common/directory_list.h"
#include "common/fs_path.h"
#include "win32/utf.h"

namespace penderil::testing {

class TestFolder {
 public:
  TestFolder() {
    wchar_t base[MAX_PATH];
    GetTempPathW(MAX_PATH, base);
    static int count = 0;
    path_ = win32::Narrow(base) + "penderil-test-" + std::to_string(GetCurrentProcessId()) + "-" +
            std::to_string(++count) + "\\";
    RemoveTree(path_);
    CreateDirectoryW(common::ToFsPath(path_).c_str(), nullptr);
  }
  ~TestFolder() { RemoveTree(path_); }
  TestFolder(const TestFolder&) = delete;
  TestFolder& operator=(const TestFolder&) = delete;

  // The folder's path, ending in a backslash.
  const std::string& Path() const { return path_; }

  // Writes a file (bytes as given) and returns its full path.
  std::string Make(const std::string& name, const std::string& content = "x") const {
    const std::string file = path_ + name;
    const HANDLE handle = CreateFileW(common::ToFsPath(file).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(handle, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
    CloseHandle(handle);
    return file;
  }

  // The names in the folder, sorted, as the file system spells them.
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    common::ListDirectory(path_, [&](const common::DirectoryEntry& entry) { names.push_back(entry.name); });
    std::sort(names.begin(), names.end());
    return names;
  }

 private:
  static void RemoveTree(const std::string& folder) {
    common::ListDirectory(folder, [&](const common::DirectoryEntry& entry) {
      const std::string path = folder + (folder.ends_with('\\') ? "" : "\\") + entry.name;
      if (entry.isFolder) {
        RemoveTree(path);
      } else {
        DeleteFileW(common::ToFsPath(path).c_str());
      }
    });
    RemoveDirectoryW(common::ToFsPath(folder).c_str());
  }

  std::string path_;
};

// The name on disk of the item at `path`, in the letter case the file system keeps;
// empty when there is none.
inline std::string NameOnDisk(const std::string& path) {
  WIN32_FIND_DATAW found{};
  const HANDLE find = FindFirstFileW(common::ToFsPath(path).c_str(), &found);
  if (find == INVALID_HANDLE_VALUE) return "";
  FindClose(find);
  return win32::Narrow(found.cFileName);
}

inline std::string Content(const std::string& path) {
  const HANDLE handle = CreateFileW(common::ToFsPath(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, 0, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return "<missing>";
  char buffer[256] = {};
  DWORD read = 0;
  ReadFile(handle, buffer, sizeof buffer, &read, nullptr);
  CloseHandle(handle);
  return std::string(buffer, read);
}

}  // namespace penderil::testing
