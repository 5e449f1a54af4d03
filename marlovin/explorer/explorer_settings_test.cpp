// The Explorer settings check against the real registry, with the real message boxes
// answered as a user would; the restart against stand-ins for Explorer's desktop window.
#include "marlovin/explorer/explorer_settings.h"

#include <functional>

#include <gtest/gtest.h>

#include "common/path_text.h"
#include "tests/e2e/program_runner.h"
#include "win32/handles.h"
#include "win32/registry.h"
#include "win32/shell_paths.h"
#include "win32/testing/message_box_answers.h"
#include "win32/testing/window_list.h"
#include "win32/testing/window_watchdog.h"
#include "win32/utf.h"

namespace marlovin {
namespace {

constexpr DWORD kWaitMs = 20000;
const std::vector<BYTE> kRightSettings{0x0C, 0x00, 0x02, 0x00, 0x0B, 0x01, 0x06, 0x00, 0x60, 0x00, 0x00, 0x00};

win32::UniqueHkey CabinetStateKey() { return win32::CreateRegistryKey(HKEY_CURRENT_USER, kCabinetStateKey, KEY_ALL_ACCESS); }

void SetValue(const wchar_t* name, DWORD type, const void* data, std::size_t size) {
  ASSERT_EQ(RegSetValueExW(CabinetStateKey().get(), name, 0, type, static_cast<const BYTE*>(data), static_cast<DWORD>(size)),
            ERROR_SUCCESS);
}
void SetBytes(const wchar_t* name, const std::vector<BYTE>& bytes) { SetValue(name, REG_BINARY, bytes.data(), bytes.size()); }
void SetInteger(const wchar_t* name, DWORD value) { SetValue(name, REG_DWORD, &value, sizeof(value)); }
void SetText(const wchar_t* name, const std::wstring& text) {
  SetValue(name, REG_SZ, text.c_str(), (text.size() + 1) * sizeof(wchar_t));
}
void DeleteValue(const wchar_t* name) { RegDeleteValueW(CabinetStateKey().get(), name); }
void DeleteKey() { ASSERT_EQ(RegDeleteKeyW(HKEY_CURRENT_USER, kCabinetStateKey), ERROR_SUCCESS); }

void WriteRightSettings() {
  SetBytes(L"Settings", kRightSettings);
  SetInteger(L"FullPathAddress", 1);
  SetInteger(L"FullPath", 1);
}

win32::RegistryValue Value(const wchar_t* name) {
  win32::RegistryValue value;
  EXPECT_TRUE(win32::QueryRegistryValue(HKEY_CURRENT_USER, kCabinetStateKey, name, value)) << win32::Narrow(name);
  return value;
}

std::vector<BYTE> IntegerBytes(DWORD value) {
  const auto* bytes = reinterpret_cast<const BYTE*>(&value);
  return {bytes, bytes + sizeof(value)};
}

// True (and the message taken) when WM_QUIT waits in this thread's queue.
bool QuitWasPosted() {
  MSG message;
  return PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != FALSE;
}

// Counted out by hand: 72, 65 and 72 hyphens around the two framed lines.
constexpr char kExplanation[] =
    "Some Explorer Options need to be set in \n"
    "order for this program to work properly\n"
    "\n"
    "Those are:\n"
    "\n"
    "------------------------------------------------------------------------\n"
    "|Show Full Path in Title Bar: Need to be Checked(TRUE)        |\n"
    "-----------------------------------------------------------------\n"
    "|Show Full Path in Adress Bar: Need to be Checked(TRUE)    |\n"
    "------------------------------------------------------------------------\n"
    "\n"
    "After you click on \"Ok\" button , I'll\n"
    "set them as needed. \n"
    "\n"
    "Note: DON't EVER change this Options as\n"
    "long as you're using Marlovin Side Bar.\n";
constexpr char kQuestion[] =
    "Explorer's Options were not set properly. Fixed.\n"
    "Would you like to Re-Start Windows Explorer now?\n"
    "If you say 'No' this program will get functional on your next login";
constexpr char kNextLogin[] = "This program will get fully functionalon your next login.\n";

// Wine's own Explorer windows, which "explorer.exe" opens.
std::vector<win32::testing::WindowInfo> WineExplorerWindows() {
  std::vector<win32::testing::WindowInfo> windows;
  for (auto& window : win32::testing::TopLevelWindows()) {
    if (window.className == "ExplorerWClass") windows.push_back(window);
  }
  return windows;
}

void CloseWineExplorerWindows() {
  for (const auto& window : WineExplorerWindows()) PostMessageW(window.hwnd, WM_CLOSE, 0, 0);
  EXPECT_TRUE(win32::testing::PumpMessagesUntil([] { return WineExplorerWindows().empty(); }, kWaitMs));
}

std::wstring StandIn() {
  return win32::Widen(common::ExtractFilePath(win32::Narrow(win32::ModuleFilePath())) + "progman_stand_in.exe");
}

class ExplorerSettings : public ::testing::Test {
 protected:
  void SetUp() override {
    CloseWineExplorerWindows();
    WriteRightSettings();
  }
  void TearDown() override {
    WriteRightSettings();
    CloseWineExplorerWindows();
  }
};

TEST_F(ExplorerSettings, RightSettingsPassWithoutAWord) {
  EXPECT_EQ(ReadCabinetStateSettings(), "0C 00 02 00 0B 01 06 00 60 00 00 00 ");
  EXPECT_TRUE(ExplorerSettingsAreSet());
  EXPECT_TRUE(CheckExplorerSettings());  // the watchdog fails the test on any message box
  EXPECT_FALSE(QuitWasPosted());
}

TEST_F(ExplorerSettings, AnyWrongValueIsExplainedRepairedAndEndsTheProgram) {
  std::vector<BYTE> firstByte = kRightSettings;
  firstByte[0] = 0x0D;
  std::vector<BYTE> longer = kRightSettings;
  longer.push_back(0);
  const std::vector<BYTE> shorter(kRightSettings.begin(), kRightSettings.end() - 1);
  const struct {
    const char* name;
    std::function<void()> spoil;
    const char* readBack;  // ReadCabinetStateSettings of the spoilt value
  } cases[] = {
      {"first byte of Settings", [&] { SetBytes(L"Settings", firstByte); }, "0D 00 02 00 0B 01 06 00 60 00 00 00 "},
      {"FullPath 0", [] { SetInteger(L"FullPath", 0); }, "0C 00 02 00 0B 01 06 00 60 00 00 00 "},
      {"FullPathAddress missing", [] { DeleteValue(L"FullPathAddress"); }, "0C 00 02 00 0B 01 06 00 60 00 00 00 "},
      {"FullPath as text", [] { SetText(L"FullPath", L"1"); }, "0C 00 02 00 0B 01 06 00 60 00 00 00 "},
      {"Settings missing", [] { DeleteValue(L"Settings"); }, ""},
      {"Settings of 11 bytes", [&] { SetBytes(L"Settings", shorter); }, "0C 00 02 00 0B 01 06 00 60 00 00 "},
      {"Settings of 13 bytes", [&] { SetBytes(L"Settings", longer); }, "0C 00 02 00 0B 01 06 00 60 00 00 00 00 "},
      {"Settings as text", [] { SetText(L"Settings", L"0C 00 02 00 0B 01 06 00 60 00 00 00 "); }, ""},
      {"no CabinetState key", [] { DeleteKey(); }, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    WriteRightSettings();
    c.spoil();
    EXPECT_EQ(ReadCabinetStateSettings(), c.readBack);
    EXPECT_FALSE(ExplorerSettingsAreSet());

    win32::testing::MessageBoxAnswers answers({IDOK, IDNO, IDOK});
    EXPECT_FALSE(CheckExplorerSettings());
    EXPECT_TRUE(QuitWasPosted()) << "the program is told to end";

    const auto boxes = answers.Boxes();
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(boxes[0].text, kExplanation);
    EXPECT_TRUE(boxes[0].ok && !boxes[0].yes);
    EXPECT_EQ(boxes[1].text, kQuestion);
    EXPECT_TRUE(boxes[1].yes && boxes[1].no && !boxes[1].ok);
    EXPECT_EQ(boxes[2].text, kNextLogin);

    const win32::RegistryValue settings = Value(L"Settings");
    EXPECT_EQ(settings.type, static_cast<DWORD>(REG_BINARY));
    EXPECT_EQ(settings.data, kRightSettings);
    for (const wchar_t* name : {L"FullPath", L"FullPathAddress"}) {
      const win32::RegistryValue value = Value(name);
      EXPECT_EQ(value.type, static_cast<DWORD>(REG_DWORD)) << win32::Narrow(name);
      EXPECT_EQ(value.data, IntegerBytes(1)) << win32::Narrow(name);
    }
    EXPECT_TRUE(ExplorerSettingsAreSet()) << "the next start passes the check";
    EXPECT_TRUE(WineExplorerWindows().empty()) << "No leaves Explorer alone";
  }
}

TEST_F(ExplorerSettings, AnsweringYesRestartsExplorer) {
  e2e::RunningProgram desktop(StandIn(), L"Progman \"Program Manager\"");
  ASSERT_TRUE(desktop.WaitForWindow("Progman", kWaitMs)) << e2e::DescribeDesktop();
  SetInteger(L"FullPath", 0);

  win32::testing::MessageBoxAnswers answers({IDOK, IDYES});
  EXPECT_FALSE(CheckExplorerSettings());
  EXPECT_TRUE(QuitWasPosted());
  EXPECT_EQ(answers.Boxes().size(), 2u) << "no notice after Yes";
  EXPECT_EQ(desktop.WaitForExit(kWaitMs), 7u) << "Explorer's desktop window was closed";
  EXPECT_TRUE(win32::testing::PumpMessagesUntil([] { return !WineExplorerWindows().empty(); }, kWaitMs))
      << "explorer.exe was started again; on the desktop:\n"
      << e2e::DescribeDesktop();
  EXPECT_TRUE(ExplorerSettingsAreSet());
}

TEST_F(ExplorerSettings, TheRestartLeavesTheRegistryAlone) {
  SetInteger(L"FullPath", 0);
  DeleteValue(L"Settings");
  RestartExplorer();
  EXPECT_TRUE(win32::testing::PumpMessagesUntil([] { return !WineExplorerWindows().empty(); }, kWaitMs))
      << e2e::DescribeDesktop();
  EXPECT_EQ(Value(L"FullPath").data, IntegerBytes(0));
  win32::RegistryValue settings;
  EXPECT_FALSE(win32::QueryRegistryValue(HKEY_CURRENT_USER, kCabinetStateKey, L"Settings", settings));
  EXPECT_FALSE(QuitWasPosted()) << "the restart alone does not end the program";
}

// Only titled windows of class "progman" (any letter case) are closed; one that does not
// close has its process ended; the caller's own process is never ended.
TEST_F(ExplorerSettings, CloseProgramManagerClosesOnlyTitledProgmanWindows) {
  e2e::RunningProgram closes(StandIn(), L"Progman \"Program Manager\"");
  e2e::RunningProgram hangs(StandIn(), L"PROGMAN \"Program Manager\" refuse-close");
  e2e::RunningProgram untitled(StandIn(), L"Progman \"\"");
  e2e::RunningProgram otherClass(StandIn(), L"ProgmanX \"Program Manager\"");
  // Class names are atoms shared by all processes: the first spelling registered is the
  // one every process reads back, so wait for each stand-in's window by its process.
  for (const e2e::RunningProgram* standIn : {&closes, &hangs, &untitled, &otherClass}) {
    ASSERT_TRUE(win32::testing::PumpMessagesUntil(
        [&] { return !win32::testing::TopLevelWindows(standIn->ProcessId()).empty(); }, kWaitMs))
        << e2e::DescribeDesktop();
  }

  // A Progman window of this very process that refuses to close.
  WNDCLASSEXW ownClass{sizeof(ownClass)};
  ownClass.lpfnWndProc = [](HWND window, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
    return message == WM_CLOSE ? 0 : DefWindowProcW(window, message, wParam, lParam);
  };
  ownClass.hInstance = GetModuleHandleW(nullptr);
  ownClass.lpszClassName = L"progman";
  RegisterClassExW(&ownClass);
  const win32::UniqueHwnd own(CreateWindowExW(WS_EX_TOOLWINDOW, L"progman", L"Own", WS_POPUP, 0, 0, 10, 10, nullptr,
                                              nullptr, GetModuleHandleW(nullptr), nullptr));
  ASSERT_TRUE(own);

  CloseProgramManager();
  EXPECT_EQ(closes.WaitForExit(kWaitMs), 7u) << "closed by WM_CLOSE";
  EXPECT_EQ(hangs.WaitForExit(kWaitMs), 0u) << "terminated with exit code 0";
  EXPECT_FALSE(untitled.WaitForExit(500)) << "a window without a title is left alone";
  EXPECT_FALSE(otherClass.WaitForExit(0)) << "another class is left alone";
  EXPECT_TRUE(IsWindow(own.get()));
  EXPECT_FALSE(QuitWasPosted()) << "this process was not told to quit";
}

}  // namespace
}  // namespace marlovin
