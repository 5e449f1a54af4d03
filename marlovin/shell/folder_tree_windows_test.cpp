// The folder listing against the real Windows file system: file attributes and paths
// beyond 260 characters.
#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "common/fs_path.h"
#include "marlovin/shell/archive_utils.h"
#include "win32/utf.h"

namespace marlovin {
namespace {

namespace fs = std::filesystem;

// std::filesystem::remove_all of this C++ library cannot remove trees deeper than 260
// characters on Windows; the Win32 calls can.
void RemoveTree(const fs::path& folder) {
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec); !ec && it != fs::directory_iterator(); it.increment(ec)) {
    SetFileAttributesW(it->path().c_str(), FILE_ATTRIBUTE_NORMAL);
    if (it->is_directory()) {
      RemoveTree(it->path());
    } else {
      DeleteFileW(it->path().c_str());
    }
  }
  RemoveDirectoryW(folder.c_str());
}

class FolderTreeOnWindows : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    root_ = common::FromFsPath(fs::temp_directory_path()) + "suite-tree-win-" + info->name();
    RemoveTree(common::ToFsPath(root_));
    fs::create_directories(common::ToFsPath(root_));
  }
  void TearDown() override { RemoveTree(common::ToFsPath(root_)); }
  void MakeFile(const std::string& path, DWORD attributes) {
    fs::create_directories(common::ToFsPath(path).parent_path());
    std::ofstream(common::ToFsPath(path)) << "data";
    ASSERT_TRUE(SetFileAttributesW(common::ToFsPath(path).c_str(), attributes)) << path;
  }

  std::string root_;
};

TEST_F(FolderTreeOnWindows, EveryNonFolderCountsAsAFileWhateverItsAttributes) {
  const struct { const char* name; DWORD attributes; } files[] = {
      {"plain.txt", FILE_ATTRIBUTE_NORMAL},
      {"hidden.txt", FILE_ATTRIBUTE_HIDDEN},
      {"system.sys", FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_HIDDEN},
      {"readonly.txt", FILE_ATTRIBUTE_READONLY},
      {"temporary.tmp", FILE_ATTRIBUTE_TEMPORARY},
      {"unindexed.dat", FILE_ATTRIBUTE_NOT_CONTENT_INDEXED},
      {"offline.dat", FILE_ATTRIBUTE_OFFLINE},
  };
  std::vector<std::string> expected;
  for (const auto& f : files) {
    MakeFile(root_ + "\\sub\\" + f.name, f.attributes);
    expected.push_back(root_ + "\\sub\\" + f.name);
  }
  std::vector<std::string> result;
  ListFolderTree(root_ + "\\*.*", result, {.IncludeFiles = true});
  std::sort(expected.begin(), expected.end());
  std::sort(result.begin(), result.end());
  EXPECT_EQ(result, expected);
}

TEST_F(FolderTreeOnWindows, PathsLongerThan260CharactersAreListed) {
  std::string deep = root_;
  while (deep.size() < 400) deep += "\\a-rather-long-folder-name-" + std::to_string(deep.size());
  const std::string file = deep + "\\deep file.txt";
  MakeFile(file, FILE_ATTRIBUTE_NORMAL);
  std::vector<std::string> result;
  ListFolderTree(root_ + "\\*.*", result, {.IncludeFiles = true});
  EXPECT_EQ(result, std::vector<std::string>{file});
}

}  // namespace
}  // namespace marlovin
