// Quenlock as the side bar starts it: the real program with the real command line, and
// the bytes it wrote.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "common/fs_path.h"
#include "quenlock/testing/cipher_test_support.h"
#include "tests/e2e/program_dialog.h"
#include "tests/e2e/program_runner.h"
#include "win32/testing/window_watchdog.h"
#include "win32/utf.h"

namespace e2e {
namespace {

using quenlock::testing::Bytes;
using quenlock::testing::BytesOf;
using quenlock::testing::ReadFile;
using quenlock::testing::ScratchFolder;
using quenlock::testing::WriteFile;

constexpr DWORD kJobMs = 30000;
constexpr char kDebugSwitchFile[] = "C:\\WINNT\\debug.semi";

std::wstring Quenlock() { return DistFolder() + L"tools\\cipherEr\\Quenlock.exe"; }

// The side bar's command line: each value in quotes, the last quote left open.
std::wstring HandOff(const std::string& source, const std::string& target, const std::wstring& password,
                     const std::wstring& word) {
  return L"\"" + win32::Widen(source) + L"\" \"" + win32::Widen(target) + L"\" \"" + password + L"\" \"" + word;
}

std::string AnsiBytes(const std::wstring& text) {
  const int size = WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), bytes.data(), size, nullptr, nullptr);
  return bytes;
}

bool Exists(const std::string& path) { return std::filesystem::exists(common::ToFsPath(path)); }

// Runs Quenlock to its end; it must close by itself with exit code 0 and show no box.
void RunToEnd(const std::wstring& arguments) {
  RunningProgram quenlock(Quenlock(), arguments);
  const auto exitCode = quenlock.WaitForExit(kJobMs);
  if (!exitCode) {
    const auto dialog = WaitForProgramDialog(quenlock.ProcessId(), 0);
    FAIL() << "Quenlock did not end; "
           << (dialog ? "it shows: " + win32::testing::WindowTexts(dialog->hwnd) : "on the desktop:\n" + DescribeDesktop());
  }
  EXPECT_EQ(*exitCode, 0u);
}

// Runs Quenlock until it shows a message box, returns the box's texts after pressing OK,
// and waits for the program to end by itself with exit code 0.
std::string RunAnsweringItsBox(const std::wstring& arguments, const std::function<void()>& whileTheBoxShows = {}) {
  RunningProgram quenlock(Quenlock(), arguments);
  const auto dialog = WaitForProgramDialog(quenlock.ProcessId(), kJobMs);
  if (!dialog) {
    ADD_FAILURE() << "no message box; on the desktop:\n" << DescribeDesktop();
    return {};
  }
  const std::string texts = win32::testing::WindowTexts(dialog->hwnd);
  if (whileTheBoxShows) whileTheBoxShows();
  win32::testing::PressDialogButton(dialog->hwnd, IDOK);
  EXPECT_EQ(quenlock.WaitForExit(kJobMs), 0u);
  return texts;
}

class QuenlockProgram : public ::testing::Test {
 protected:
  ScratchFolder folder{"quenlock-e2e"};
};

TEST_F(QuenlockProgram, WritesTheDocumentedFileFormat) {
  // The 44-byte sentence under "open sesame", as computed with openssl in the format tests.
  const std::string source = folder.File("fox.txt");
  const std::string target = folder.File("fox.txt.se");
  WriteFile(source, BytesOf("The quick brown fox jumps over the lazy dog."));
  RunToEnd(HandOff(source, target, L"open sesame", L"enc"));
  EXPECT_EQ(quenlock::testing::ToHex(ReadFile(target)),
            "2fede6d1f6b49c1c0359737bf1fa4b43c6bd6f17562530c6be545082d207170f12a1314589c1a3bb5be7ad4e");
}

TEST_F(QuenlockProgram, EncodesAndDecodesFilesWithBlanksAndAnyLettersInTheirPaths) {
  // A password with a blank, a letter outside ASCII and a final backslash: it is hashed
  // as its ANSI code page bytes.
  const std::wstring password = L"caf\u00e9 pass\\";
  ASSERT_NE(AnsiBytes(password), win32::Narrow(password)) << "the ANSI code page is UTF-8: nothing to tell apart";
  const std::string source = folder.File("my plain file.txt");
  const std::string encrypted = folder.File("my plain file.txt.se");
  const std::string decrypted = folder.File("my plain file (\u03a9 zur\u00fcck).txt");  // Ω is outside ANSI
  const Bytes plain = quenlock::testing::RandomBytes(100000 + 9, 77);
  WriteFile(source, plain);

  RunToEnd(HandOff(source, encrypted, password, L"enc"));
  const Bytes encryptedBytes = ReadFile(encrypted);
  EXPECT_EQ(encryptedBytes, quenlock::testing::Encrypt(AnsiBytes(password), plain));
  EXPECT_NE(encryptedBytes, quenlock::testing::Encrypt(win32::Narrow(password), plain));

  RunToEnd(HandOff(encrypted, decrypted, password, L"dec"));
  EXPECT_EQ(ReadFile(decrypted), plain);
  EXPECT_EQ(ReadFile(source), plain) << "the source is never modified";
  EXPECT_EQ(folder.Names().size(), 3u) << "nothing else is written";
}

