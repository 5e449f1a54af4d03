#include "marlovin/explorer/open_in_explorer.h"

#include <windows.h>
#include <shellapi.h>

#include <filesystem>
#include <system_error>

#include "common/comma_text.h"
#include "common/fs_path.h"
#include "marlovin/explorer/special_folders.h"
#include "win32/utf.h"

namespace marlovin {

namespace {

bool ExistsAsFileOrFolder(const std::string& path) {
  std::error_code ignored;
  return !path.empty() && std::filesystem::exists(common::ToFsPath(path), ignored);
}

}  // namespace

void OpenFoldersInExplorer(const std::vector<std::string>& folders) {
  for (const std::string& entry : folders) {
    std::string target = entry;
    if (!ExistsAsFileOrFolder(entry)) {
      std::string special = SpecialFolderPathFromDisplayName(entry);
      if (special != kNoSpecialFolder) target = std::move(special);
    }
    const std::wstring argument = L"\"" + win32::Widen(target) + L"\"";
    // The result is not examined: Explorer shows its own message for a folder it cannot open.
    ShellExecuteW(nullptr, L"open", L"explorer.exe", argument.c_str(), nullptr, SW_SHOWNORMAL);
  }
}

void OpenCommaTextInExplorer(const std::string& text) { OpenFoldersInExplorer(common::FromCommaText(text)); }

}  // namespace marlovin
