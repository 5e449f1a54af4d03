#include "penderil/letter_size.h"

#include <gtest/gtest.h>

namespace penderil {
namespace {

RenameList WithNewNames(std::initializer_list<const char*> names) {
  RenameList list;
  for (const char* name : names) {
    RenameEntry entry;
    entry.newName = name;
    list.push_back(entry);
  }
  return list;
}

struct LetterCase {
  const char* name;
  const char* small;
  const char* capitals;
  const char* firstCapital;
};

TEST(LetterSize, TheFourChoicesConvertEveryNewName) {
  const LetterCase cases[] = {
      {"holiday_001_BEACH.JPG", "holiday_001_beach.jpg", "HOLIDAY_001_BEACH.JPG", "Holiday_001_beach.jpg"},
      {"école.TXT", "école.txt", "ÉCOLE.TXT", "école.txt"},  // choice 3 leaves accented letters alone
      {"ÉTÉ Ärger.doc", "été ärger.doc", "ÉTÉ ÄRGER.DOC", "ÉtÉ Ärger.doc"},
      {"", "", "", ""},
      {"1st Ïtem", "1st ïtem", "1ST ÏTEM", "1st Ïtem"},
  };
  for (const auto& c : cases) {
    const char* expected[] = {c.name, c.small, c.capitals, c.firstCapital};
    for (int index = 0; index < 4; ++index) {
      RenameList list = WithNewNames({c.name});
      ApplyLetterSize(list, index);
      EXPECT_EQ(list[0].newName, expected[index]) << "choice " << index << " on " << c.name;
    }
  }
}

TEST(LetterSize, TheChoicesCarryTheirTextsAndAnUnknownIndexDoesNothing) {
  EXPECT_STREQ(kLetterSizeChoices[0].text, "Leave file names unchanged.");
  EXPECT_STREQ(kLetterSizeChoices[1].text, "Change all letters to small.");
  EXPECT_STREQ(kLetterSizeChoices[2].text, "Changle all letters to Capitals.");
  EXPECT_STREQ(kLetterSizeChoices[3].text, "Only first capital letter.");
  RenameList list = WithNewNames({"MiXed"});
  ApplyLetterSize(list, -1);
  ApplyLetterSize(list, 4);
  EXPECT_EQ(list[0].newName, "MiXed");
}

}  // namespace
}  // namespace penderil
