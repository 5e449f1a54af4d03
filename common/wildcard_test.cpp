#include "common/wildcard.h"

#include <gtest/gtest.h>

namespace common {
namespace {

TEST(MatchesMask, FollowsTheWindowsFileSearch) {
  const struct { const char* name; const char* mask; bool matches; } cases[] = {
      {"README", "*.*", true},       {"a.txt", "*.*", true},        {"a.txt", "*", true},
      {"a.TXT", "*.txt", true},      {"a.txt.bak", "*.txt", false}, {"notes", "*.txt", false},
      {"abc", "abc.*", true},        {"abc.d", "abc.*", true},      {"abd", "abc.*", false},
      {"a1.doc", "a?.doc", true},    {"a12.doc", "a?.doc", false},  {"\xC3\x89t\xC3\xA9.doc", "\xC3\xA9*.DOC", true},
      {"x", "", false},
  };
  for (const auto& c : cases) EXPECT_EQ(MatchesMask(c.name, c.mask), c.matches) << c.name << " ~ " << c.mask;
}

}  // namespace
}  // namespace common
