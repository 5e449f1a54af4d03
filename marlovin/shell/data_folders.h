// Where the side bar keeps its files. Each routine recomputes its path on every call;
// those that name a folder the side bar writes into create it (with missing parents)
// whenever it is missing. A folder that cannot be created is not reported here: the
// file operation that needs it fails and reports instead.
#pragma once

#include <string>

namespace marlovin {

// The folder of the running executable, with a trailing backslash.
std::string GetProgramFolder();
// The user's roaming application-data folder, without a trailing backslash.
std::string GetAppDataFolder();
// GetAppDataFolder + "\Corvan FM\" (created).
std::string GetDataFolder();
// GetDataFolder + "Temp_Files\" (created): the hand-off files for the tools.
std::string GetTempFilesFolder();
// GetTempFilesFolder + "archive_has_changed.txt" (the folder is created, the file is not).
std::string GetArchiveChangedFilePath();
// GetDataFolder + "database\" (created).
std::string GetDatabaseFolder();
// GetDatabaseFolder + "bookmarks.txt" (the folder is created, the file is not).
std::string GetBookmarksFilePath();

}  // namespace marlovin
