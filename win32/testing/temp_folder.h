// A fresh folder under the user's temporary folder for one test, removed with all its
// content when the test ends.
#pragma once

#include <string>

namespace win32::testing {

class TempFolder {
 public:
  explicit TempFolder(const std::wstring& prefix = L"suite-test");
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  // The folder's full path, ending with a backslash.
  const std::wstring& Path() const noexcept { return path_; }

 private:
  std::wstring path_;
};

// Whole-file helpers for tests: bytes as they are on disk.
std::string ReadFileBytes(const std::wstring& path);
void WriteFileBytes(const std::wstring& path, const std::string& bytes);
bool FileExists(const std::wstring& path);

}  // namespace win32::testing
