#include "penderil/renamer_model.h"

#include <chrono>
#include <filesystem>
#include <functional>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "common/fs_path.h"
#include "common/text_case.h"

namespace penderil {
namespace {

class FixedClock : public RegionalClock {
 public:
  ClockTexts Now() const override { return {"12.30.00", "24.12.2006"}; }
};

// Files in a folder that, like Windows, ignores letter case when it looks names up and
// keeps the case it is given.
class FakeFiles : public FileRenamePort {
 public:
  explicit FakeFiles(std::initializer_list<const char*> paths) {
    for (const char* path : paths) files_[common::ToLowerText(path)] = path;
  }
  bool RenameItem(const std::string& from, const std::string& to) override {
    calls.push_back(from + " -> " + to);
    const auto source = files_.find(common::ToLowerText(from));
    if (source == files_.end()) return false;
    if (common::ToLowerText(to) != source->first && files_.contains(common::ToLowerText(to))) return false;
    files_.erase(source);
    files_[common::ToLowerText(to)] = to;
    return true;
  }
  std::vector<std::string> Paths() const {
    std::vector<std::string> paths;
    for (const auto& [key, path] : files_) paths.push_back(path);
    return paths;
  }
  std::vector<std::string> calls;

 private:
  std::map<std::string, std::string> files_;
};

// One column of the list: a field (&RenameEntry::newName) or a part (&RenameEntry::OldName).
template <typename Field>
std::vector<std::string> Column(const RenamerModel& model, Field field) {
  std::vector<std::string> values;
  for (const auto& entry : model.Entries()) values.emplace_back(std::invoke(field, entry));
  return values;
}

using Names = std::vector<std::string>;

class RenamerModelTest : public ::testing::Test {
 protected:
  FixedClock clock;
  RenamerModel model{clock};
};

TEST_F(RenamerModelTest, StartsWithTheDefaultSettingsAndAnEmptyList) {
  const auto& s = model.Settings();
  EXPECT_EQ(s.nameMask, "?n");
  EXPECT_EQ(s.extensionMask, "?e");
  EXPECT_EQ(s.searchText, "");
  EXPECT_EQ(s.replacementText, "");
  EXPECT_EQ(s.counterStart, 1);
  EXPECT_EQ(s.counterStep, 1);
  EXPECT_EQ(s.minimumDigits, 1);
  EXPECT_TRUE(s.replaceBefore);
  EXPECT_TRUE(s.replaceAfter);
  EXPECT_FALSE(s.matchCase);
  EXPECT_TRUE(model.Entries().empty());
}

TEST_F(RenamerModelTest, CounterFieldsHoldTheirValuesWithinRange) {
  struct Case {
    int (RenamerModel::*set)(int);
    int value;
    int held;
  };
  const Case cases[] = {
      {&RenamerModel::SetCounterStart, -1, 0},     {&RenamerModel::SetCounterStart, 0, 0},
      {&RenamerModel::SetCounterStart, 32000, 32000}, {&RenamerModel::SetCounterStart, 32001, 32000},
      {&RenamerModel::SetCounterStep, 0, 1},       {&RenamerModel::SetCounterStep, 32000, 32000},
      {&RenamerModel::SetCounterStep, 99999, 32000}, {&RenamerModel::SetMinimumDigits, 0, 1},
      {&RenamerModel::SetMinimumDigits, 5, 5},     {&RenamerModel::SetMinimumDigits, 6, 5},
  };
  for (const auto& c : cases) EXPECT_EQ((model.*c.set)(c.value), c.held) << c.value;
  EXPECT_EQ(model.Settings().counterStart, 32000);
  EXPECT_EQ(model.Settings().counterStep, 32000);
  EXPECT_EQ(model.Settings().minimumDigits, 5);
  // A counter action at a bound leaves the bound.
  EXPECT_EQ(model.SetMinimumDigits(model.Settings().minimumDigits + 1), 5);
}

TEST_F(RenamerModelTest, FieldChangesRebuildTheNamesAndTogglesDoNot) {
  model.ReplaceList({R"(C:\Photos\Beach.JPG)", R"(C:\Photos\notes)"});
  EXPECT_EQ(Column(model, &RenameEntry::newName), (Names{"Beach.JPG", "notes"}));

  model.AppendToken(MaskField::Name, "?c");
  EXPECT_EQ(model.Settings().nameMask, "?n?c");
  EXPECT_EQ(Column(model, &RenameEntry::newName), (Names{"Beach1.JPG", "notes2"}));
  model.AppendToken(MaskField::Extension, "?c");
  EXPECT_EQ(Column(model, &RenameEntry::newName), (Names{"Beach1.JPG1", "notes2"}));
  model.SetCounterStart(model.Settings().counterStart + 1);
  EXPECT_EQ(Column(model, &RenameEntry::newName), (Names{"Beach2.JPG2", "notes3"}));
  model.SetExtensionMask("?e");

  model.SetReplaceBefore(false);
  model.SetReplaceAfter(false);
  model.SetSearchText("beach");
  model.SetReplacementText("Sea");
  EXPECT_EQ(Column(model, &RenameEntry::newName), (Names{"Beach2.JPG", "notes3"}));
  model.SetReplaceAfter(true);  // no rebuild of its own
  EXPECT_EQ(Column(model, &RenameEntry::newName), (Names{"Beach2.JPG", "notes3"}));
  model.SetMatchCase(true);
  model.RefreshPreview();
  EXPECT_EQ(Column(model, &RenameEntry::newName), (Names{"Beach2.JPG", "notes3"}));
  model.SetSearchText("Beach");
  EXPECT_EQ(Column(model, &RenameEntry::newName), (Names{"Sea2.JPG", "notes3"}));
}

TEST_F(RenamerModelTest, ALetterSizeChoiceLastsUntilTheNextRebuild) {
  model.ReplaceList({R"(C:\Photos\holiday_BEACH.JPG)"});
  model.ChooseLetterSize(3);
  EXPECT_EQ(model.Entries()[0].newName, "Holiday_beach.jpg");
  EXPECT_EQ(model.LetterSize(), 3);
  model.SetNameMask("?n_");
  EXPECT_EQ(model.Entries()[0].newName, "holiday_BEACH_.JPG");
  EXPECT_EQ(model.LetterSize(), 3) << "the choice shown stays";
}

TEST_F(RenamerModelTest, ResetRestoresTheFieldsAndKeepsMatchCaseLetterSizeAndList) {
  model.ReplaceList({R"(C:\a.txt)", R"(C:\b.txt)"});
  model.SetNameMask("x?c");
  model.SetExtensionMask("bak");
  model.SetSearchText("x");
  model.SetReplacementText("y");
  model.SetCounterStart(5);
  model.SetCounterStep(3);
  model.SetMinimumDigits(4);
  model.SetReplaceBefore(false);
  model.SetReplaceAfter(false);
  model.SetMatchCase(true);
  model.ChooseLetterSize(2);
  model.Reset();
  TReplaceOptionsStruct expected;
  expected.matchCase = true;
  const auto& s = model.Settings();
  EXPECT_EQ(s.nameMask, expected.nameMask);
  EXPECT_EQ(s.extensionMask, expected.extensionMask);
  EXPECT_EQ(s.searchText, "");
  EXPECT_EQ(s.replacementText, "");
  EXPECT_EQ(s.counterStart, 1);
  EXPECT_EQ(s.counterStep, 1);
  EXPECT_EQ(s.minimumDigits, 1);
  EXPECT_TRUE(s.replaceBefore);
  EXPECT_TRUE(s.replaceAfter);
  EXPECT_TRUE(s.matchCase);
  EXPECT_EQ(model.LetterSize(), 2);
  EXPECT_EQ(Column(model, &RenameEntry::newName), (Names{"a.txt", "b.txt"})) << "reset rebuilds";
}

TEST_F(RenamerModelTest, SelectionAndRemovalKeepNamesUntilTheNextRebuild) {
  model.SetNameMask("?c_?n");
  model.ReplaceList({R"(C:\a.txt)", R"(C:\b.txt)", R"(C:\c.txt)", R"(C:\d.txt)"});
  const auto selected = [&] {
    std::vector<bool> flags;
    for (const auto& entry : model.Entries()) flags.push_back(entry.selected);
    return flags;
  };
  model.SelectAll();
  EXPECT_EQ(selected(), (std::vector<bool>{true, true, true, true}));
  model.SelectNone();
  EXPECT_EQ(selected(), (std::vector<bool>{false, false, false, false}));
  model.SetSelected(1, true);
  model.SetSelected(2, true);
  model.SelectInverse();
  EXPECT_EQ(selected(), (std::vector<bool>{true, false, false, true}));

  model.RemoveSelected();  // removes a and d, neighbours included
  EXPECT_EQ(Column(model, &RenameEntry::fullPath), (Names{R"(C:\b.txt)", R"(C:\c.txt)"}));
  EXPECT_EQ(Column(model, &RenameEntry::newName), (Names{"2_b.txt", "3_c.txt"}));
  model.RefreshPreview();
  EXPECT_EQ(Column(model, &RenameEntry::newName), (Names{"1_b.txt", "2_c.txt"}));

  model.RemoveAll();
  EXPECT_TRUE(model.Entries().empty());
  model.SelectInverse();  // every action on an empty list does nothing
  model.RemoveSelected();
  model.RefreshPreview();
  EXPECT_TRUE(model.Entries().empty());
}

TEST_F(RenamerModelTest, RenamingCountsFailuresAndUpdatesRenamedEntries) {
  // 1.txt -> 2.txt fails while 2.txt exists; 2.txt -> 3.txt then succeeds.
  FakeFiles files{R"(C:\d\1.txt)", R"(C:\d\2.txt)"};
  model.ReplaceList({R"(C:\d\1.txt)", R"(C:\d\2.txt)"});
  model.SetNameMask("?c");
  model.SetCounterStart(2);
  EXPECT_EQ(Column(model, &RenameEntry::newName), (Names{"2.txt", "3.txt"}));
  EXPECT_EQ(model.RenameFiles(files), 1);
  EXPECT_EQ(RenameFailureText(1), "Failed to rename 1 items .");
  EXPECT_EQ(files.Paths(), (Names{R"(C:\d\1.txt)", R"(C:\d\3.txt)"}));
  EXPECT_EQ(Column(model, &RenameEntry::fullPath), (Names{R"(C:\d\1.txt)", R"(C:\d\3.txt)"}));
  EXPECT_EQ(Column(model, &RenameEntry::OldName), (Names{"1.txt", "3.txt"}));
  EXPECT_EQ(Column(model, &RenameEntry::newName), (Names{"2.txt", "3.txt"})) << "no rebuild afterwards";

  // A second start works from the items under their new names.
  EXPECT_EQ(model.RenameFiles(files), 0);
  EXPECT_EQ(files.Paths(), (Names{R"(C:\d\2.txt)", R"(C:\d\3.txt)"}));
}

TEST_F(RenamerModelTest, EqualNewNamesLetOnlyTheFirstRenameSucceed) {
  FakeFiles files{R"(C:\d\a.txt)", R"(C:\d\b.txt)"};
  model.ReplaceList({R"(C:\d\a.txt)", R"(C:\d\b.txt)"});
  model.SetNameMask("same");
  EXPECT_EQ(model.RenameFiles(files), 1);
  EXPECT_EQ(files.Paths(), (Names{R"(C:\d\b.txt)", R"(C:\d\same.txt)"}));
}

TEST_F(RenamerModelTest, ACaseOnlyChangeRenames) {
  FakeFiles files{R"(C:\d\holiday.JPG)"};
  model.ReplaceList({R"(C:\d\holiday.JPG)"});
  model.ChooseLetterSize(3);
  EXPECT_EQ(model.RenameFiles(files), 0);
  EXPECT_EQ(files.Paths(), (Names{R"(C:\d\Holiday.jpg)"}));
  EXPECT_EQ(model.Entries()[0].OldName(), "Holiday.jpg");
}

TEST_F(RenamerModelTest, ARemovedEntryIsNotRenamed) {
  FakeFiles files{R"(C:\d\a.txt)", R"(C:\d\b.txt)", R"(C:\d\c.txt)"};
  model.ReplaceList({R"(C:\d\a.txt)", R"(C:\d\b.txt)", R"(C:\d\c.txt)"});
  model.SetSelected(1, true);
  model.RemoveSelected();
  model.SetNameMask("new_?n");
  EXPECT_EQ(model.RenameFiles(files), 0);
  EXPECT_EQ(files.Paths(), (Names{R"(C:\d\b.txt)", R"(C:\d\new_a.txt)", R"(C:\d\new_c.txt)"}));
}

TEST_F(RenamerModelTest, NamesThatWouldLeaveTheFolderFailWithoutTouchingFiles) {
  FakeFiles files{R"(C:\d\a.txt)", R"(C:\d\b.txt)", R"(C:\d\c.txt)"};
  model.ReplaceList({R"(C:\d\a.txt)", R"(C:\d\b.txt)", R"(C:\d\c.txt)"});
  model.SetSearchText("b");
  model.SetReplacementText("..\\b");
  model.SetExtensionMask("");  // "a." and "c.": the trailing dot goes, as Windows drops it
  EXPECT_EQ(model.RenameFiles(files), 1);
  EXPECT_EQ(files.calls, (Names{R"(C:\d\a.txt -> C:\d\a)", R"(C:\d\c.txt -> C:\d\c)"}));
  EXPECT_EQ(Column(model, &RenameEntry::OldName), (Names{"a", "b.txt", "c"}));
  EXPECT_EQ(Column(model, &RenameEntry::fullPath), (Names{R"(C:\d\a)", R"(C:\d\b.txt)", R"(C:\d\c)"}));
}

// A list file in a fresh temporary folder.
class ListFileTest : public RenamerModelTest {
 protected:
  void SetUp() override {
    folder_ = std::filesystem::temp_directory_path() /
              ("penderil-list-" + std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(folder_);
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }
  std::string Write(const std::string& name, const std::string& bytes) {
    const auto path = folder_ / name;
    std::ofstream(path, std::ios::binary) << bytes;
    return common::FromFsPath(path);
  }
  std::filesystem::path folder_;
};

TEST_F(ListFileTest, EveryLineIsAnEntryExactlyAsRead) {
  const std::string path =
      Write("WipeDirList.txt", "C:\\a\\one.txt\r\n  C:\\b\\two.txt \r\"C:\\c\\three.txt\"\n\r\nC:\\a\\one.txt");
  EXPECT_TRUE(model.LoadListFile(path));
  EXPECT_EQ(Column(model, &RenameEntry::fullPath),
            (Names{"C:\\a\\one.txt", "  C:\\b\\two.txt ", "\"C:\\c\\three.txt\"", "", "C:\\a\\one.txt"}));
  EXPECT_EQ(Column(model, &RenameEntry::newName),
            (Names{"one.txt", "two.txt ", "three.txt\"", "?n", "one.txt"}));  // an empty name keeps its token
}

TEST_F(ListFileTest, AMissingOrEmptyFileLeavesTheListAlone) {
  model.ReplaceList({R"(C:\kept.txt)"});
  EXPECT_FALSE(model.LoadListFile(Write("empty.txt", "")));
  EXPECT_FALSE(model.LoadListFile(common::FromFsPath(folder_ / "missing.txt")));
  EXPECT_FALSE(model.LoadListFile(common::FromFsPath(folder_)));  // a folder is no list file
  EXPECT_FALSE(model.LoadListFile(""));
  EXPECT_EQ(Column(model, &RenameEntry::fullPath), (Names{R"(C:\kept.txt)"}));
}

TEST_F(ListFileTest, AFileOfOlderVersionsIsReadAsWindows1252) {
  EXPECT_TRUE(model.LoadListFile(Write("ansi.txt", "C:\\Fotos\\\xC9t\xE9.jpg\r\n")));
  EXPECT_EQ(model.Entries().at(0).OldName(), "Été.jpg");
}

}  // namespace
}  // namespace penderil
