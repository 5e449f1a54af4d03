// The side bar's options file as the real program writes it: seeded from default.ini at
// the first start, the last session recorded when the bar closes and reopened in Explorer
// at the next start, and "Init Failes" when the options cannot be loaded.
#include <windows.h>
#include <shlobj.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "common/fs_path.h"
#include "common/text_file.h"
#include "tests/e2e/process_info.h"
#include "tests/e2e/program_runner.h"
#include "win32/testing/window_list.h"
#include "win32/testing/window_watchdog.h"
#include "win32/utf.h"

namespace e2e {
namespace {

namespace fs = std::filesystem;

constexpr DWORD kWaitMs = 20000;
constexpr char kBarClass[] = "Marlovin.TFormMain";

std::string ReadBytes(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteBytes(const fs::path& file, const std::string& bytes) { std::ofstream(file, std::ios::binary) << bytes; }

fs::path OptionsFolder() {
  wchar_t appData[MAX_PATH];
  EXPECT_EQ(SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, appData), S_OK);
  return fs::path(appData) / L"Marlovin";
}

fs::path Dist() { return fs::path(DistFolder()); }

std::wstring BarExe() { return DistFolder() + L"marlovin-file-manager.exe"; }

// Wine's own Explorer shows a folder in a window of this class, titled with the folder's name.
std::vector<win32::testing::WindowInfo> WineExplorerWindows() {
  std::vector<win32::testing::WindowInfo> windows;
  for (auto& window : win32::testing::TopLevelWindows()) {
    if (window.className == "ExplorerWClass") windows.push_back(window);
  }
  return windows;
}

void CloseWineExplorerWindows() {
  for (const auto& window : WineExplorerWindows()) PostMessageW(window.hwnd, WM_CLOSE, 0, 0);
  win32::testing::PumpMessagesUntil([] { return WineExplorerWindows().empty(); }, kWaitMs);
}

// Starts the bar, waits for it, closes it and waits until it has ended.
void RunBarOnce(const std::wstring& exe) {
  RunningProgram bar(exe);
  const auto window = bar.WaitForWindow(kBarClass, kWaitMs);
  ASSERT_TRUE(window) << "the bar did not show; on the desktop:\n" << DescribeDesktop();
  PostMessageW(window->hwnd, WM_CLOSE, 0, 0);
  EXPECT_EQ(bar.WaitForExit(kWaitMs), 0u);
}

class SideBarOptions : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::remove_all(OptionsFolder());
    CloseWineExplorerWindows();
  }
  void TearDown() override {
    CloseWineExplorerWindows();
    fs::remove_all(OptionsFolder());
  }

  static fs::path OptionsFile() { return OptionsFolder() / "options.ini"; }
  // The shipped defaults with one option changed.
  static std::string DefaultsWith(const std::string& from, const std::string& to) {
    std::string text = common::JoinLines(common::SplitLines(ReadBytes(Dist() / "default.ini")));
    const auto at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from << " is not in default.ini";
    if (at != std::string::npos) text.replace(at, from.size(), to);
    return text;
  }
};

TEST_F(SideBarOptions, TheFirstStartCopiesTheDefaultsWithCrLfLineEnds) {
  const std::string defaults = ReadBytes(Dist() / "default.ini");
  ASSERT_NE(defaults.find("FormAlignment=2"), std::string::npos) << defaults;
  ASSERT_NE(defaults.find("HomeDropOperation=0"), std::string::npos) << defaults;

  RunBarOnce(BarExe());
  EXPECT_EQ(ReadBytes(OptionsFile()), common::JoinLines(common::SplitLines(defaults)));
  // Without the last-session option, closing the bar leaves the file as it was.
  RunBarOnce(BarExe());
  EXPECT_EQ(ReadBytes(OptionsFile()), common::JoinLines(common::SplitLines(defaults)));
}

