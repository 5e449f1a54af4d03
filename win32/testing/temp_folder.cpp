#include "win32/testing/temp_folder.h"

#include <windows.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "win32/error.h"
#include "win32/utf.h"

namespace win32::testing {

TempFolder::TempFolder(const std::wstring& prefix) {
  static std::atomic<unsigned> counter{0};
  wchar_t temp[MAX_PATH + 1] = {};
  if (!GetTempPathW(MAX_PATH + 1, temp)) ThrowLastError("Cannot find the temporary folder");
  path_ = std::wstring(temp) + prefix + L"-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
          std::to_wstring(GetTickCount64()) + L"-" + std::to_wstring(counter++) + L"\\";
  if (!CreateDirectoryW(path_.c_str(), nullptr)) ThrowLastError("Cannot create " + Narrow(path_));
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(std::filesystem::path(path_), ignored);
}

std::string ReadFileBytes(const std::wstring& path) {
  std::ifstream in(std::filesystem::path(path), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFileBytes(const std::wstring& path, const std::string& bytes) {
  std::ofstream out(std::filesystem::path(path), std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("Cannot write " + Narrow(path));
}

bool FileExists(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace win32::testing
