// Galdrin as a user runs it, under Wine with Wine's own WMI: its save dialog is answered
// by typing a path into it, the page it writes is read back, and a recording stand-in
// named iexplore.exe beside it (in a test copy of its program folder) takes the
// browser's place.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "common/text_file.h"
#include "galdrin/query_texts.h"
#include "galdrin/wmi_source.h"
#include "tests/e2e/program_runner.h"
#include "win32/com.h"
#include "win32/testing/file_dialog.h"
#include "win32/testing/temp_folder.h"
#include "win32/testing/window_list.h"
#include "win32/testing/window_watchdog.h"
#include "win32/utf.h"

namespace e2e {
namespace {

using win32::testing::FileExists;
using win32::testing::ReadFileBytes;
using win32::testing::TempFolder;

constexpr DWORD kWaitMs = 30000;
constexpr char kWindowClass[] = "Galdrin.TFormMain";

// A copy of Galdrin's program folder with the stand-in browser in it.
class GaldrinFolder {
 public:
  GaldrinFolder() {
    const std::wstring dist = DistFolder() + L"tools\\hardware_info\\";
    Copy(dist + L"Galdrin.exe", Exe());
    Copy(dist + L"corvan-sysinfo-style.txt", Style());
    Copy(DistFolder() + L"..\\tests\\e2e\\recording_stand_in.exe", folder_.Path() + L"iexplore.exe");
  }
  std::wstring Exe() const { return folder_.Path() + L"Galdrin.exe"; }
  std::wstring Style() const { return folder_.Path() + L"corvan-sysinfo-style.txt"; }
  std::wstring BrowserRecord() const { return folder_.Path() + L"iexplore.exe.command-lines.txt"; }
  const std::wstring& Path() const { return folder_.Path(); }

