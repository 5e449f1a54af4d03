// Folder listing on Windows through FindFirstFileExW: no path length limit, and the
// entry's attributes come with its name, so no extra call per entry.
#include <windows.h>

#include "common/directory_list.h"
#include "common/fs_path.h"
#include "win32/handles.h"
#include "win32/utf.h"

namespace common {

namespace {

std::wstring SystemPath(std::string_view folder) {
  return ToFsPath(folder.empty() ? "." : folder).wstring();
}

}  // namespace

bool ListDirectory(std::string_view folder, const std::function<void(const DirectoryEntry&)>& visit) {
  std::wstring pattern = SystemPath(folder);
  if (!pattern.empty() && pattern.back() != L'\\') pattern += L'\\';
  pattern += L'*';
  WIN32_FIND_DATAW data;
  const win32::UniqueFindHandle search(
      FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &data, FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH));
  if (!search) return false;
  DirectoryEntry entry;
  do {
    const std::wstring_view name = data.cFileName;
    if (name == L"." || name == L"..") continue;
    entry.name = win32::Narrow(name);
    entry.isFolder = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    visit(entry);
  } while (FindNextFileW(search.get(), &data));
  return true;
}

std::string FolderIdentity(std::string_view folder) {
  // Opening a folder needs backup semantics; the handle follows links and junctions.
  const win32::UniqueHandle handle(CreateFileW(SystemPath(folder).c_str(), FILE_READ_ATTRIBUTES,
                                               FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                               OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  BY_HANDLE_FILE_INFORMATION info;
  if (!handle || !GetFileInformationByHandle(handle.get(), &info)) return {};
  return std::to_string(info.dwVolumeSerialNumber) + ":" + std::to_string(info.nFileIndexHigh) + ":" +
         std::to_string(info.nFileIndexLow);
}

}  // namespace common
