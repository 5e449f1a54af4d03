#include "common/path_text.h"

#include <gtest/gtest.h>

namespace common {
namespace {

TEST(PathText, SplitsAtTheLastBackslashOrColon) {
  const struct { const char* path; const char* folder; const char* name; const char* ext; const char* drive; } cases[] = {
      {"C:\\Data\\file.txt", "C:\\Data\\", "file.txt", ".txt", "C:"},
      {"C:\\", "C:\\", "", "", "C:"},
      {"C:file.tar.gz", "C:", "file.tar.gz", ".gz", "C:"},
      {"name", "", "name", "", ""},
      {"C:\\dir.d\\noext", "C:\\dir.d\\", "noext", "", "C:"},
      {"\\\\server\\share\\x.doc", "\\\\server\\share\\", "x.doc", ".doc", "\\\\server\\share"},
      {"", "", "", "", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ExtractFilePath(c.path), c.folder) << c.path;
    EXPECT_EQ(ExtractFileName(c.path), c.name) << c.path;
    EXPECT_EQ(ExtractFileExt(c.path), c.ext) << c.path;
    EXPECT_EQ(ExtractFileDrive(c.path), c.drive) << c.path;
  }
}

TEST(PathText, TrailingBackslashRoutinesLeaveEmptyTextEmpty) {
  const struct { const char* in; const char* removed; const char* appended; } cases[] = {
      {"", "", ""},
      {"C:\\Data", "C:\\Data", "C:\\Data\\"},
      {"C:\\Data\\", "C:\\Data", "C:\\Data\\"},
      {"\\\\", "\\", "\\\\"},
  };
  for (const auto& c : cases) {
    std::string removed = c.in;
    RemoveTrailingBackslash(removed);
    EXPECT_EQ(removed, c.removed) << c.in;
    std::string appended = c.in;
    AppendTrailingBackslash(appended);
    EXPECT_EQ(appended, c.appended) << c.in;
  }
}

}  // namespace
}  // namespace common
