#include "common/comma_text.h"

#include <gtest/gtest.h>

namespace common {
namespace {

using Items = std::vector<std::string>;

TEST(ToCommaText, QuotesOnlyItemsWithBlanksControlsQuotesOrCommas) {
  const struct { Items items; const char* text; } cases[] = {
      {{}, ""},
      {{""}, "\"\""},  // one empty item
      {{"a", "", "b"}, "a,,b"},
      {{"C:\\A B\\x", "C:\\y"}, "\"C:\\A B\\x\",C:\\y"},
      {{"say \"hi\""}, "\"say \"\"hi\"\"\""},
      {{"a,b"}, "\"a,b\""},
      {{"tab\there"}, "\"tab\there\""},
      {{"\x01"}, "\"\x01\""},
      {{"caf\xC3\xA9", "!$%&'()*+-./;<=>?@[\\]^_`{|}~"}, "caf\xC3\xA9,!$%&'()*+-./;<=>?@[\\]^_`{|}~"},
  };
  for (const auto& c : cases) EXPECT_EQ(ToCommaText(c.items), c.text) << c.text;
}

TEST(FromCommaText, SplitsAtCommasAndBlanksAndTakesQuotedItemsWhole) {
  const struct { const char* text; Items items; } cases[] = {
      {"", {}},
      {"   ", {}},
      {"a", {"a"}},
      {"a,b", {"a", "b"}},
      {"a b", {"a", "b"}},               // an unquoted blank ends an item
      {"a,,b", {"a", "", "b"}},          // two commas give an empty item
      {",,", {"", ""}},
      {"a,", {"a"}},                     // a comma at the end gives none
      {"a , b", {"a", "b"}},             // blanks around a comma are skipped
      {"  a,\t b  ", {"a", "b"}},
      {"\"\"", {""}},
      {"\"C:\\A B\\x\",C:\\y", {"C:\\A B\\x", "C:\\y"}},
      {"\"say \"\"hi\"\"\"", {"say \"hi\""}},
      {"\"a,b\" c", {"a,b", "c"}},
      {"\"open ended", {"open ended"}},  // no closing quote: runs to the end
      {"\"a\"b", {"a", "b"}},            // after the closing quote a new item begins
      {"x\x01y", {"x", "y"}},
  };
  for (const auto& c : cases) EXPECT_EQ(FromCommaText(c.text), c.items) << c.text;
  EXPECT_EQ(FromCommaText(std::string_view("a,\0b", 4)), Items{"a"}) << "a NUL ends the text";
}

TEST(CommaText, EveryListWithoutAnEmptyLastItemReadsBackAsWritten) {
  const Items lists[] = {
      {"C:\\Program Files\\x", "D:\\", "\\\\server\\share\\a,b", "\"quoted\"", " lead", "trail ", "caf\xC3\xA9"},
      {"", "a"},
      {""},
      {"a", "", "", "b"},
  };
  for (const auto& items : lists) EXPECT_EQ(FromCommaText(ToCommaText(items)), items) << ToCommaText(items);
}

}  // namespace
}  // namespace common
