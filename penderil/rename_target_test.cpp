#include "penderil/rename_target.h"

#include <gtest/gtest.h>

namespace penderil {
namespace {

TEST(RenameTargetName, DropsTrailingDotsAndBlanksAsWindowsDoes) {
  EXPECT_EQ(RenameTargetName("Beach.JPG"), "Beach.JPG");
  EXPECT_EQ(RenameTargetName("Beach."), "Beach");
  EXPECT_EQ(RenameTargetName("Beach . . "), "Beach");
  EXPECT_EQ(RenameTargetName(" lead.txt"), " lead.txt");
  EXPECT_EQ(RenameTargetName(".profile"), ".profile");
  EXPECT_EQ(RenameTargetName("Été.txt"), "Été.txt");
  EXPECT_EQ(RenameTargetName("console.txt"), "console.txt");
  EXPECT_EQ(RenameTargetName("COM10"), "COM10");
}

TEST(RenameTargetName, RefusesWhatIsNoPlainFileName) {
  const char* refused[] = {"",         ".",       "..",       "   ",      "a\\b.txt", "a/b.txt",  "12:30:00 x",
                           "?n.txt",   "a*b",     "a\"b",     "a<b",      "a>b",      "a|b",      "tab\there",
                           "CON",      "nul.txt", "Aux",      "PRN.tar.gz", "com1",   "LPT9.doc"};
  for (const char* name : refused) EXPECT_EQ(RenameTargetName(name), std::nullopt) << '"' << name << '"';
}

}  // namespace
}  // namespace penderil
