#include "penderil/windows_ports.h"

#include <windows.h>

#include <string>

#include <gtest/gtest.h>

#include "common/fs_path.h"
#include "penderil/test_folder.h"
#include "win32/utf.h"

namespace penderil {
namespace {

using testing::Content;
using testing::NameOnDisk;
using TempFolder = testing::TestFolder;

TEST(WindowsFileRenamer, RenamesWithoutEverReplacingAFile) {
  TempFolder folder;
  WindowsFileRenamer files;
  const std::string one = folder.Make("1.txt", "one");
  const std::string two = folder.Make("2.txt", "two");
  EXPECT_FALSE(files.RenameItem(one, two));
  EXPECT_EQ(Content(one), "one");
  EXPECT_EQ(Content(two), "two");
  EXPECT_TRUE(files.RenameItem(two, folder.Path() + "3.txt"));
  EXPECT_EQ(Content(folder.Path() + "3.txt"), "two");
  EXPECT_FALSE(files.RenameItem(folder.Path() + "gone.txt", folder.Path() + "4.txt"));
  EXPECT_FALSE(files.RenameItem("", folder.Path() + "4.txt"));
}

TEST(WindowsFileRenamer, ALetterCaseChangeRenames) {
  TempFolder folder;
  WindowsFileRenamer files;
  const std::string file = folder.Make("holiday.JPG");
  EXPECT_TRUE(files.RenameItem(file, folder.Path() + "Holiday.jpg"));
  EXPECT_EQ(NameOnDisk(folder.Path() + "holiday.jpg"), "Holiday.jpg");
}

TEST(WindowsFileRenamer, RenamesFoldersAndPathsBeyond260Characters) {
  TempFolder folder;
  WindowsFileRenamer files;
  std::string deep = folder.Path();
  while (deep.size() < 300) {
    deep += std::string(40, 'd') + "\\";
    CreateDirectoryW(common::ToFsPath(deep).c_str(), nullptr);
  }
  const std::string file = deep + "long.txt";
  HANDLE handle = CreateFileW(common::ToFsPath(file).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(handle, INVALID_HANDLE_VALUE);
  CloseHandle(handle);
  EXPECT_TRUE(files.RenameItem(file, deep + "longer.txt"));
  EXPECT_EQ(NameOnDisk(deep + "longer.txt"), "longer.txt");
  const std::string sub = folder.Path() + "sub";
  CreateDirectoryW(common::ToFsPath(sub).c_str(), nullptr);
  EXPECT_TRUE(files.RenameItem(sub, folder.Path() + "renamed folder"));
  EXPECT_EQ(NameOnDisk(folder.Path() + "renamed folder"), "renamed folder");
}

}  // namespace
}  // namespace penderil
