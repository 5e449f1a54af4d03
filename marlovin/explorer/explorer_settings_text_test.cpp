#include "marlovin/explorer/explorer_settings_text.h"

#include <stdexcept>

#include <gtest/gtest.h>

namespace marlovin {
namespace {

TEST(ExplorerSettingsText, TheStoredFormWritesExactlyTheBytesTheCheckCompares) {
  const std::vector<std::uint8_t> bytes = BytesOfStoredForm(kSettingsStoredForm);
  EXPECT_EQ(bytes, (std::vector<std::uint8_t>{0x0C, 0x00, 0x02, 0x00, 0x0B, 0x01, 0x06, 0x00, 0x60, 0x00, 0x00, 0x00}));
  EXPECT_EQ(CompareFormOf(bytes), kSettingsCompareForm);
  EXPECT_EQ(std::string(kSettingsCompareForm).size(), 36u);
}

TEST(ExplorerSettingsText, CompareFormHasUpperCaseDigitsAndABlankAfterEveryByte) {
  EXPECT_EQ(CompareFormOf({}), "");
  EXPECT_EQ(CompareFormOf({0xAB, 0x0F, 0xF0}), "AB 0F F0 ");
  EXPECT_EQ(BytesOfStoredForm("ab0F"), (std::vector<std::uint8_t>{0xAB, 0x0F}));
  EXPECT_THROW(BytesOfStoredForm("0C0"), std::invalid_argument);
  EXPECT_THROW(BytesOfStoredForm("0G"), std::invalid_argument);
}

}  // namespace
}  // namespace marlovin