TEST_F(QuenlockProgram, ShowsItsWindowWhileAJobRunsAndEndsByItself) {
  const std::string source = folder.File("large.bin");
  WriteFile(source, Bytes(96u << 20, 0x5A));
  RunningProgram quenlock(Quenlock(), HandOff(source, folder.File("large.bin.se"), L"pw", L"enc"));
  const auto window = quenlock.WaitForWindow("Quenlock.TForm1", kJobMs);
  ASSERT_TRUE(window) << DescribeDesktop();
  EXPECT_EQ(window->title, "Ciphering using Rijndael (  AES ) algorithm");
  EXPECT_EQ(quenlock.WaitForExit(kJobMs), 0u);
  EXPECT_EQ(std::filesystem::file_size(common::ToFsPath(folder.File("large.bin.se"))), 96u << 20);
}

TEST_F(QuenlockProgram, TextModeWritesOneLineAndShowsNoWindow) {
  const std::string target = folder.File("text.txt");
  RunningProgram quenlock(Quenlock(), L"\"Hello\" \"" + win32::Widen(target) + L"\" \"open sesame\" \"enc_string");
  bool windowSeen = false;
  std::optional<DWORD> exitCode;
  while (!(exitCode = quenlock.WaitForExit(10))) {
    windowSeen |= !win32::testing::TopLevelWindows(quenlock.ProcessId()).empty();
  }
  EXPECT_EQ(*exitCode, 0u);
  EXPECT_FALSE(windowSeen);
  EXPECT_EQ(ReadFile(target), BytesOf("8Dbjccg=\r\n"));
}

TEST_F(QuenlockProgram, AnUnknownOperationWordLeavesAnEmptyTarget) {
  const std::string source = folder.File("a.txt");
  const std::string target = folder.File("b.txt");
  WriteFile(source, BytesOf("some data"));
  WriteFile(target, BytesOf("old"));
  RunToEnd(HandOff(source, target, L"pw", L"Enc"));
  EXPECT_TRUE(Exists(target));
  EXPECT_EQ(ReadFile(target), Bytes{});
}

TEST_F(QuenlockProgram, AMissingSourceIsAFileIoErrorAndLeavesNoTarget) {
  const std::string target = folder.File("missing.txt.se");
  const std::string texts = RunAnsweringItsBox(HandOff(folder.File("missing.txt"), target, L"pw", L"enc"));
  EXPECT_NE(texts.find("File IO error"), std::string::npos) << texts;
  EXPECT_TRUE(folder.Names().empty()) << "no target and no temporary file";
}

TEST_F(QuenlockProgram, RefusesToWriteOverItsSource) {
  const std::string source = folder.File("a.txt");
  const Bytes plain = BytesOf("precious");
  WriteFile(source, plain);
  // The same file, spelled in capitals and through a folder and back.
  std::filesystem::create_directories(common::ToFsPath(folder.File("sub")));
  const std::string texts = RunAnsweringItsBox(HandOff(source, folder.File("sub\\..\\A.TXT"), L"pw", L"enc"));
  EXPECT_NE(texts.find("File IO error"), std::string::npos) << texts;
  EXPECT_EQ(ReadFile(source), plain);
}

TEST_F(QuenlockProgram, TheDebugSwitchFileShowsTheArgumentsBeforeTheJob) {
  ASSERT_TRUE(CreateDirectoryW(L"C:\\WINNT", nullptr) || GetLastError() == ERROR_ALREADY_EXISTS);
  WriteFile(kDebugSwitchFile, {});
  ASSERT_TRUE(Exists(kDebugSwitchFile));
  struct RemoveSwitch {
    ~RemoveSwitch() { DeleteFileW(L"C:\\WINNT\\debug.semi"); }
  } removeSwitch;

  const std::string source = folder.File("a b.txt");
  const std::string target = folder.File("a b.txt.se");
  const Bytes plain = quenlock::testing::RandomBytes(5000, 1);
  WriteFile(source, plain);
  std::size_t filesWhileShown = 0;
  bool targetWhileShown = true;
  const std::string texts = RunAnsweringItsBox(HandOff(source, target, L"open sesame", L"enc"), [&] {
    filesWhileShown = folder.Names().size();
    targetWhileShown = Exists(target);
  });
  EXPECT_NE(texts.find("Password := open sesame\rOutFileName := " + target + "\rString := " + source),
            std::string::npos)
      << texts;
  EXPECT_EQ(filesWhileShown, 2u) << "the target is being written (under a temporary name)";
  EXPECT_FALSE(targetWhileShown) << "the target takes its name only when the job is done";
  EXPECT_EQ(ReadFile(target), quenlock::testing::Encrypt("open sesame", plain));
}

}  // namespace
}  // namespace e2e
