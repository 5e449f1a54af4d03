#include "common/key_file.h"

#include <filesystem>
#include <fstream>
#include <stdexcept>

#include <gtest/gtest.h>

#include "common/fs_path.h"
#include "common/text_file.h"

namespace common {
namespace {

using Lines = std::vector<std::string>;

TEST(KeyFile, FindsTheFirstLineOfAKeyIgnoringCaseAndKeepsValuesUntrimmed) {
  const KeyFile file(
      "; a comment line\r\n"
      "homedir= C:\\Home \r\n"
      "HomeDir=second\n"
      "Empty=\r"
      "Expr=a=b\r\n"
      "NoEquals\r\n"
      " Spaced =x\r\n");
  const struct { const char* key; const char* value; } cases[] = {
      {"HomeDir", " C:\\Home "}, {"HOMEDIR", " C:\\Home "}, {"Empty", ""},   {"Expr", "a=b"},
      {"Missing", ""},           {"NoEquals", ""},          {"Spaced", ""}, {" Spaced ", "x"},
  };
  for (const auto& c : cases) EXPECT_EQ(file.Value(c.key), c.value) << c.key;
}

TEST(KeyFile, WritesInPlaceAppendsNewKeysAndRemovesOnEmptyValue) {
  const std::string text = "first\r\nhomedir=old\r\nx=1\r\nHomeDir=second\r\n";
  const struct {
    const char* name;
    const char* key;
    const char* value;
    Lines lines;
  } cases[] = {
      {"rewritten in place, key spelled as written", "HomeDir", "new",
       {"first", "HomeDir=new", "x=1", "HomeDir=second"}},
      {"appended at the end", "Added", "v", {"first", "homedir=old", "x=1", "HomeDir=second", "Added=v"}},
      {"empty value removes the first line only", "HOMEDIR", "", {"first", "x=1", "HomeDir=second"}},
      {"empty value of a missing key changes nothing", "Missing", "", {"first", "homedir=old", "x=1", "HomeDir=second"}},
      {"value kept untrimmed", "x", " a , b ", {"first", "homedir=old", "x= a , b ", "HomeDir=second"}},
  };
  for (const auto& c : cases) {
    KeyFile file(text);
    file.SetValue(c.key, c.value);
    EXPECT_EQ(file.Lines(), c.lines) << c.name;
  }
}

TEST(KeyFile, RefusesKeysAndValuesThatWouldNotReadBack) {
  KeyFile file("a=1\r\n");
  for (const char* key : {"", "a=b", "line\nbreak", "line\rbreak"}) {
    EXPECT_THROW(file.SetValue(key, "x"), std::invalid_argument) << key;
  }
  EXPECT_THROW(file.SetValue("a", "one\r\nb=2"), std::invalid_argument);
  EXPECT_EQ(file.Lines(), Lines{"a=1"});
}

class KeyFileOnDisk : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() /
           ("suite-keyfile-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }
  std::string PathOf(const char* name) const { return FromFsPath(dir_ / name); }
  std::string Bytes(const char* name) const {
    std::ifstream in(dir_ / name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

  std::filesystem::path dir_;
};

TEST_F(KeyFileOnDisk, WritesEveryLineWithCrLfAndReadsAMissingFileAsEmpty) {
  std::ofstream(dir_ / "options.ini", std::ios::binary) << "a=1\nplain\rb=2";
  KeyFile file = KeyFile::Read(PathOf("options.ini"));
  file.SetValue("c", "3");
  file.Write(PathOf("options.ini"));
  EXPECT_EQ(Bytes("options.ini"), "a=1\r\nplain\r\nb=2\r\nc=3\r\n");

  EXPECT_TRUE(KeyFile::ReadIfExists(PathOf("absent.ini")).Lines().empty());
  EXPECT_THROW(KeyFile::Read(PathOf("absent.ini")), FileError);
}

}  // namespace
}  // namespace common
