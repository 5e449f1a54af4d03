#include "penderil/rename_list.h"

#include <gtest/gtest.h>

namespace penderil {
namespace {

struct SplitCase {
  const char* path;
  const char* fileName;
  const char* folder;
  const char* extension;
  const char* baseName;
};

TEST(SplitPath, TakesEachPartAtTheLastDelimiter) {
  const SplitCase cases[] = {
      {R"(C:\Photos\Beach.JPG)", "Beach.JPG", R"(C:\Photos\)", ".JPG", "Beach"},
      {R"(C:\Photos\pic.tar.gz)", "pic.tar.gz", R"(C:\Photos\)", ".gz", "pic.tar"},
      {R"(C:\Photos\notes)", "notes", R"(C:\Photos\)", "", "notes"},
      {R"(C:\Photos\.profile)", ".profile", R"(C:\Photos\)", ".profile", ""},
      {R"(C:\Backup.old\readme)", "readme", R"(C:\Backup.old\)", "", "readme"},
      // A colon ends the folder too; no delimiter means no folder; a trailing delimiter
      // leaves no name.
      {"C:file.txt", "file.txt", "C:", ".txt", "file"},
      {"plain name.doc", "plain name.doc", "", ".doc", "plain name"},
      {R"(C:\Photos\)", "", R"(C:\Photos\)", "", ""},
      {"", "", "", "", ""},
      {R"(C:\Fotos\Straße.TXT)", "Straße.TXT", R"(C:\Fotos\)", ".TXT", "Straße"},
  };
  for (const auto& c : cases) {
    const PathParts parts = SplitPath(c.path);
    EXPECT_EQ(parts.fileName, c.fileName) << c.path;
    EXPECT_EQ(parts.folder, c.folder) << c.path;
    EXPECT_EQ(parts.extension, c.extension) << c.path;
    EXPECT_EQ(parts.baseName, c.baseName) << c.path;
  }
}

// Paths of every length with delimiters and dots at every position against the word
// boundaries of the scan, split as the rule says.
TEST(SplitPath, AgreesWithTheRuleOnManyPaths) {
  const std::string alphabet = "ab\\:.\xC3\xA9 ";
  unsigned seed = 4242;
  const auto next = [&] { return seed = seed * 1103515245u + 12345u, (seed >> 16) & 0x7fff; };
  for (int i = 0; i < 20000; ++i) {
    std::string path(next() % 40, ' ');
    for (char& c : path) c = alphabet[next() % alphabet.size()];
    const std::size_t delimiter = path.find_last_of("\\:");
    const std::size_t nameStart = delimiter == std::string::npos ? 0 : delimiter + 1;
    const std::string name = path.substr(nameStart);
    const std::size_t dot = name.find_last_of('.');
    const std::string extension = dot == std::string::npos ? "" : name.substr(dot);
    const PathParts parts = SplitPath(path);
    ASSERT_EQ(parts.folder, path.substr(0, nameStart)) << path;
    ASSERT_EQ(parts.fileName, name) << path;
    ASSERT_EQ(parts.extension, extension) << path;
    ASSERT_EQ(parts.baseName, name.substr(0, name.size() - extension.size())) << path;
  }
}

TEST(AddFileToList, AppendsAnEntryNamedAfterThePathInOrder) {
  RenameList list;
  AddFileToList(list, R"(C:\Photos\Beach.JPG)");
  AddFileToList(list, R"(C:\Photos\Beach.JPG)");  // the same path twice makes two entries
  AddFileToList(list, "");
  ASSERT_EQ(list.size(), 3u);
  EXPECT_EQ(list[0].fullPath, R"(C:\Photos\Beach.JPG)");
  EXPECT_EQ(list[0].OldName(), "Beach.JPG");
  EXPECT_EQ(list[0].newName, "Beach.JPG");
  EXPECT_EQ(list[0].Location(), R"(C:\Photos\)");
  EXPECT_EQ(list[0].image, kImageNotLoaded);
  EXPECT_FALSE(list[0].selected);
  EXPECT_EQ(list[1].fullPath, list[0].fullPath);
  EXPECT_EQ(list[2].OldName(), "");

  ClearFileList(list);
  EXPECT_TRUE(list.empty());
}

}  // namespace
}  // namespace penderil
