#include "penderil/rename_engine.h"
#include "penderil/replace_text.h"

#include <cstdio>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace penderil {
namespace {

// A clock with fixed texts that counts how often it is read.
class FixedClock : public RegionalClock {
 public:
  explicit FixedClock(ClockTexts texts = {"12.30.00", "24.12.2006"}) : texts_(std::move(texts)) {}
  ClockTexts Now() const override {
    ++reads;
    return texts_;
  }
  mutable int reads = 0;

 private:
  ClockTexts texts_;
};

RenameList ListOf(std::initializer_list<const char*> paths) {
  RenameList list;
  for (const char* path : paths) AddFileToList(list, path);
  return list;
}

std::vector<std::string> NewNames(const RenameList& list) {
  std::vector<std::string> names;
  for (const auto& entry : list) names.push_back(entry.newName);
  return names;
}

const std::initializer_list<const char*> kPhotos = {
    R"(C:\Photos\Beach.JPG)", R"(C:\Photos\notes)", R"(C:\Photos\pic.tar.gz)", R"(C:\Photos\.profile)",
    R"(C:\Backup.old\readme)"};

TEST(BuildNewNames, TheWorkedExample) {
  RenameList list = ListOf(kPhotos);
  TReplaceOptionsStruct settings;
  settings.nameMask = "Holiday_?c_?n";
  settings.extensionMask = "?e";
  settings.counterStart = 1;
  settings.counterStep = 5;
  settings.minimumDigits = 3;
  FixedClock clock;
  EXPECT_TRUE(BuildNewNames(list, settings, clock));
  EXPECT_EQ(NewNames(list), (std::vector<std::string>{"Holiday_001_Beach.JPG", "Holiday_006_notes",
                                                      "Holiday_011_pic.tar.gz", "Holiday_016_?n.profile",
                                                      "Holiday_021_readme"}));
  EXPECT_EQ(list[1].Location(), R"(C:\Photos\)");
  EXPECT_EQ(list[4].Location(), R"(C:\Backup.old\)");
  EXPECT_EQ(list[0].OldName(), "Beach.JPG") << "the computation leaves the Old Name alone";
  EXPECT_EQ(clock.reads, 1) << "one reading of the clock serves every entry";
}

struct MaskCase {
  const char* nameMask;
  const char* extensionMask;
  int start, step, digits;
  const char* beach;  // New Name of C:\Photos\Beach.JPG
  const char* notes;  // New Name of C:\Photos\notes
};

TEST(BuildNewNames, ExpandsTheMasks) {
  const MaskCase cases[] = {
      {"?e-?N", "bak", 7, 1, 1, "JPG-Beach.bak", "?e-notes"},
      {"?n", "", 1, 1, 1, "Beach.", "notes"},
      {"?n_?c", "?c", 98, 1, 2, "Beach_98.98", "notes_99"},
      {"?d ?n", "?e", 1, 1, 1, "24.12.2006 Beach.JPG", "24.12.2006 notes"},
      {"?N_?C", "?E", 0, 1, 1, "Beach_0.JPG", "notes_1"},           // tokens in capitals
      {"?t", "?n", 1, 1, 1, "12.30.00.Beach", "12.30.00"},           // any token in either mask
      {"?x ?n ?", "?q", 1, 1, 1, "?x Beach ?.?q", "?x notes ?"},     // other text passes through
      {"", "?e", 1, 1, 1, ".JPG", ""},
      {"?c", "", 9, 1, 1, "9.", "10"},                                // more digits than the minimum
  };
  for (const auto& c : cases) {
    RenameList list = ListOf({R"(C:\Photos\Beach.JPG)", R"(C:\Photos\notes)"});
    TReplaceOptionsStruct settings;
    settings.nameMask = c.nameMask;
    settings.extensionMask = c.extensionMask;
    settings.counterStart = c.start;
    settings.counterStep = c.step;
    settings.minimumDigits = c.digits;
    BuildNewNames(list, settings, FixedClock());
    EXPECT_EQ(list[0].newName, c.beach) << c.nameMask << " / " << c.extensionMask;
    EXPECT_EQ(list[1].newName, c.notes) << c.nameMask << " / " << c.extensionMask;
  }
}

TEST(BuildNewNames, TheCounterFollowsThePositionNotItsUse) {
  // "?c" only in the extension mask: the file without an extension uses no value, yet
  // the next entry still gets the following one.
  RenameList list = ListOf({R"(C:\a.txt)", R"(C:\b)", R"(C:\c.txt)", R"(C:\d.txt)"});
  TReplaceOptionsStruct settings;
  settings.extensionMask = "?c";
  settings.counterStart = 0;
  BuildNewNames(list, settings, FixedClock());
  EXPECT_EQ(NewNames(list), (std::vector<std::string>{"a.0", "b", "c.2", "d.3"}));
}

TEST(BuildNewNames, TheCounterDoesNotWrapOnALongList) {
  // 32000 + 67108 * 32000 is past the largest 32-bit value.
  RenameList list(67109);
  for (auto& entry : list) entry.fullPath = R"(C:\f.txt)";
  TReplaceOptionsStruct settings;
  settings.nameMask = "?c";
  settings.counterStart = 32000;
  settings.counterStep = 32000;
  BuildNewNames(list, settings, FixedClock());
  EXPECT_EQ(list.back().newName, "2147488000.txt");
}

TEST(BuildNewNames, AnEmptyListReadsNoClock) {
  RenameList list;
  FixedClock clock;
  EXPECT_TRUE(BuildNewNames(list, TReplaceOptionsStruct{}, clock));
  EXPECT_EQ(clock.reads, 0);
}

TEST(BuildNewNames, EachComputationStartsAfreshFromTheFullPath) {
  RenameList list = ListOf({R"(C:\Photos\Beach.JPG)"});
  TReplaceOptionsStruct settings;
  settings.nameMask = "X_?n";
  BuildNewNames(list, settings, FixedClock());
  BuildNewNames(list, settings, FixedClock());
  EXPECT_EQ(list[0].newName, "X_Beach.JPG");
  settings.nameMask = "?n";
  BuildNewNames(list, settings, FixedClock());
  EXPECT_EQ(list[0].newName, "Beach.JPG");
}

struct PassCase {
  const char* label;
  const char* search;
  const char* replacement;
  bool before, after, matchCase;
  const char* nameMask;
  const char* beach;  // C:\Photos\Beach.JPG
  const char* notes;  // C:\Photos\notes
};

// The before pass changes the name the masks work on; the after pass the mask result.
TEST(BuildNewNames, TheSearchAndReplacePasses) {
  const PassCase cases[] = {
      {"before: the name the masks see", "beach", "Sea", true, false, false, "Trip_?n", "Trip_Sea.JPG", "Trip_notes"},
      {"before: the extension too", "jpg", "jpeg", true, false, false, "?n", "Beach.jpeg", "notes"},
      {"before: a name that loses its dot gets the name mask alone", ".", "_", true, false, false, "?n",
       "Beach_JPG", "notes"},
      {"before: mask text is not searched", "Trip", "Walk", true, false, false, "Trip_?n", "Trip_Beach.JPG",
       "Trip_notes"},
      {"after: the mask result", "Trip", "Walk", false, true, false, "Trip_?n", "Walk_Beach.JPG", "Walk_notes"},
      {"after: match case", "trip", "Walk", false, true, true, "Trip_?n", "Trip_Beach.JPG", "Trip_notes"},
      {"after: without case", "trip", "Walk", false, true, false, "Trip_?n", "Walk_Beach.JPG", "Walk_notes"},
      {"both: each pass replaces once, no rescan", "e", "ee", true, true, false, "?n",
       "Beeeeach.JPG", "noteeees"},
      {"both off", "Beach", "Sea", false, false, false, "?n", "Beach.JPG", "notes"},
      {"empty search", "", "Sea", true, true, false, "?n", "Beach.JPG", "notes"},
      {"empty replacement", "Beach", "", true, true, false, "?n", "Beach.JPG", "notes"},
      {"match case both ways", "BEACH", "Sea", true, true, true, "?n", "Beach.JPG", "notes"},
  };
  for (const auto& c : cases) {
    RenameList list = ListOf({R"(C:\Photos\Beach.JPG)", R"(C:\Photos\notes)"});
    TReplaceOptionsStruct settings;
    settings.searchText = c.search;
    settings.replacementText = c.replacement;
    settings.replaceBefore = c.before;
    settings.replaceAfter = c.after;
    settings.matchCase = c.matchCase;
    settings.nameMask = c.nameMask;
    BuildNewNames(list, settings, FixedClock());
    EXPECT_EQ(list[0].newName, c.beach) << c.label;
    EXPECT_EQ(list[1].newName, c.notes) << c.label;
    EXPECT_EQ(list[0].Location(), R"(C:\Photos\)") << c.label;
  }
}

// The steps as written down, each token with ReplaceInText, one entry at a time.
std::string StepByStepName(const std::string& fullPath, const TReplaceOptionsStruct& s, const ClockTexts& now,
                           long long counter) {
  std::string name(SplitPath(fullPath).fileName);
  if (s.replaceBefore) ReplaceInText(s.searchText, s.replacementText, name, s.matchCase);
  const std::string extension(SplitPath(name).extension);
  const std::string base = name.substr(0, name.size() - extension.size());
  std::string work = extension.empty() ? s.nameMask : s.nameMask + "." + s.extensionMask;
  ReplaceInText("?n", base, work, false);
  ReplaceInText("?e", extension.empty() ? "" : extension.substr(1), work, false);
  ReplaceInText("?t", now.time, work, false);
  ReplaceInText("?d", now.date, work, false);
  ReplaceInText("?c", CounterText(counter, s.minimumDigits), work, false);
  if (s.replaceAfter) ReplaceInText(s.searchText, s.replacementText, work, s.matchCase);
  return work;
}

// Masks, names and clock texts full of question marks and token letters, where one
// replacement can make a token for the next.
TEST(BuildNewNames, AgreesWithTheStepByStepReplacementOnManyMasks) {
  const std::string alphabet = "?nNeEtTdDcCx.";
  unsigned seed = 777;
  const auto next = [&] { return seed = seed * 1103515245u + 12345u, (seed >> 16) & 0x7fff; };
  const auto randomText = [&](std::size_t maxLength) {
    std::string text(next() % (maxLength + 1), ' ');
    for (char& c : text) c = alphabet[next() % alphabet.size()];
    return text;
  };
  for (int i = 0; i < 3000; ++i) {
    TReplaceOptionsStruct settings;
    settings.nameMask = randomText(40);  // long enough to hold more than 16 pieces at times
    settings.extensionMask = randomText(4);
    settings.searchText = randomText(2);
    settings.replacementText = randomText(2);
    settings.replaceBefore = next() % 2 == 0;
    settings.replaceAfter = next() % 2 == 0;
    settings.matchCase = next() % 2 == 0;
    settings.counterStart = static_cast<int>(next() % 20);
    settings.minimumDigits = static_cast<int>(next() % 3 + 1);
    const ClockTexts now{randomText(3), randomText(3)};
    RenameList list;
    for (int k = 0; k < 4; ++k) AddFileToList(list, "C:\\d\\" + randomText(7));
    BuildNewNames(list, settings, FixedClock(now));
    for (std::size_t k = 0; k < list.size(); ++k) {
      ASSERT_EQ(list[k].newName,
                StepByStepName(list[k].fullPath, settings, now, settings.counterStart + static_cast<long long>(k)))
          << "masks \"" << settings.nameMask << "\" / \"" << settings.extensionMask << "\", path "
          << list[k].fullPath << ", clock " << now.time << " " << now.date;
    }
  }
}

// Long masks of tokens and plain text, where nothing makes a new token: many pieces.
TEST(BuildNewNames, AgreesWithTheStepByStepReplacementOnLongMasks) {
  const char* pieces[] = {"?n", "?E", "?c", "?t", "?d", "x", "_-", "."};
  unsigned seed = 99;
  const auto next = [&] { return seed = seed * 1103515245u + 12345u, (seed >> 16) & 0x7fff; };
  for (int i = 0; i < 200; ++i) {
    TReplaceOptionsStruct settings;
    settings.nameMask.clear();
    for (unsigned n = next() % 40; n > 0; --n) settings.nameMask += pieces[next() % 8];
    settings.extensionMask = pieces[next() % 8];
    const ClockTexts now{"12.30.00", "24.12.2006"};
    RenameList list;
    AddFileToList(list, R"(C:\Photos\Beach.JPG)");
    AddFileToList(list, R"(C:\Photos\notes)");
    BuildNewNames(list, settings, FixedClock(now));
    for (std::size_t k = 0; k < list.size(); ++k) {
      ASSERT_EQ(list[k].newName, StepByStepName(list[k].fullPath, settings, now, 1 + static_cast<long long>(k)))
          << "mask \"" << settings.nameMask << "\"";
    }
  }
}

TEST(CounterText, WritesWhatPrintfWritesWithThePrecisionFormat) {
  const long long values[] = {0, 1, 7, 42, 999, 1234, 32000, 99999, 123456, 2147488000LL, -5};
  for (const long long value : values) {
    for (int digits = 0; digits <= 5; ++digits) {
      const std::string format = "%." + std::to_string(digits) + "lld";
      char expected[64];
      std::snprintf(expected, sizeof expected, format.c_str(), value);
      EXPECT_EQ(CounterText(value, digits), expected) << format << " of " << value;
    }
  }
  EXPECT_EQ(CounterText(7, 3), "007");
  EXPECT_EQ(CounterText(1234, 3), "1234");
  EXPECT_EQ(CounterText(0, 1), "0");
}

TEST(ReplaceInList, ChangesNewNamesOnlyAndSaysWhetherAnyChanged) {
  RenameList list = ListOf({R"(C:\Photos\Beach.JPG)", R"(C:\Photos\notes)"});
  EXPECT_TRUE(ReplaceInList("beach", "Sea", list, false));
  EXPECT_EQ(list[0].newName, "Sea.JPG");
  EXPECT_EQ(list[0].OldName(), "Beach.JPG");
  EXPECT_EQ(list[1].newName, "notes");
  EXPECT_FALSE(ReplaceInList("zebra", "Sea", list, false));
  RenameList empty;
  EXPECT_FALSE(ReplaceInList("a", "b", empty, false));
}

}  // namespace
}  // namespace penderil
