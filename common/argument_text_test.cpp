#include "common/argument_text.h"

#include <gtest/gtest.h>

namespace common {
namespace {

TEST(QuoteArgument, AddsOnlyTheMissingQuotes) {
  const struct { const char* in; const char* out; } cases[] = {
      {"", "\"\""},
      {"C:\\Data\\a b.txt", "\"C:\\Data\\a b.txt\""},
      {"\"C:\\Data\"", "\"C:\\Data\""},   // already quoted: unchanged
      {"\"half", "\"half\""},
      {"half\"", "\"half\""},
      {"\"", "\""},                       // one quote is both first and last
  };
  for (const auto& c : cases) EXPECT_EQ(QuoteArgument(c.in), c.out) << c.in;
}

TEST(StripAngleBrackets, DropsOneLeadingAndOneTrailingBracket) {
  const struct { const char* in; const char* out; } cases[] = {
      {"<mail@host>", "mail@host"}, {"<<x>>", "<x>"}, {"<", ""}, {">", ""}, {"<>", ""},
      {"", ""}, {"x>", "x"}, {"<x", "x"}, {"a<b>c", "a<b>c"},
  };
  for (const auto& c : cases) EXPECT_EQ(StripAngleBrackets(c.in), c.out) << c.in;
}

TEST(SplitCommandLine, QuotesGroupAndBackslashesStayOrdinary) {
  using Args = std::vector<std::string>;
  const struct { const char* line; Args args; } cases[] = {
      {"prog a b", {"prog", "a", "b"}},
      {"  prog   a\tb  ", {"prog", "a", "b"}},
      {"\"C:\\Program Files\\q.exe\" \"C:\\a b\\src.txt\" x", {"C:\\Program Files\\q.exe", "C:\\a b\\src.txt", "x"}},
      // A quoted path or password ending in a backslash arrives whole.
      {"p \"C:\\dir\\\" \"pass\\\" enc", {"p", "C:\\dir\\", "pass\\", "enc"}},
      // An empty quoted argument keeps the operation word fourth.
      {"p \"src\" \"dst\" \"\" \"enc", {"p", "src", "dst", "", "enc"}},
      // An unclosed quote runs to the end, blanks included.
      {"p \"a b c", {"p", "a b c"}},
      {"p a\"b c\"d", {"p", "ab cd"}},
      {"", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(SplitCommandLine(c.line), c.args) << c.line;
}

TEST(SplitCommandLine, MissingArgumentsReadAsEmpty) {
  const auto args = SplitCommandLine("prog only");
  EXPECT_EQ(CommandLineArgument(args, 1), "only");
  EXPECT_EQ(CommandLineArgument(args, 2), "");
  EXPECT_EQ(CommandLineArgument(args, 4), "");
}

}  // namespace
}  // namespace common
