// The job on real files: what lands in the target, and what a failure leaves behind.
#include "quenlock/cipher_job.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "common/fs_path.h"
#include "common/text_file.h"
#include "quenlock/testing/cipher_test_support.h"

namespace quenlock {
namespace {

using testing::Bytes;
using testing::BytesOf;
using testing::ReadFile;
using testing::ScratchFolder;
using testing::WriteFile;

std::string Same(std::string_view text) { return std::string(text); }

CipherJobHooks PlainHooks() {
  CipherJobHooks hooks;
  hooks.toAnsi = &Same;
  return hooks;
}

TEST(ArgumentsOf, TakesTheFourArgumentsAsTheSideBarWritesThem) {
  const struct { const char* line; CipherArguments args; } cases[] = {
      // "source" "target" "password" "enc  (the side bar leaves the last quote open)
      {R"("C:\Program Files\Q\Quenlock.exe" "C:\My Docs\plan.txt" "D:\Safe\plan.txt.se" "pass word" "enc)",
       {R"(C:\My Docs\plan.txt)", R"(D:\Safe\plan.txt.se)", "pass word", "enc"}},
      // An empty password stays argument 3 and the word stays fourth.
      {R"(q.exe "a.se" "a" "" "dec)", {"a.se", "a", "", "dec"}},
      // A password ending in a backslash arrives whole.
      {R"(q.exe "a" "b" "pa\ss\" "enc)", {"a", "b", R"(pa\ss\)", "enc"}},
      {R"(q.exe "some text" "C:\out.txt" pw enc_string)", {"some text", R"(C:\out.txt)", "pw", "enc_string"}},
      // Missing arguments are empty.
      {"q.exe", {"", "", "", ""}},
      {"q.exe only", {"only", "", "", ""}},
  };
  for (const auto& c : cases) {
    const CipherArguments args = ArgumentsOf(c.line);
    EXPECT_EQ(args.source, c.args.source) << c.line;
    EXPECT_EQ(args.target, c.args.target) << c.line;
    EXPECT_EQ(args.password, c.args.password) << c.line;
    EXPECT_EQ(args.operation, c.args.operation) << c.line;
  }
}

TEST(OperationLine, NamesTheOperationAndTheSourceFile) {
  EXPECT_EQ(OperationLine({R"(C:\My Docs\plan.txt)", "x", "pw", "enc"}),
            "Current Operation: encoding of the file : plan.txt");
  EXPECT_EQ(OperationLine({R"(D:\Safe\plan.txt.se)", "x", "pw", "dec"}),
            "Current Operation: decoding of the file : plan.txt.se");
  EXPECT_EQ(OperationLine({"C:file.txt", "x", "pw", "xyz"}), "Current Operation: xyzoding of the file : file.txt");
}

TEST(DebugSwitchMessage, ShowsTheArgumentsOnThreeLines) {
  EXPECT_EQ(DebugSwitchMessage({"src", "dst", "pw", "enc"}), "Password := pw\rOutFileName := dst\rString := src");
}

class CipherJob : public ::testing::Test {
 protected:
  ScratchFolder folder{"quenlock-job"};
  const Bytes plain = testing::RandomBytes(20000 + 5, 42);
};

TEST_F(CipherJob, EncodesAndDecodesFilesWithBlanksInTheirPaths) {
  const std::string source = folder.File("plain file.txt");
  const std::string encrypted = folder.File("plain file.txt.se");
  const std::string decrypted = folder.File("plain file (2).txt");
  WriteFile(source, plain);
  WriteFile(decrypted, BytesOf("an older file that is overwritten"));

  RunCipherJob({source, encrypted, "pass word", "enc"}, PlainHooks());
  EXPECT_EQ(ReadFile(encrypted), testing::Encrypt("pass word", plain));
  RunCipherJob({encrypted, decrypted, "pass word", "dec"}, PlainHooks());
  EXPECT_EQ(ReadFile(decrypted), plain);
  EXPECT_EQ(ReadFile(source), plain) << "the source is never modified";
  EXPECT_EQ(folder.Names().size(), 3u) << "no temporary file is left";
}

TEST_F(CipherJob, HashesAndEncryptsTheAnsiBytes) {
  // The hook turns the UTF-8 texts into the bytes the cipher uses.
  CipherJobHooks hooks = PlainHooks();
  hooks.toAnsi = [](std::string_view utf8) { return utf8 == "caf\xC3\xA9" ? std::string("caf\xE9") : std::string(utf8); };
  const std::string source = folder.File("a.txt");
  WriteFile(source, plain);
  RunCipherJob({source, folder.File("a.se"), "caf\xC3\xA9", "enc"}, hooks);
  EXPECT_EQ(ReadFile(folder.File("a.se")), testing::Encrypt("caf\xE9", plain));

  RunCipherJob({"caf\xC3\xA9", folder.File("text.txt"), "open sesame", "enc_string"}, hooks);
  TRijndaelCipher cipher;
  cipher.KeyFromPassword("open sesame", &TSha1Hash::Create);
  const std::string expected = cipher.EncipherText("caf\xE9") + "\r\n";
  EXPECT_EQ(ReadFile(folder.File("text.txt")), BytesOf(expected));
}

TEST_F(CipherJob, TextModeWritesOneBase64LineWithCrLf) {
  const struct { const char* text; const char* file; } cases[] = {
      {"", "\r\n"},
      {"Hello", "8Dbjccg=\r\n"},  // openssl enc -aes-192-cfb8, see the format tests
  };
  for (const auto& c : cases) {
    const std::string target = folder.File("text.txt");
    RunCipherJob({c.text, target, "open sesame", "enc_string"}, PlainHooks());
    EXPECT_EQ(ReadFile(target), BytesOf(c.file)) << c.text;
  }
}

TEST_F(CipherJob, AnUnknownOperationWordLeavesAnEmptyTarget) {
  const std::string source = folder.File("a.txt");
  const std::string target = folder.File("b.txt");
  WriteFile(source, plain);
  WriteFile(target, BytesOf("old content"));
  for (const char* word : {"xyz", "ENC", ""}) {
    RunCipherJob({source, target, "pw", word}, PlainHooks());
    EXPECT_TRUE(std::filesystem::exists(common::ToFsPath(target))) << word;
    EXPECT_EQ(ReadFile(target), Bytes{}) << word;
  }
  EXPECT_THROW(RunCipherJob({folder.File("missing.txt"), target, "pw", "xyz"}, PlainHooks()), std::exception)
      << "the source must exist whatever the word";
}

TEST_F(CipherJob, FailuresLeaveNoTargetAndKeepAnExistingOne) {
  const std::string source = folder.File("a.txt");
  const std::string existing = folder.File("existing.se");
  WriteFile(source, plain);
  WriteFile(existing, BytesOf("keep me"));
  const struct { const char* what; CipherArguments args; } cases[] = {
      {"missing source", {folder.File("missing.txt"), folder.File("new.se"), "pw", "enc"}},
      {"missing source, existing target", {folder.File("missing.txt"), existing, "pw", "enc"}},
      {"source is a folder", {folder.File(""), folder.File("new.se"), "pw", "enc"}},
      {"no target", {source, "", "pw", "enc"}},
      {"target in a missing folder", {source, folder.File("no folder/new.se"), "pw", "enc"}},
      {"target is a folder", {source, folder.File(""), "pw", "enc"}},
      {"no arguments at all", {"", "", "", ""}},
  };
  for (const auto& c : cases) {
    EXPECT_THROW(RunCipherJob(c.args, PlainHooks()), std::exception) << c.what;
    EXPECT_EQ(ReadFile(existing), BytesOf("keep me")) << c.what;
    EXPECT_EQ(folder.Names().size(), 2u) << c.what << ": nothing new in the folder";
  }
  EXPECT_EQ(ReadFile(source), plain);
}

TEST_F(CipherJob, AFailureMidWayKeepsTheOldTargetAndLeavesNoPartialFile) {
  const std::string source = folder.File("big.txt");
  const std::string target = folder.File("big.se");
  WriteFile(source, testing::RandomBytes(5 * 8192, 1));
  WriteFile(target, BytesOf("the previous encrypted file"));
  CipherJobHooks hooks = PlainHooks();
  int reports = 0;
  hooks.onProgress = [&](std::int64_t, std::int64_t) {
    if (++reports == 2) throw std::runtime_error("disk full");
  };
  EXPECT_THROW(RunCipherJob({source, target, "pw", "enc"}, hooks), std::runtime_error);
  EXPECT_EQ(ReadFile(target), BytesOf("the previous encrypted file"));
  EXPECT_EQ(folder.Names().size(), 2u) << "the partial temporary file is removed";
}

TEST_F(CipherJob, RefusesATargetThatIsTheSourceUnderAnotherSpelling) {
  std::filesystem::create_directories(common::ToFsPath(folder.File("sub")));
  const std::string source = folder.File("a.txt");
  WriteFile(source, plain);
  std::filesystem::create_hard_link(common::ToFsPath(source), common::ToFsPath(folder.File("link.txt")));
  std::vector<std::string> spellings = {source, folder.File("sub") + "\\..\\a.txt", folder.File("link.txt")};
#ifdef _WIN32
  spellings.push_back(folder.File("A.TXT"));  // names are compared without regard to case
#endif
  for (const auto& target : spellings) {
    try {
      RunCipherJob({source, target, "pw", "enc"}, PlainHooks());
      ADD_FAILURE() << target << " was taken as the target";
    } catch (const common::FileError& e) {
      EXPECT_NE(std::string(e.what()).find("is the source file itself"), std::string::npos) << e.what();
    }
    EXPECT_EQ(ReadFile(source), plain) << target;
  }
  EXPECT_EQ(folder.Names().size(), 3u) << "nothing was written";
}

TEST_F(CipherJob, TheDebugSwitchShowsTheArgumentsAfterTheTargetWasCreated) {
  const std::string source = folder.File("a.txt");
  const std::string target = folder.File("a.se");
  const std::string debugSwitch = folder.File("debug.semi");
  WriteFile(source, plain);
  CipherJobHooks hooks = PlainHooks();
  hooks.debugSwitchFile = debugSwitch;
  std::vector<std::string> messages;
  std::size_t filesAtMessage = 0;
  bool progressBeforeMessage = false;
  hooks.showDebugMessage = [&](const std::string& message) {
    messages.push_back(message);
    filesAtMessage = folder.Names().size();
  };
  hooks.onProgress = [&](std::int64_t, std::int64_t) { progressBeforeMessage |= messages.empty(); };

  RunCipherJob({source, target, "pw", "enc"}, hooks);
  EXPECT_TRUE(messages.empty()) << "no switch file, no message";

  WriteFile(debugSwitch, {});
  progressBeforeMessage = false;
  RunCipherJob({source, target, "pw", "enc"}, hooks);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0], "Password := pw\rOutFileName := " + target + "\rString := " + source);
  EXPECT_EQ(filesAtMessage, 4u) << "source, switch, old target and the new target being written";
  EXPECT_FALSE(progressBeforeMessage) << "the message comes before any data is transformed";
  EXPECT_EQ(ReadFile(target), testing::Encrypt("pw", plain));
}

}  // namespace
}  // namespace quenlock
