// Penderil as a user starts it: with the side bar's list file or without one, driven
// through its keys, renaming real files.
#include <windows.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "penderil/test_folder.h"
#include "tests/e2e/list_view_probe.h"
#include "tests/e2e/program_runner.h"
#include "win32/testing/keyboard.h"
#include "win32/testing/window_list.h"
#include "win32/utf.h"

namespace e2e {
namespace {

constexpr DWORD kStartMs = 20000;
constexpr char kWindowClass[] = "Penderil.TFormMain";

using Rows = std::vector<std::vector<std::wstring>>;

std::wstring Penderil() { return DistFolder() + L"tools\\multi-rename\\Penderil.exe"; }

// Waits until the window's list shows `rows` rows; returns what it shows then.
Rows WaitForRows(HWND window, std::size_t rows) {
  const HWND list = FindChildWindow(window, L"SysListView32");
  if (!list) return {};
  Rows shown;
  const ULONGLONG deadline = GetTickCount64() + 10000;
  do {
    shown = ReadListView(list, 3);
    if (shown.size() == rows) break;
    Sleep(50);
  } while (GetTickCount64() < deadline);
  return shown;
}

// A key pressed and released with modifiers held, sent once `window` is in front: the
// keyboard's input goes to the foreground window, which another test may have taken.
void PressKey(HWND window, std::initializer_list<WORD> modifiers, WORD key) {
  for (int attempt = 0; attempt < 50 && GetForegroundWindow() != window; ++attempt) {
    SetForegroundWindow(window);
    Sleep(20);
  }
  ASSERT_EQ(GetForegroundWindow(), window) << "Penderil did not come to the front";
  win32::testing::PressKey(modifiers, key);
}

TEST(Penderil, ShowsTheListFileAndRenamesThroughItsKeys) {
  penderil::testing::TestFolder folder;
  const std::string one = folder.Make("alpha.txt", "a");
  const std::string two = folder.Make("beta.txt", "b");
  const std::string three = folder.Make("gamma", "c");
  // The side bar's hand-off: one full path a line, CR LF; here a lone LF and a last line
  // without an end as well.
  const std::string list = folder.Make("WipeDirList.txt", one + "\r\n" + two + "\n" + three);

  RunningProgram penderil(Penderil(), L"\"" + win32::Widen(list) + L"\"");
  const auto window = penderil.WaitForWindow(kWindowClass, kStartMs);
  ASSERT_TRUE(window) << DescribeDesktop();
  const std::wstring location = win32::Widen(folder.Path());
  EXPECT_EQ(WaitForRows(window->hwnd, 3), (Rows{{L"alpha.txt", L"alpha.txt", location},
                                                {L"beta.txt", L"beta.txt", location},
                                                {L"gamma", L"gamma", location}}));

  // F4 puts the counter into the name mask; Ctrl+Enter renames.
  PressKey(window->hwnd, {}, VK_F4);
  EXPECT_EQ(WaitForRows(window->hwnd, 3).at(2).at(1), L"gamma3");
  PressKey(window->hwnd, {VK_CONTROL}, VK_RETURN);
  std::vector<std::string> names;
  const ULONGLONG deadline = GetTickCount64() + 10000;
  do {
    names = folder.Names();
    if (names == std::vector<std::string>{"WipeDirList.txt", "alpha1.txt", "beta2.txt", "gamma3"}) break;
    Sleep(50);
  } while (GetTickCount64() < deadline);
  EXPECT_EQ(names, (std::vector<std::string>{"WipeDirList.txt", "alpha1.txt", "beta2.txt", "gamma3"}));
  EXPECT_EQ(penderil::testing::Content(folder.Path() + "beta2.txt"), "b");
  EXPECT_EQ(WaitForRows(window->hwnd, 3).at(0).at(0), L"alpha1.txt") << "the Old Name follows the rename";
  EXPECT_EQ(penderil::testing::Content(list), one + "\r\n" + two + "\n" + three) << "the list file stays as it was";

  PostMessageW(window->hwnd, WM_CLOSE, 0, 0);
  EXPECT_EQ(penderil.WaitForExit(kStartMs), 0u);
}

TEST(Penderil, WithoutAnArgumentTheListIsEmpty) {
  RunningProgram penderil(Penderil());
  const auto window = penderil.WaitForWindow(kWindowClass, kStartMs);
  ASSERT_TRUE(window) << DescribeDesktop();
  Sleep(500);  // the start-up has run by now
  EXPECT_TRUE(WaitForRows(window->hwnd, 0).empty());
  for (const auto& other : win32::testing::TopLevelWindows(penderil.ProcessId())) {
    EXPECT_NE(other.className, "#32770") << "no message box: " << win32::testing::WindowTexts(other.hwnd);
  }
  PostMessageW(window->hwnd, WM_CLOSE, 0, 0);
  EXPECT_EQ(penderil.WaitForExit(kStartMs), 0u);
}

}  // namespace
}  // namespace e2e
