#include "penderil/replace_text.h"

#include <cctype>
#include <string>

#include <gtest/gtest.h>

namespace penderil {
namespace {

struct ReplaceCase {
  const char* search;
  const char* replacement;
  const char* text;
  bool matchCase;
  const char* after;
  bool result;
};

void ExpectCases(std::initializer_list<ReplaceCase> cases) {
  for (const auto& c : cases) {
    std::string text = c.text;
    const bool result = ReplaceInText(c.search, c.replacement, text, c.matchCase);
    EXPECT_EQ(text, c.after) << "search \"" << c.search << "\" in \"" << c.text << "\"";
    EXPECT_EQ(result, c.result) << "search \"" << c.search << "\" in \"" << c.text << "\"";
  }
}

TEST(ReplaceInText, ReplacesEveryOccurrenceLeftToRightWithoutRescanning) {
  ExpectCases({
      {"a", "o", "Banana.txt", false, "Bonono.txt", true},
      {"A", "o", "Banana.txt", false, "Bonono.txt", true},
      {"A", "o", "Banana.txt", true, "Banana.txt", false},
      {"na", "N", "Banana", true, "BaNN", true},
      {"ana", "-", "Banana", false, "B-na", true},
      {"an", "anan", "Banana", false, "Banananana", true},
      {"a", "", "Banana", false, "Banana", false},
      {"", "x", "Banana", false, "Banana", false},
      {"x", "y", "", false, "", false},
      {"Banana!", "x", "Banana", false, "Banana", false},  // longer than the text
      {"Banana", "Apple", "Banana", true, "Apple", true},   // the whole text
  });
}

TEST(ReplaceInText, MatchCaseDecidesForEveryLetterAccentedOnesIncluded) {
  ExpectCases({
      {"beach", "Sea", "BEACH.jpg", true, "BEACH.jpg", false},
      {"BEACH", "Sea", "beach.jpg", true, "beach.jpg", false},
      {"beach", "Sea", "BEACH.jpg", false, "Sea.jpg", true},
      {"ÉCOLE", "school", "école.txt", false, "school.txt", true},
      {"école", "school", "ÉCOLE.txt", false, "school.txt", true},
      {"école", "school", "ÉCOLE.txt", true, "ÉCOLE.txt", false},
      {"é", "e", "Été été", true, "Éte ete", true},
      // Positions count characters: the scan steps over multi-byte letters whole.
      {"ß", "ss", "Straße Straße", false, "Strasse Strasse", true},
      {"a", "ä", "aaa", false, "äää", true},
      {"ä", "a", "ÄäÄ", false, "aaa", true},
  });
}

// The steps of the replace-all as written down: a window of the search's length moves
// over the text; a match is replaced and skipped. Letters of plain ASCII text only.
bool StepByStep(const std::string& search, const std::string& replacement, std::string& text, bool matchCase) {
  if (search.empty() || text.empty() || replacement.empty() || text.size() < search.size()) return false;
  const auto upper = [](std::string s) {
    for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
  };
  bool result = false;
  for (std::size_t p = 0; p + search.size() <= text.size();) {
    const std::string window = text.substr(p, search.size());
    if (matchCase ? window == search : upper(window) == upper(search)) {
      text.replace(p, search.size(), replacement);
      p += replacement.size();
      result = true;
    } else {
      ++p;
    }
  }
  return result;
}

// Long texts over an alphabet of letters and the characters just beside the letter
// ranges ("@[`{"), where a case mapping that is off by one would show.
TEST(ReplaceInText, AgreesWithTheStepByStepScanOnManyTexts) {
  const std::string alphabet = "aAbBzZ@[`{_?.";
  unsigned seed = 12345;
  const auto next = [&] { return seed = seed * 1103515245u + 12345u, (seed >> 16) & 0x7fff; };
  const auto randomText = [&](std::size_t maxLength) {
    std::string text(next() % (maxLength + 1), ' ');
    for (char& c : text) c = alphabet[next() % alphabet.size()];
    return text;
  };
  for (int i = 0; i < 20000; ++i) {
    const std::string text = randomText(40);
    const std::string search = randomText(3);
    const std::string replacement = randomText(4);
    const bool matchCase = next() % 2 == 0;
    std::string expected = text;
    const bool expectedResult = StepByStep(search, replacement, expected, matchCase);
    std::string actual = text;
    ASSERT_EQ(ReplaceInText(search, replacement, actual, matchCase), expectedResult)
        << '"' << search << "\" in \"" << text << '"';
    ASSERT_EQ(actual, expected) << '"' << search << "\" -> \"" << replacement << "\" in \"" << text << '"';
  }
}

// The token replacement is ReplaceInText("?" + letter) without case, done as a byte scan.
TEST(ReplaceToken, GivesWhatReplaceInTextGives) {
  const char* texts[] = {"?n", "?N.?e", "??n", "?n?n", "x?nx?Nx", "?", "n?", "é?n.?é", "?ñ?n", "?e?E", "??", ""};
  const char* values[] = {"Beach", "", "?e", "Été"};
  std::string scratch;
  for (const char* text : texts) {
    for (const char* value : values) {
      for (const char letter : {'n', 'e'}) {
        std::string expected = text;
        ReplaceInText(std::string{'?', letter}, value, expected, false);
        std::string actual = text;
        ReplaceToken(actual, letter, value, scratch);
        EXPECT_EQ(actual, expected) << "token ?" << letter << " in \"" << text << "\" by \"" << value << "\"";
      }
    }
  }
}

}  // namespace
}  // namespace penderil
