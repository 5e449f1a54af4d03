#include "marlovin/shell/data_folders.h"

#include <windows.h>

#include <knownfolders.h>

#include <filesystem>
#include <system_error>

#include "common/fs_path.h"
#include "common/path_text.h"
#include "win32/shell_paths.h"
#include "win32/utf.h"

namespace marlovin {

namespace {

std::string CreatedFolder(std::string folder) {
  std::error_code ignored;  // a failure shows up later, in the operation that needs the folder
  std::filesystem::create_directories(common::ToFsPath(folder), ignored);
  return folder;
}

}  // namespace

std::string GetProgramFolder() { return common::ExtractFilePath(win32::Narrow(win32::ModuleFilePath())); }

std::string GetAppDataFolder() {
  std::string folder = win32::Narrow(win32::KnownFolderPath(FOLDERID_RoamingAppData));
  common::RemoveTrailingBackslash(folder);
  return folder;
}

std::string GetDataFolder() { return CreatedFolder(GetAppDataFolder() + "\\Corvan FM\\"); }

std::string GetTempFilesFolder() { return CreatedFolder(GetDataFolder() + "Temp_Files\\"); }

std::string GetArchiveChangedFilePath() { return GetTempFilesFolder() + "archive_has_changed.txt"; }

std::string GetDatabaseFolder() { return CreatedFolder(GetDataFolder() + "database\\"); }

std::string GetBookmarksFilePath() { return GetDatabaseFolder() + "bookmarks.txt"; }

}  // namespace marlovin
