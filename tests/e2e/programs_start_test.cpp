// Each program of the staged program folder starts and shows its window; the side bar
// runs once at a time.
#include <windows.h>
#include <shlobj.h>

#include <filesystem>

#include <gtest/gtest.h>

#include "tests/e2e/program_dialog.h"
#include "tests/e2e/program_runner.h"
#include "win32/testing/window_watchdog.h"
#include "win32/utf.h"

namespace e2e {
namespace {

constexpr DWORD kStartMs = 20000;

struct ProgramCase {
  const char* name;
  const wchar_t* path;  // inside the program folder
  const char* windowClass;
  const char* title;
  bool asksWhereToSave = false;  // its first activation opens a save dialog, which the test cancels
};

void PrintTo(const ProgramCase& program, std::ostream* out) { *out << program.name; }

class ProgramStarts : public ::testing::TestWithParam<ProgramCase> {};

TEST_P(ProgramStarts, ShowsItsWindowAndEndsWhenItIsClosed) {
  const ProgramCase& program = GetParam();
  RunningProgram running(DistFolder() + program.path);
  const auto window = running.WaitForWindow(program.windowClass, kStartMs);
  ASSERT_TRUE(window) << "no window of class " << program.windowClass << "; on the desktop:\n" << DescribeDesktop();
  EXPECT_EQ(window->title, program.title);
  if (program.asksWhereToSave) {
    const auto dialog = running.WaitForWindow("#32770", kStartMs);
    ASSERT_TRUE(dialog) << "no save dialog; on the desktop:\n" << DescribeDesktop();
    win32::testing::PressDialogButton(dialog->hwnd, IDCANCEL);  // cancelling it ends the program
  } else {
    PostMessageW(window->hwnd, WM_CLOSE, 0, 0);
  }
  EXPECT_EQ(running.WaitForExit(kStartMs), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    AllPrograms, ProgramStarts,
    ::testing::Values(
        ProgramCase{"Marlovin", L"marlovin-file-manager.exe", "Marlovin.TFormMain", "Marlovin"},
        ProgramCase{"Penderil", L"tools\\multi-rename\\Penderil.exe", "Penderil.TFormMain", "Multi-rename tool."},
        ProgramCase{"Galdrin", L"tools\\hardware_info\\Galdrin.exe", "Galdrin.TFormMain", "Corvan System Info Generator",
                    true}),
    [](const auto& param) { return std::string(param.param.name); });

// Quenlock runs one job and closes itself. Started without arguments its job fails at
// once: the window shows with the error box, and once the box is answered the program
// ends by itself.
TEST(Quenlock, ShowsItsWindowReportsAFailedJobAndEndsByItself) {
  RunningProgram running(DistFolder() + L"tools\\cipherEr\\Quenlock.exe");
  const auto window = running.WaitForWindow("Quenlock.TForm1", kStartMs);
  ASSERT_TRUE(window) << "no window of class Quenlock.TForm1; on the desktop:\n" << DescribeDesktop();
  EXPECT_EQ(window->title, "Ciphering using Rijndael (  AES ) algorithm");
  const auto box = WaitForProgramDialog(running.ProcessId(), kStartMs);
  ASSERT_TRUE(box) << DescribeDesktop();
  EXPECT_NE(win32::testing::WindowTexts(box->hwnd).find("File IO error"), std::string::npos);
  win32::testing::PressDialogButton(box->hwnd, IDOK);
  EXPECT_EQ(running.WaitForExit(kStartMs), 0u);
}

// With the shipped options (FormAlignment=2) the bar docks at the right edge: 45 pixels
// wide, at the design top, with no taskbar button (a tool window, and the program's
// only visible window).
TEST(SideBar, StartsDockedAtTheRightEdgeWithoutATaskbarButton) {
  wchar_t appData[MAX_PATH];
  ASSERT_EQ(SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, appData), S_OK);
  const std::filesystem::path options = std::filesystem::path(appData) / L"Marlovin";
  std::filesystem::remove_all(options);  // the first start copies default.ini

  RunningProgram running(DistFolder() + L"marlovin-file-manager.exe");
  const auto bar = running.WaitForWindow("Marlovin.TFormMain", kStartMs);
  ASSERT_TRUE(bar) << DescribeDesktop();
  const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
  EXPECT_EQ(bar->rect.right, screenWidth);
  EXPECT_EQ(bar->rect.left, screenWidth - 45);
  EXPECT_EQ(bar->rect.top, 44);
  EXPECT_EQ(bar->rect.bottom - bar->rect.top, 548);
  const LONG_PTR exStyle = GetWindowLongPtrW(bar->hwnd, GWL_EXSTYLE);
  EXPECT_TRUE(exStyle & WS_EX_TOOLWINDOW);
  EXPECT_FALSE(exStyle & WS_EX_APPWINDOW);
  EXPECT_TRUE(exStyle & WS_EX_TOPMOST);
  EXPECT_EQ(win32::testing::TopLevelWindows(running.ProcessId()).size(), 1u) << DescribeDesktop();

  PostMessageW(bar->hwnd, WM_CLOSE, 0, 0);
  EXPECT_EQ(running.WaitForExit(kStartMs), 0u);
  std::filesystem::remove_all(options);
}

TEST(SideBar, ASecondStartLeavesOneBarRunning) {
  const std::wstring exe = DistFolder() + L"marlovin-file-manager.exe";
  RunningProgram first(exe);
  const auto bar = first.WaitForWindow("Marlovin.TFormMain", kStartMs);
  ASSERT_TRUE(bar) << DescribeDesktop();

  RunningProgram second(exe);
  EXPECT_EQ(second.WaitForExit(kStartMs), 0u) << "the second start must end by itself";
  EXPECT_EQ(CountWindows("Marlovin.TFormMain"), 1) << DescribeDesktop();
  EXPECT_EQ(GetForegroundWindow(), bar->hwnd) << "the running bar comes to the front";

  PostMessageW(bar->hwnd, WM_CLOSE, 0, 0);
  EXPECT_EQ(first.WaitForExit(kStartMs), 0u);
}

}  // namespace
}  // namespace e2e
