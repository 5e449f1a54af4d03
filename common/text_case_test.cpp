#include "common/text_case.h"

#include <algorithm>
#include <vector>

#include <gtest/gtest.h>

namespace common {
namespace {

TEST(TextCase, ComparesIgnoringCaseIncludingAccentedLetters) {
  EXPECT_EQ(CompareText("Readme.TXT", "readme.txt"), 0);
  EXPECT_EQ(CompareText("\xC3\x84rger", "\xC3\xA4RGER"), 0);  // Ärger / äRGER
  EXPECT_LT(CompareText("a", "B"), 0);
  EXPECT_GT(CompareText("b", "A"), 0);
  EXPECT_LT(CompareText("abc", "ABCD"), 0);
  EXPECT_TRUE(SameText("\xC3\x89t\xC3\xA9", "\xC3\xA9T\xC3\x89"));  // Été / éTÉ
}

TEST(TextCase, ConvertsAccentedLetters) {
  EXPECT_EQ(ToUpperText("stra\xC3\xA9 m\xC3\xBCller"), "STRA\xC3\x89 M\xC3\x9CLLER");
  EXPECT_EQ(ToLowerText("\xC3\x89T\xC3\x89 ABC"), "\xC3\xA9t\xC3\xA9 abc");
}

TEST(TextCase, SortKeysOrderAsCompareText) {
  std::vector<std::string> names = {"b.txt", "A", "a\\x", "C:\\A\\B", "C:\\a", "Zeta", "alpha", "\xC3\xA9t\xC3\xA9"};
  for (const auto& a : names) {
    for (const auto& b : names) {
      const int byKey = SortKey(a).compare(SortKey(b));
      const int direct = CompareText(a, b);
      EXPECT_EQ(byKey < 0, direct < 0) << a << " vs " << b;
      EXPECT_EQ(byKey == 0, direct == 0) << a << " vs " << b;
    }
  }
  EXPECT_EQ(SortKey("MiXeD"), SortKey("mixed"));
}

}  // namespace
}  // namespace common
