#include "marlovin/shell/data_folders.h"

#include <windows.h>
#include <shlobj.h>

#include <filesystem>

#include <gtest/gtest.h>

#include "common/fs_path.h"
#include "win32/shell_paths.h"
#include "win32/utf.h"

namespace marlovin {
namespace {

bool FolderExists(const std::string& path) { return std::filesystem::is_directory(common::ToFsPath(path)); }

TEST(DataFolders, AppDataIsTheShellsFolderWithoutTrailingBackslash) {
  wchar_t shellPath[MAX_PATH];
  ASSERT_EQ(SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, shellPath), S_OK);
  EXPECT_EQ(GetAppDataFolder(), win32::Narrow(shellPath));
  EXPECT_FALSE(GetAppDataFolder().ends_with('\\'));
  EXPECT_TRUE(FolderExists(GetAppDataFolder()));
}

TEST(DataFolders, ProgramFolderHoldsTheRunningExecutable) {
  const std::string folder = GetProgramFolder();
  ASSERT_TRUE(folder.ends_with('\\'));
  EXPECT_EQ(folder + "marlovin_app_tests.exe", win32::Narrow(win32::ModuleFilePath()));
}

TEST(DataFolders, FoldersAreCreatedOnDemandEveryTimeTheyAreMissing) {
  const std::string data = GetAppDataFolder() + "\\Corvan FM\\";
  std::filesystem::remove_all(common::ToFsPath(data));

  EXPECT_EQ(GetDataFolder(), data);
  EXPECT_TRUE(FolderExists(data));
  std::filesystem::remove_all(common::ToFsPath(data));  // deleted while the program runs
  EXPECT_EQ(GetTempFilesFolder(), data + "Temp_Files\\");
  EXPECT_TRUE(FolderExists(data + "Temp_Files\\"));
  EXPECT_EQ(GetDatabaseFolder(), data + "database\\");
  EXPECT_TRUE(FolderExists(data + "database\\"));

  std::filesystem::remove_all(common::ToFsPath(data));
  // File paths: their folders are created, the files are not.
  EXPECT_EQ(GetArchiveChangedFilePath(), data + "Temp_Files\\archive_has_changed.txt");
  EXPECT_EQ(GetBookmarksFilePath(), data + "database\\bookmarks.txt");
  EXPECT_TRUE(FolderExists(data + "Temp_Files\\"));
  EXPECT_TRUE(FolderExists(data + "database\\"));
  EXPECT_FALSE(std::filesystem::exists(common::ToFsPath(data + "Temp_Files\\archive_has_changed.txt")));
  EXPECT_FALSE(std::filesystem::exists(common::ToFsPath(data + "database\\bookmarks.txt")));
}

}  // namespace
}  // namespace marlovin
