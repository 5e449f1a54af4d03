#include "marlovin/shell/archive_utils.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>

#include <gtest/gtest.h>

#include "common/fs_path.h"
#include "common/text_case.h"

namespace marlovin {
namespace {

namespace fs = std::filesystem;

// A scratch folder per test; `Root()` is its path text as the suite writes paths.
class FolderTreeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    dir_ = fs::temp_directory_path() / ("suite-tree-" + std::string(info->name()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    root_ = common::FromFsPath(dir_);
    RemoveTrailingBackslash(root_);
    if (root_.ends_with('/')) root_.pop_back();
  }
  void TearDown() override { fs::remove_all(dir_); }

  // Creates a file (and its folders) from a path relative to the scratch folder.
  void MakeFile(const std::string& relative) {
    const fs::path path = common::ToFsPath(root_ + "\\" + relative);
    fs::create_directories(path.parent_path());
    std::ofstream(path) << "x";
  }
  void MakeFolder(const std::string& relative) { fs::create_directories(common::ToFsPath(root_ + "\\" + relative)); }
  const std::string& Root() const { return root_; }

  fs::path dir_;
  std::string root_;
};

using Entries = std::vector<std::string>;

Entries Prefixed(const std::string& root, const Entries& relative) {
  Entries out;
  for (const auto& r : relative) out.push_back(root + r);
  return out;
}

TEST_F(FolderTreeTest, ListsFoldersThenFilesInCaseInsensitiveOrder) {
  MakeFile("A\\x.txt");
  MakeFile("A\\B\\y.txt");
  Entries result;
  TOptionsStruct options;
  options.IncludeFolders = options.IncludeFiles = options.StripFolderMasks = true;
  ListFolderTree(Root() + "\\A\\*.*", result, options);
  EXPECT_EQ(result, Prefixed(Root(), {"\\A", "\\A\\B", "\\A\\B\\y.txt", "\\A\\x.txt"}));
}

TEST_F(FolderTreeTest, OptionsShapeTheEntries) {
  MakeFile("Data\\Sub\\x.txt");
  MakeFile("Data\\Sub\\C\\z.txt");
  const std::string mask = Root() + "\\Data\\Sub\\*.*";
  const std::string parent = Root() + "\\Data\\";
  struct Case {
    const char* what;
    TOptionsStruct options;
    Entries expected;
  };
  const Case cases[] = {
      {"files only", {.IncludeFiles = true}, Prefixed(Root(), {"\\Data\\Sub\\C\\z.txt", "\\Data\\Sub\\x.txt"})},
      {"folders with their masks",
       {.IncludeFolders = true},
       Prefixed(Root(), {"\\Data\\Sub\\*.*", "\\Data\\Sub\\C\\*.*"})},
      {"archiver hand-off: masks cut after sorting",
       {.IncludeFolders = true, .IncludeFiles = true, .CutMasks = true},
       Prefixed(Root(), {"\\Data\\Sub\\", "\\Data\\Sub\\C\\", "\\Data\\Sub\\C\\z.txt", "\\Data\\Sub\\x.txt"})},
      {"relative to the listed folder's parent",
       {.IncludeFolders = true, .IncludeFiles = true, .MakeRelative = true, .StripFolderMasks = true},
       {"Sub", "Sub\\C", "Sub\\C\\z.txt", "Sub\\x.txt"}},
      {"relative to an explicit base folder, cut by length only",
       {.IncludeFiles = true, .MakeRelative = true, .UseBaseFolder = true, .BaseFolder = parent + "Sub\\"},
       {"C\\z.txt", "x.txt"}},
  };
  for (const auto& c : cases) {
    Entries result;
    ListFolderTree(mask, result, c.options);
    EXPECT_EQ(result, c.expected) << c.what;
  }
}

TEST_F(FolderTreeTest, DeepTreeListsEveryFolderAndFileExactlyOnce) {
  // Names beginning with letters, digits and punctuation, at several depths, so that
  // sub-folders sort before, between and after their parents' other entries.
  const Entries names = {"alpha", "Beta", "0zero", "9nine", "_under", "-dash", "(paren)", "~tilde", "!bang", "z.dot"};
  std::set<std::string> expected;
  std::vector<std::string> level = {""};
  for (int depth = 0; depth < 3; ++depth) {
    std::vector<std::string> next;
    for (const auto& parent : level) {
      for (std::size_t i = 0; i < names.size(); i += depth + 1) {
        const std::string folder = parent + "\\" + names[i];
        MakeFolder(folder.substr(1));
        MakeFile(folder.substr(1) + "\\f" + names[i] + ".txt");
        expected.insert(Root() + folder);
        expected.insert(Root() + folder + "\\f" + names[i] + ".txt");
        next.push_back(folder);
      }
    }
    level = next;
  }
  Entries result;
  TOptionsStruct options;
  options.IncludeFolders = options.IncludeFiles = options.StripFolderMasks = true;
  ListFolderTree(Root() + "\\*.*", result, options);

  std::set<std::string> listed(result.begin(), result.end());
  EXPECT_EQ(listed.size(), result.size()) << "an entry was listed twice";
  listed.erase(Root());  // the top entry itself
  EXPECT_EQ(listed, expected);
  EXPECT_TRUE(std::is_sorted(result.begin(), result.end(),
                             [](const auto& a, const auto& b) { return common::CompareText(a, b) < 0; }));
}

TEST_F(FolderTreeTest, TopMaskAppliesToTheTopFolderOnly) {
  MakeFile("keep.txt");
  MakeFile("skip.doc");
  MakeFile("sub.txt\\inner.doc");  // a folder matching the mask is searched whole
  Entries result;
  ListFolderTree(Root() + "\\*.txt", result, {.IncludeFiles = true});
  EXPECT_EQ(result, Prefixed(Root(), {"\\keep.txt", "\\sub.txt\\inner.doc"}));
}

TEST_F(FolderTreeTest, MissingFolderGivesOnlyTheTopEntry) {
  Entries files;
  ListFolderTree(Root() + "\\absent\\*.*", files, {.IncludeFiles = true});
  EXPECT_TRUE(files.empty());
  Entries both;
  ListFolderTree(Root() + "\\absent\\*.*", both, {.IncludeFolders = true, .IncludeFiles = true, .StripFolderMasks = true});
  EXPECT_EQ(both, Entries{Root() + "\\absent"});
}

TEST_F(FolderTreeTest, EarlierEntriesOfTheResultAreSortedWithTheNewOnes) {
  MakeFile("m.txt");
  Entries result = {"zzz", "AAA"};
  ListFolderTree(Root() + "\\*.*", result, {.IncludeFiles = true});
  Entries expected = {"zzz", "AAA", Root() + "\\m.txt"};
  std::sort(expected.begin(), expected.end(),
            [](const auto& a, const auto& b) { return common::CompareText(a, b) < 0; });
  EXPECT_EQ(result, expected);
}

TEST_F(FolderTreeTest, LinkBackToAnAncestorIsNotFollowedIntoALoop) {
  MakeFile("top\\a\\file.txt");
  std::error_code ec;
  fs::create_directory_symlink(dir_ / "top", dir_ / "top" / "a" / "loop", ec);
  if (ec) GTEST_SKIP() << "this system cannot make folder links: " << ec.message();
  Entries result;
  ListFolderTree(Root() + "\\top\\*.*", result, {.IncludeFiles = true});
  // The link leads back to the folder being listed: it is not searched again.
  EXPECT_EQ(result, Entries{Root() + "\\top\\a\\file.txt"});
}

TEST(SuggestArchiveName, NamesTheItemOrTheFolderHoldingTheFirst) {
  const struct { Entries paths; const char* name; } cases[] = {
      {{"C:\\A\\x.txt"}, "x.txt"},
      {{"C:\\A\\B\\x.txt", "C:\\A\\B\\y.txt"}, "B"},
      {{"C:\\x.txt", "C:\\y.txt"}, "C"},
      {{"C:\\A\\B"}, "B"},
      {{"C:\\"}, ""},
      {{"x.txt", "y.txt"}, ""},
      {{"\\\\server\\share\\x.txt", "\\\\server\\share\\y.txt"}, "share"},
  };
  for (const auto& c : cases) EXPECT_EQ(SuggestArchiveName(c.paths), c.name) << c.paths.front();
}

}  // namespace
}  // namespace marlovin
