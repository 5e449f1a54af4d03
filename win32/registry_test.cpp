#include "win32/registry.h"

#include <gtest/gtest.h>

#include "win32/error.h"

namespace win32 {
namespace {

constexpr wchar_t kTestKey[] = L"Software\\CorvanSuiteTests\\Registry";

class RegistryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RegDeleteTreeW(HKEY_CURRENT_USER, kTestKey);
    CreateRegistryKey(HKEY_CURRENT_USER, kTestKey, KEY_WRITE);
  }
  void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, kTestKey); }
};

TEST_F(RegistryTest, IntegersReadBackWhatWasWritten) {
  for (const std::int32_t value : {0, 1, -1, 2147483647, -2147483647 - 1}) {
    WriteRegistryInteger(value, HKEY_CURRENT_USER, kTestKey, L"Number");
    EXPECT_EQ(ReadRegistryInteger(HKEY_CURRENT_USER, kTestKey, L"Number"), value);
  }
  RegistryValue raw;
  ASSERT_TRUE(QueryRegistryValue(HKEY_CURRENT_USER, kTestKey, L"Number", raw));
  EXPECT_EQ(raw.type, static_cast<DWORD>(REG_DWORD));
  EXPECT_EQ(raw.data.size(), 4u);
}

TEST_F(RegistryTest, MissingKeyOrValueIsAnErrorNamingBoth) {
  const auto messageOf = [](auto&& call) -> std::string {
    try {
      call();
    } catch (const Win32Error& e) {
      return e.what();
    }
    return "no error";
  };
  const std::string missingValue = messageOf([] { ReadRegistryInteger(HKEY_CURRENT_USER, kTestKey, L"Absent"); });
  EXPECT_NE(missingValue.find("\"Absent\""), std::string::npos) << missingValue;
  EXPECT_NE(missingValue.find("HKEY_CURRENT_USER\\Software\\CorvanSuiteTests\\Registry"), std::string::npos)
      << missingValue;

  const std::wstring missingKey = std::wstring(kTestKey) + L"\\Absent";
  EXPECT_NE(messageOf([&] { ReadRegistryInteger(HKEY_CURRENT_USER, missingKey, L"X"); }).find("Registry\\Absent"),
            std::string::npos);
  // Writing does not create the key.
  EXPECT_NE(messageOf([&] { WriteRegistryInteger(1, HKEY_CURRENT_USER, missingKey, L"X"); }), "no error");
  RegistryValue raw;
  EXPECT_FALSE(QueryRegistryValue(HKEY_CURRENT_USER, missingKey, L"X", raw));
}

TEST_F(RegistryTest, AValueOfAnotherTypeIsNotAnInteger) {
  const UniqueHkey key = OpenRegistryKey(HKEY_CURRENT_USER, kTestKey, KEY_SET_VALUE);
  const BYTE bytes[] = {1, 0, 0, 0};
  RegSetValueExW(key.get(), L"Binary", 0, REG_BINARY, bytes, sizeof(bytes));
  EXPECT_THROW(ReadRegistryInteger(HKEY_CURRENT_USER, kTestKey, L"Binary"), Win32Error);
}

}  // namespace
}  // namespace win32