 private:
  static void Copy(const std::wstring& from, const std::wstring& to) {
    if (!CopyFileW(from.c_str(), to.c_str(), FALSE)) ADD_FAILURE() << "cannot copy " << win32::Narrow(from);
  }
  TempFolder folder_{L"galdrin-e2e"};
};

std::wstring ControlText(HWND control) {
  wchar_t text[512] = {};
  DWORD_PTR length = 0;
  if (!control || !SendMessageTimeoutW(control, WM_GETTEXT, std::size(text), reinterpret_cast<LPARAM>(text),
                                       SMTO_ABORTIFHUNG, 5000, &length)) {
    return {};
  }
  return std::wstring(text, std::min<std::size_t>(length, std::size(text) - 1));
}

// A dialog of the process: its save dialog, or (when `fileDialog` is false) any other.
std::optional<win32::testing::WindowInfo> FindDialog(DWORD processId, bool fileDialog) {
  for (const auto& window : win32::testing::TopLevelWindows(processId)) {
    if (window.className != "#32770") continue;
    if ((win32::testing::FileDialogNameBox(window.hwnd) != nullptr) == fileDialog) return window;
  }
  return std::nullopt;
}

std::optional<win32::testing::WindowInfo> WaitForSaveDialog(DWORD processId) {
  const ULONGLONG deadline = GetTickCount64() + kWaitMs;
  do {
    if (auto dialog = FindDialog(processId, true)) return dialog;
    Sleep(50);
  } while (GetTickCount64() < deadline);
  return std::nullopt;
}

HWND FindProgressBar(HWND window) {
  HWND found = nullptr;
  EnumChildWindows(
      window,
      [](HWND child, LPARAM param) -> BOOL {
        wchar_t name[64] = {};
        GetClassNameW(child, name, 64);
        if (lstrcmpiW(name, PROGRESS_CLASSW) != 0) return TRUE;
        *reinterpret_cast<HWND*>(param) = child;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

std::size_t IndexOf(const std::vector<std::string>& lines, const std::string& line, std::size_t from = 0) {
  const auto found = std::find(lines.begin() + static_cast<std::ptrdiff_t>(std::min(from, lines.size())), lines.end(), line);
  return static_cast<std::size_t>(found - lines.begin());
}

// A top-level window of the test, to take the activation away from Galdrin.
class OtherWindow {
 public:
  OtherWindow() {
    window_ = CreateWindowExW(0, L"STATIC", L"other window", WS_POPUP | WS_VISIBLE, 10, 10, 100, 50, nullptr, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
  }
  ~OtherWindow() { DestroyWindow(window_); }
  HWND Handle() const { return window_; }

 private:
  HWND window_;
};

bool BringToFront(HWND window) {
  SetForegroundWindow(window);
  return win32::testing::PumpMessagesUntil([&] { return GetForegroundWindow() == window; }, 5000);
}

TEST(Galdrin, WritesTheReportWhereTheUserSaysOpensItAndDoesNothingMoreOnLaterActivations) {
  const GaldrinFolder folder;
  const std::wstring report = folder.Path() + L"Rapport syst\u00e8me.html";
  RunningProgram galdrin(folder.Exe());
  const auto window = galdrin.WaitForWindow(kWindowClass, kWaitMs);
  ASSERT_TRUE(window) << DescribeDesktop();

  const auto dialog = WaitForSaveDialog(galdrin.ProcessId());
  ASSERT_TRUE(dialog) << "no save dialog; on the desktop:\n" << DescribeDesktop();
  EXPECT_EQ(win32::testing::FileDialogName(dialog->hwnd), L"System_Report.html");
  EXPECT_EQ(ControlText(GetDlgItem(dialog->hwnd, 0x470)), L"*.html") << "the file type box";
  win32::testing::AnswerFileDialog(dialog->hwnd, report);

  // The answered save dialog may still be closing (its file name box already gone): it is
  // no error message.
  const auto errorBox = [&, saveDialog = dialog->hwnd]() -> std::optional<win32::testing::WindowInfo> {
    const auto found = FindDialog(galdrin.ProcessId(), false);
    if (found && found->hwnd != saveDialog) return found;
    return std::nullopt;
  };
  win32::testing::PumpMessagesUntil([&] { return FileExists(folder.BrowserRecord()) || errorBox(); }, kWaitMs);
  if (const auto error = errorBox()) FAIL() << win32::testing::WindowTexts(error->hwnd);
  ASSERT_TRUE(FileExists(folder.BrowserRecord())) << "the browser was not started; on the desktop:\n"
                                                  << DescribeDesktop();
  Sleep(200);

  // The browser got the report's path in double quotes.
  const std::string commandLine = ReadFileBytes(folder.BrowserRecord());
  EXPECT_TRUE(commandLine.ends_with(" \"" + win32::Narrow(report) + "\"\r\n")) << commandLine;

  // The page: every line ended by CR LF, the style file's lines once right after <html>.
  const std::string bytes = ReadFileBytes(report);
  ASSERT_FALSE(bytes.empty());
  std::ptrdiff_t lineEnds = 0;
  for (std::size_t at = bytes.find("\r\n"); at != std::string::npos; at = bytes.find("\r\n", at + 2)) ++lineEnds;
  EXPECT_EQ(lineEnds, std::count(bytes.begin(), bytes.end(), '\n'));
  EXPECT_TRUE(bytes.ends_with("</html>\r\n"));
  const std::vector<std::string> lines = common::SplitLines(bytes);
  const std::vector<std::string> style = common::SplitLines(common::ReadTextFile(win32::Narrow(folder.Style())));
  ASSERT_GT(lines.size(), style.size() + 8);
  EXPECT_EQ(lines.front(), "<html>");
  EXPECT_EQ(std::vector<std::string>(lines.begin() + 1, lines.begin() + 1 + static_cast<std::ptrdiff_t>(style.size())), style);
  EXPECT_EQ(std::count(lines.begin(), lines.end(), style.front()), 1);
  const std::size_t afterStyle = 1 + style.size();
  EXPECT_EQ(lines[afterStyle], " ");
  EXPECT_EQ(lines[afterStyle + 1], "<h1 align = center> System Info  </h1>");
  EXPECT_EQ(lines[afterStyle + 2], "<body>");
  EXPECT_EQ(lines[afterStyle + 3], "<br>");
  EXPECT_EQ(lines.back(), "</html>");
  EXPECT_EQ(lines[lines.size() - 2], "</body>");
  EXPECT_TRUE(lines[lines.size() - 4].starts_with("<h6 > Generated By <a href=\"")) << lines[lines.size() - 4];
  EXPECT_TRUE(lines[lines.size() - 3].ends_with("\"> Thanks to WMI Libraries  </h6>")) << lines[lines.size() - 3];

  // The sections Wine's WMI answers show what WMI says.
  const win32::ComInitializer com;
  galdrin::WmiSource wmi;
  const std::string cpuName = wmi.WmiQueryValue(galdrin::kProcessorQuery, "Name").text;
  const std::size_t cpu = IndexOf(
      lines, R"(<td  colspan=6 align=center><font color = "white"><b>Central Processing Unit ( CPU) </b></font></td>)");
  ASSERT_LT(cpu + 4, lines.size()) << "no CPU table";
  EXPECT_EQ(lines[cpu + 4], R"(<td colspan=4 align=center><font color = "black"><b>)" + cpuName + "</b></font></td>");
  EXPECT_LT(IndexOf(lines, R"(<td  align=center><font color = "black"><b>Adress Width</b></font></td>)", cpu), lines.size());

  const std::string videoName = wmi.WmiQueryValue(galdrin::kVideoControllerQuery, "Name").text;
  const std::size_t video = IndexOf(
      lines, R"(<td  colspan=6 align=center><font color = "white"><b>Video Controller ( GPU) </b></font></td>)");
  ASSERT_LT(video + 4, lines.size()) << "no video table";
  EXPECT_EQ(lines[video + 4], R"(<td colspan=4 align=center><font color = "black"><b>)" + videoName + "</b></font></td>");
  EXPECT_EQ(IndexOf(lines, R"(<td  colspan=6 align=center><font color = "white"><b>Modem Info</b></font></td>)"),
            lines.size())
      << "Wine has no modem";

  // Every section but the modem made its steps: one short of the end.
  const HWND bar = FindProgressBar(window->hwnd);
  EXPECT_EQ(SendMessageW(bar, PBM_GETRANGE, FALSE, 0), 20);
  EXPECT_EQ(SendMessageW(bar, PBM_GETPOS, 0, 0), 19);

  // Switching away and back: no dialog, no page, no browser.
  ASSERT_TRUE(DeleteFileW(report.c_str()));
  ASSERT_TRUE(DeleteFileW(folder.BrowserRecord().c_str()));
  const OtherWindow other;
  ASSERT_TRUE(BringToFront(other.Handle()));
  ASSERT_TRUE(BringToFront(window->hwnd)) << "Galdrin did not come to the front";
  win32::testing::PumpMessagesUntil([] { return false; }, 1500);
  EXPECT_FALSE(FindDialog(galdrin.ProcessId(), true)) << DescribeDesktop();
  EXPECT_FALSE(FileExists(report));
  EXPECT_FALSE(FileExists(folder.BrowserRecord()));

  PostMessageW(window->hwnd, WM_CLOSE, 0, 0);
  EXPECT_EQ(galdrin.WaitForExit(kWaitMs), 0u);
}

TEST(Galdrin, CancellingTheSaveDialogEndsTheProgramWithNothingWritten) {
  const GaldrinFolder folder;
  RunningProgram galdrin(folder.Exe());
  const auto dialog = WaitForSaveDialog(galdrin.ProcessId());
  ASSERT_TRUE(dialog) << DescribeDesktop();
  win32::testing::PressDialogButton(dialog->hwnd, IDCANCEL);
  EXPECT_EQ(galdrin.WaitForExit(kWaitMs), 0u);
  EXPECT_FALSE(FileExists(folder.Path() + L"System_Report.html"));
  EXPECT_FALSE(FileExists(folder.BrowserRecord()));
}

}  // namespace
}  // namespace e2e
