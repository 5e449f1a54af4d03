#include "common/text_file.h"

#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "common/fs_path.h"

namespace common {
namespace {

class TextFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    dir_ = std::filesystem::temp_directory_path() / ("suite-textfile-" + std::string(info->name()));
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }

  std::string PathOf(const std::string& name) const { return FromFsPath(dir_ / name); }
  std::string RawBytes(const std::string& name) const {
    std::ifstream in(dir_ / name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  void WriteRaw(const std::string& name, const std::string& bytes) const {
    std::ofstream(dir_ / name, std::ios::binary) << bytes;
  }

  std::filesystem::path dir_;
};

TEST(SplitLines, AcceptsEveryLineEndAndKeepsLinesAsTheyStand) {
  using Lines = std::vector<std::string>;
  const struct { const char* text; Lines lines; } cases[] = {
      {"", {}},
      {"a", {"a"}},
      {"a\r\nb\r\n", {"a", "b"}},
      {"a\rb\nc", {"a", "b", "c"}},
      {"a\r\n\r\nb", {"a", "", "b"}},
      {"\r\n", {""}},
      {" \"q\" \r\n", {" \"q\" "}},
      {"a\n\r", {"a", ""}},  // LF then a lone CR: two line ends
  };
  for (const auto& c : cases) EXPECT_EQ(SplitLines(c.text), c.lines) << c.text;
}

TEST(DecodeEightBitText, TakesUtf8WhenValidElseWindows1252) {
  EXPECT_EQ(DecodeEightBitText("caf\xC3\xA9"), "caf\xC3\xA9");
  EXPECT_EQ(DecodeEightBitText("\xEF\xBB\xBF" "abc"), "abc");
  EXPECT_EQ(DecodeEightBitText("caf\xE9 \x80 \x9F"), "caf\xC3\xA9 \xE2\x82\xAC \xC5\xB8");  // é € Ÿ
}

TEST_F(TextFileTest, WritesCrLfLinesAndReadsThemBack) {
  const std::vector<std::string> lines = {"C:\\a b\\x.txt", "", "\xC3\xA9t\xC3\xA9"};
  WriteTextFile(PathOf("list.txt"), JoinLines(lines));
  EXPECT_EQ(RawBytes("list.txt"), "C:\\a b\\x.txt\r\n\r\n\xC3\xA9t\xC3\xA9\r\n");
  EXPECT_EQ(SplitLines(ReadTextFile(PathOf("list.txt"))), lines);
}

TEST_F(TextFileTest, ReadsOldWindows1252Files) {
  WriteRaw("old.ini", "Home=C:\\Caf\xE9\r\n");
  EXPECT_EQ(ReadTextFile(PathOf("old.ini")), "Home=C:\\Caf\xC3\xA9\r\n");
}

TEST_F(TextFileTest, ReplaceSwapsInTheNewContentAndLeavesNoTemporaryFile) {
  WriteRaw("options.ini", "old\r\n");
  ReplaceTextFile(PathOf("options.ini"), "new\r\n");
  EXPECT_EQ(RawBytes("options.ini"), "new\r\n");
  // A target that cannot be replaced (here a folder) fails, and leaves the folder and
  // nothing else behind.
  std::filesystem::create_directory(dir_ / "busy.ini");
  EXPECT_THROW(ReplaceTextFile(PathOf("busy.ini"), "x"), FileError);
  EXPECT_TRUE(std::filesystem::is_directory(dir_ / "busy.ini"));
  EXPECT_THROW(ReplaceTextFile(PathOf("missing\\options.ini"), "x"), FileError);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_), {}), 2);
}

TEST_F(TextFileTest, ErrorsNameTheFile) {
  try {
    ReadTextFile(PathOf("absent.txt"));
    FAIL() << "reading a missing file must fail";
  } catch (const FileError& e) {
    EXPECT_NE(std::string(e.what()).find("absent.txt"), std::string::npos) << e.what();
  }
  EXPECT_FALSE(FileExists(PathOf("absent.txt")));
}

}  // namespace
}  // namespace common
