#include "quenlock/main_window.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include "quenlock/testing/cipher_test_support.h"
#include "win32/dpi.h"
#include "win32/testing/window_list.h"
#include "win32/testing/window_watchdog.h"
#include "win32/utf.h"

namespace quenlock {
namespace {

using testing::Bytes;
using testing::ReadFile;
using testing::ScratchFolder;
using testing::WriteFile;

constexpr DWORD kJobMs = 20000;

// Runs the window's messages until the window has closed itself.
bool RunUntilClosed(const TForm1& form, const std::function<void()>& eachRound = {}) {
  return win32::testing::PumpMessagesUntil(
      [&] {
        if (eachRound) eachRound();
        return !IsWindow(form.Handle());
      },
      kJobMs);
}

TEST(TForm1, IsTheBorderlessProgressStripWithItsTexts) {
  ScratchFolder folder("quenlock-window");
  const std::string source = folder.File("plain file.txt");
  WriteFile(source, testing::RandomBytes(100000, 5));
  TForm1 form({source, folder.File("plain file.txt.se"), "pw", "enc"});
  const HWND hwnd = form.Handle();

  const UINT dpi = win32::DpiOf(nullptr);
  RECT client{}, window{};
  GetClientRect(hwnd, &client);
  GetWindowRect(hwnd, &window);
  EXPECT_EQ(client.right, win32::ScaleForDpi(566, dpi));
  EXPECT_EQ(client.bottom, win32::ScaleForDpi(163, dpi));
  EXPECT_EQ(window.left, win32::ScaleForDpi(248, dpi));
  EXPECT_EQ(window.top, win32::ScaleForDpi(199, dpi));
  EXPECT_EQ(window.right - window.left, client.right) << "no border";
  EXPECT_EQ(GetWindowLongW(hwnd, GWL_STYLE) & (WS_CAPTION | WS_THICKFRAME | WS_BORDER), 0);

  wchar_t title[128];
  GetWindowTextW(hwnd, title, 128);
  EXPECT_STREQ(title, L"Ciphering using Rijndael (  AES ) algorithm");
  EXPECT_EQ(*form.EZTexturePanelTop().LabelText(TForm1::kLabelCaption), L"Ciphering using Rijndael (  AES ) algorithm");
  EXPECT_EQ(*form.EZTexturePanelMain().LabelText(TForm1::kLabel1), L"Progress:");
  EXPECT_EQ(*form.EZTexturePanelMain().LabelText(TForm1::kLabel2), L"Using Rijndael  ( AES  )  algorithm.");
  EXPECT_EQ(*form.EZTexturePanelMain().LabelText(TForm1::kLabelOperation), L"Operation:");
  EXPECT_TRUE(FindWindowExW(form.EZTexturePanelMain().Handle(), nullptr, nullptr, L"Hide"));

  EXPECT_EQ(SendMessageW(form.XiProgressBar(), PBM_GETRANGE, TRUE, 0), 0);
  EXPECT_EQ(SendMessageW(form.XiProgressBar(), PBM_GETRANGE, FALSE, 0), 1000);
  EXPECT_EQ(SendMessageW(form.XiProgressBar(), PBM_GETPOS, 0, 0), 500);
}

TEST(TForm1, RunsItsJobOnceAfterTheTimerAndClosesItself) {
  ScratchFolder folder("quenlock-window");
  const std::string source = folder.File("plain file.txt");
  const Bytes plain = testing::RandomBytes(3 * 8192 + 7, 9);
  WriteFile(source, plain);
  TForm1 form({source, folder.File("plain file.txt.se"), "pw", "enc"});
  form.Show(SW_SHOWNORMAL);
  EXPECT_TRUE(IsWindowVisible(form.Handle()));

  ASSERT_TRUE(RunUntilClosed(form)) << "the window did not close itself";
  EXPECT_EQ(ReadFile(folder.File("plain file.txt.se")), testing::Encrypt("pw", plain));
  EXPECT_EQ(*form.EZTexturePanelMain().LabelText(TForm1::kLabelOperation),
            L"Current Operation: encoding of the file : plain file.txt");
  EXPECT_EQ(form.ProgressBarPosition(), 1000);
}

TEST(TForm1, TextModeIsNeverSeen) {
  ScratchFolder folder("quenlock-window");
  TForm1 form({"Hello", folder.File("text.txt"), "open sesame", "enc_string"});
  form.Show(SW_SHOWNORMAL);
  bool everVisible = false;
  ASSERT_TRUE(RunUntilClosed(form, [&] { everVisible |= IsWindow(form.Handle()) && IsWindowVisible(form.Handle()); }));
  EXPECT_FALSE(everVisible);
  EXPECT_EQ(ReadFile(folder.File("text.txt")), testing::BytesOf("8Dbjccg=\r\n"));
}

TEST(TForm1, HideMinimisesTheWindow) {
  ScratchFolder folder("quenlock-window");
  TForm1 form({folder.File("missing.txt"), folder.File("x.se"), "pw", "enc"});
  form.Show(SW_SHOWNORMAL);
  const HWND hide = FindWindowExW(form.EZTexturePanelMain().Handle(), nullptr, nullptr, L"Hide");
  ASSERT_TRUE(hide);
  SendMessageW(hide, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  SendMessageW(hide, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  EXPECT_TRUE(IsIconic(form.Handle()));
}

TEST(TForm1, AnyFailureShowsFileIoErrorAndTheWindowStillCloses) {
  ScratchFolder folder("quenlock-window");
  std::string seen;
  win32::testing::ExpectDialog answer([&](HWND dialog) {
    seen = win32::testing::WindowTexts(dialog);
    win32::testing::PressDialogButton(dialog, IDOK);
    return true;
  });
  TForm1 form({folder.File("missing.txt"), folder.File("x.se"), "pw", "enc"});
  form.Show(SW_SHOWNORMAL);
  ASSERT_TRUE(RunUntilClosed(form)) << "the window did not close itself";
  EXPECT_NE(seen.find("File IO error"), std::string::npos) << seen;
  EXPECT_FALSE(std::filesystem::exists(common::ToFsPath(folder.File("x.se"))));
}

}  // namespace
}  // namespace quenlock