TEST_F(SideBarOptions, TheLastSessionIsRecordedAtCloseAndReopenedInStoredOrder) {
  const fs::path folders = fs::temp_directory_path() / "suite e2e session";
  fs::remove_all(folders);
  fs::create_directories(folders / "first folder");
  fs::create_directories(folders / "second,folder");
  fs::create_directories(OptionsFolder());
  const std::string options = DefaultsWith("DoSaveLastSession=0", "DoSaveLastSession=1");
  WriteBytes(OptionsFile(), options);

  // Two Explorer windows, one of each class, and the order in which the desktop lists them.
  const std::wstring fakeExplorer = DistFolder() + L"..\\tests\\e2e\\fake_explorer.exe";
  RunningProgram cabinet(fakeExplorer, L"CabinetWClass 1 First \"" + (folders / "first folder").wstring() + L"\"");
  RunningProgram explore(fakeExplorer, L"ExploreWClass 1 Second \"" + (folders / "second,folder").wstring() + L"\"");
  ASSERT_TRUE(cabinet.WaitForWindow("CabinetWClass", kWaitMs)) << DescribeDesktop();
  ASSERT_TRUE(explore.WaitForWindow("ExploreWClass", kWaitMs)) << DescribeDesktop();
  std::vector<std::string> open;
  {
    RunningProgram bar(BarExe());
    const auto window = bar.WaitForWindow(kBarClass, kWaitMs);
    ASSERT_TRUE(window) << DescribeDesktop();
    Sleep(500);  // new windows settle into their places on the desktop
    // The order in which the desktop lists the two windows right before the bar closes.
    for (const auto& listed : win32::testing::TopLevelWindows()) {
      if (listed.className == "CabinetWClass") open.push_back(common::FromFsPath(folders / "first folder"));
      if (listed.className == "ExploreWClass") open.push_back(common::FromFsPath(folders / "second,folder"));
    }
    ASSERT_EQ(open.size(), 2u) << DescribeDesktop();
    PostMessageW(window->hwnd, WM_CLOSE, 0, 0);
    EXPECT_EQ(bar.WaitForExit(kWaitMs), 0u);
  }
  EXPECT_EQ(ReadBytes(OptionsFile()),
            options + "SESSION_NAMES=LAST_SESSION\r\nLAST_SESSION=\"" + open[0] + "\",\"" + open[1] + "\"\r\n");
  EXPECT_TRUE(WineExplorerWindows().empty()) << "nothing was reopened: the session was empty at that start";

  // The next start opens each folder in a new Explorer window, in stored order.
  PostMessageW(cabinet.WaitForWindow("CabinetWClass", 0)->hwnd, WM_CLOSE, 0, 0);
  PostMessageW(explore.WaitForWindow("ExploreWClass", 0)->hwnd, WM_CLOSE, 0, 0);
  EXPECT_EQ(cabinet.WaitForExit(kWaitMs), 0u);
  EXPECT_EQ(explore.WaitForExit(kWaitMs), 0u);
  {
    RunningProgram bar(BarExe());
    ASSERT_TRUE(bar.WaitForWindow(kBarClass, kWaitMs)) << DescribeDesktop();
    ASSERT_TRUE(win32::testing::PumpMessagesUntil([] { return WineExplorerWindows().size() == 2; }, kWaitMs))
        << DescribeDesktop();
    auto reopened = WineExplorerWindows();
    std::sort(reopened.begin(), reopened.end(), [](const auto& a, const auto& b) {
      return ProcessCreationTime(a.processId) < ProcessCreationTime(b.processId);
    });
    for (std::size_t i = 0; i < 2; ++i) {
      EXPECT_EQ(reopened[i].title, common::FromFsPath(fs::path(common::ToFsPath(open[i])).filename()));
      const std::wstring commandLine = ProcessCommandLine(reopened[i].processId);
      EXPECT_TRUE(commandLine.ends_with(L" \"" + win32::Widen(open[i]) + L"\"")) << win32::Narrow(commandLine);
    }
    PostMessageW(bar.WaitForWindow(kBarClass, 0)->hwnd, WM_CLOSE, 0, 0);
    EXPECT_EQ(bar.WaitForExit(kWaitMs), 0u);
  }
  // Wine's Explorer windows are of another class: the bar found no Explorer window at
  // this close, so the session keeps its name and loses its line.
  EXPECT_EQ(ReadBytes(OptionsFile()), options + "SESSION_NAMES=LAST_SESSION\r\n");
  fs::remove_all(folders);
}

TEST_F(SideBarOptions, OptionsThatCannotBeLoadedShowInitFailesAndTheBarStillRuns) {
  const fs::path bare = fs::temp_directory_path() / "suite e2e bar without defaults";
  fs::remove_all(bare);
  fs::create_directories(bare);
  ASSERT_TRUE(CopyFileW(BarExe().c_str(), (bare / "marlovin-file-manager.exe").c_str(), FALSE));
  const std::string broken = "FormAlignment=Right\r\nHomeDropOperation=0\r\nDoSaveLastSession=1\r\n";
  const struct {
    const char* name;
    std::wstring exe;
    const char* options;  // null: no options file
  } cases[] = {
      {"FormAlignment is a letter", BarExe(), broken.c_str()},
      {"first start without default.ini", (bare / "marlovin-file-manager.exe").wstring(), nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    fs::remove_all(OptionsFolder());
    if (c.options) {
      fs::create_directories(OptionsFolder());
      WriteBytes(OptionsFile(), c.options);
    }
    RunningProgram bar(c.exe);
    const auto box = bar.WaitForWindow("#32770", kWaitMs);
    ASSERT_TRUE(box) << DescribeDesktop();
    // A plain message box: the program's title, the text, an OK button and no icon.
    EXPECT_EQ(box->title, "Marlovin");
    const std::string texts = win32::testing::WindowTexts(box->hwnd);
    EXPECT_NE(texts.find("| Init Failes"), std::string::npos) << texts;
    EXPECT_NE(texts.find("| OK"), std::string::npos) << texts;
    EXPECT_EQ(std::count(texts.begin(), texts.end(), '|'), 2) << texts;
    win32::testing::PressDialogButton(box->hwnd, IDOK);
    const auto window = bar.WaitForWindow(kBarClass, kWaitMs);
    ASSERT_TRUE(window) << "the bar goes on after the message; on the desktop:\n" << DescribeDesktop();
    PostMessageW(window->hwnd, WM_CLOSE, 0, 0);
    EXPECT_EQ(bar.WaitForExit(kWaitMs), 0u);
    if (c.options) {
      EXPECT_EQ(ReadBytes(OptionsFile()), c.options) << "a bar without options writes nothing";
    } else {
      EXPECT_FALSE(fs::exists(OptionsFile()));
    }
  }
  fs::remove_all(bare);
}

}  // namespace
}  // namespace e2e
