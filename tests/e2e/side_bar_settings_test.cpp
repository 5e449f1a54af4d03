// The real side bar started with Explorer's full-path settings wrong: it explains, writes
// the three values, asks about restarting Explorer and ends; the next start passes.
#include <windows.h>

#include <gtest/gtest.h>

#include "tests/e2e/program_dialog.h"
#include "tests/e2e/program_runner.h"
#include "win32/registry.h"
#include "win32/testing/window_list.h"
#include "win32/testing/window_watchdog.h"

namespace e2e {
namespace {

constexpr DWORD kWaitMs = 20000;
constexpr wchar_t kKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\CabinetState";
const std::vector<BYTE> kRightSettings{0x0C, 0x00, 0x02, 0x00, 0x0B, 0x01, 0x06, 0x00, 0x60, 0x00, 0x00, 0x00};

void SetInteger(const wchar_t* name, DWORD value) {
  const win32::UniqueHkey key = win32::CreateRegistryKey(HKEY_CURRENT_USER, kKey, KEY_SET_VALUE);
  ASSERT_EQ(RegSetValueExW(key.get(), name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof(value)),
            ERROR_SUCCESS);
}

void WriteRightSettings() {
  const win32::UniqueHkey key = win32::CreateRegistryKey(HKEY_CURRENT_USER, kKey, KEY_SET_VALUE);
  ASSERT_EQ(RegSetValueExW(key.get(), L"Settings", 0, REG_BINARY, kRightSettings.data(), 12), ERROR_SUCCESS);
  SetInteger(L"FullPath", 1);
  SetInteger(L"FullPathAddress", 1);
}

// Waits for the program's next message box, checks that its text starts with `start`,
// presses `button` and waits until the box is gone.
void Answer(const RunningProgram& program, const std::string& start, int button) {
  const auto box = WaitForProgramDialog(program.ProcessId(), kWaitMs);
  ASSERT_TRUE(box) << "no message box; on the desktop:\n" << DescribeDesktop();
  const std::string texts = win32::testing::WindowTexts(box->hwnd);
  EXPECT_NE(texts.find("| " + start), std::string::npos) << texts;
  win32::testing::PressDialogButton(box->hwnd, button);
  ASSERT_TRUE(win32::testing::PumpMessagesUntil([&] { return !IsWindow(box->hwnd); }, kWaitMs));
}

class SideBarExplorerSettings : public ::testing::Test {
 protected:
  void TearDown() override { WriteRightSettings(); }
};

TEST_F(SideBarExplorerSettings, WrongSettingsAtStartAreRepairedAndTheBarEnds) {
  SetInteger(L"FullPath", 0);
  RunningProgram bar(DistFolder() + L"marlovin-file-manager.exe");
  Answer(bar, "Some Explorer Options need to be set in \n", IDOK);
  Answer(bar, "Explorer's Options were not set properly. Fixed.\n", IDNO);
  Answer(bar, "This program will get fully functionalon your next login.\n", IDOK);
  EXPECT_EQ(bar.WaitForExit(kWaitMs), 0u) << "the bar ends after the repair";

  win32::RegistryValue value;
  ASSERT_TRUE(win32::QueryRegistryValue(HKEY_CURRENT_USER, kKey, L"FullPath", value));
  EXPECT_EQ(value.type, static_cast<DWORD>(REG_DWORD));
  EXPECT_EQ(value.data, (std::vector<BYTE>{1, 0, 0, 0}));
  ASSERT_TRUE(win32::QueryRegistryValue(HKEY_CURRENT_USER, kKey, L"Settings", value));
  EXPECT_EQ(value.type, static_cast<DWORD>(REG_BINARY));
  EXPECT_EQ(value.data, kRightSettings);

  // The next start passes the check without a word.
  RunningProgram again(DistFolder() + L"marlovin-file-manager.exe");
  const auto window = again.WaitForWindow("Marlovin.TFormMain", kWaitMs);
  ASSERT_TRUE(window) << DescribeDesktop();
  EXPECT_FALSE(WaitForProgramDialog(again.ProcessId(), 1000)) << DescribeDesktop();
  PostMessageW(window->hwnd, WM_CLOSE, 0, 0);
  EXPECT_EQ(again.WaitForExit(kWaitMs), 0u);
}

}  // namespace
}  // namespace e2e
