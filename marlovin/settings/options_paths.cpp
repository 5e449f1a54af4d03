#include "marlovin/settings/options_paths.h"

#include <filesystem>
#include <system_error>

#include "common/fs_path.h"
#include "marlovin/explorer/shell_explorer_folders.h"
#include "marlovin/shell/data_folders.h"

namespace marlovin {

std::string GetOptionsFolder() {
  const std::string folder = GetAppDataFolder() + "\\Marlovin\\";
  std::error_code ignored;  // reported by the file operation that needs the folder
  std::filesystem::create_directories(common::ToFsPath(folder), ignored);
  return folder;
}

std::string GetOptionsFilePath() { return GetOptionsFolder() + "options.ini"; }

std::string GetDefaultsFilePath() { return GetProgramFolder() + "default.ini"; }

std::unique_ptr<TMarlovinTextConfig> CreateSideBarConfig() {
  return std::make_unique<TMarlovinTextConfig>(GetOptionsFilePath(), GetDefaultsFilePath(),
                                               std::make_unique<ShellExplorerFolders>());
}

}  // namespace marlovin
