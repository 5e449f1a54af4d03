// Galdrin's window and its report run, in this process: a scripted WMI and a recording
// browser stand in for the outside world; the save dialog and the error box are the
// real ones, answered as a user would.
#include "galdrin/main_window.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <atomic>
#include <functional>
#include <filesystem>
#include <mutex>

#include "common/text_file.h"
#include "galdrin/query_texts.h"
#include "galdrin/report_page.h"
#include "galdrin/testing/scripted_wmi.h"
#include "win32/application.h"
#include "win32/dpi.h"
#include "win32/testing/file_dialog.h"
#include "win32/testing/temp_folder.h"
#include "win32/testing/window_list.h"
#include "win32/testing/window_watchdog.h"
#include "win32/utf.h"

namespace galdrin {
namespace {

using testing::ScriptedWmi;
using win32::testing::ExpectDialog;
using win32::testing::FileExists;
using win32::testing::ReadFileBytes;
using win32::testing::TempFolder;

constexpr DWORD kRunMs = 20000;
const std::string kStyle = "<head>\r\n<style> td { padding: 4px } </style>\r\n</head>\r\n";

// Hands the run a source that forwards to the test's scripted one.
// Hands the run a source that forwards to the test's scripted one; `onQuestion` sees
// every question first.
class ForwardingWmi : public WmiQuestions {
 public:
  ForwardingWmi(WmiQuestions& target, std::function<void()> onQuestion)
      : target_(target), onQuestion_(std::move(onQuestion)) {}
  QueryResult WmiQueryValue(const std::string& query, const std::string& property) override {
    if (onQuestion_) onQuestion_();
    return target_.WmiQueryValue(query, property);
  }
  std::string WmiBoardName() override { return target_.WmiBoardName(); }

 private:
  WmiQuestions& target_;
  std::function<void()> onQuestion_;
};

// Every question answered: the bar reaches its end.
ScriptedWmi FullMachine() {
  const std::string q0 = DiskQuery(0);
  ScriptedWmi wmi;
  wmi.Value(q0, "Size", "1073741824").Value(q0, "InterfaceType", "SCSI").Value(DiskModelQuery(0), "Model", "Disk A");
  wmi.Value(DiskSerialQuery(0), "SerialNumber", "S-1");
  wmi.Value(kBaseBoardQuery, "SerialNumber", "B-1").BoardName("Vendor Board");
  for (const char* property : {"Name", "Caption", "Manufacturer", "ProcessorId", "CurrentClockSpeed", "AddressWidth"}) {
    wmi.Value(kProcessorQuery, property, std::string("cpu ") + property);
  }
  wmi.Value(kModemQuery, "Name", "Modem");
  wmi.Value(kVideoControllerQuery, "Name", "Video");
  return wmi;
}

class ReportWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    win32::InitApplication(L"Hardware Info Utility");  // as the program does: the error box's caption
    win32::testing::WriteFileBytes(folder_.Path() + L"corvan-sysinfo-style.txt", kStyle);
  }

  ReportServices Services() {
    return {.connectWmi =
                [this] {
                  ++connections_;
                  return std::make_unique<ForwardingWmi>(wmi_, onQuestion_);
                },
            .openBrowser = [this](HWND, const std::wstring& file) { opened_.push_back(file); },
            .programFolder = folder_.Path()};
  }

  // Answers the save dialog with `path` (cancels it when empty) and remembers the file
  // name it proposed.
  std::unique_ptr<ExpectDialog> AnswerSaveDialog(std::wstring path) {
    return std::make_unique<ExpectDialog>([this, path](HWND dialog) {
      if (!win32::testing::FileDialogNameBox(dialog)) return false;
      if (answered_.exchange(true)) return true;
      {
        const std::lock_guard lock(mutex_);
        proposedName_ = win32::testing::FileDialogName(dialog);
      }
      if (path.empty()) {
        win32::testing::PressDialogButton(dialog, IDCANCEL);
      } else {
        win32::testing::AnswerFileDialog(dialog, path);
      }
      return true;
    });
  }

  // Answers an error box with OK and remembers its text.
  std::unique_ptr<ExpectDialog> AnswerErrorBox() {
    return std::make_unique<ExpectDialog>([this](HWND dialog) {
      if (win32::testing::FileDialogNameBox(dialog)) return false;
      {
        const std::lock_guard lock(mutex_);
        if (!errorText_.empty()) return true;
        errorText_ = win32::testing::WindowTexts(dialog);
      }
      win32::testing::PressDialogButton(dialog, IDOK);
      return true;
    });
  }

  static void Activate(TFormMain& window) {
    ShowWindow(window.Handle(), SW_SHOW);
    SetForegroundWindow(window.Handle());
    SendMessageW(window.Handle(), WM_ACTIVATE, WA_ACTIVE, 0);
  }

  std::string ErrorText() {
    const std::lock_guard lock(mutex_);
    return errorText_;
  }

  static int Progress(const TFormMain& window) {
    return static_cast<int>(SendMessageW(window.ProgressBar(), PBM_GETPOS, 0, 0));
  }

  TempFolder folder_{L"galdrin-window"};
  ScriptedWmi wmi_ = FullMachine();
  std::function<void()> onQuestion_;
  int connections_ = 0;
  std::vector<std::wstring> opened_;
  std::atomic<bool> answered_{false};
  std::mutex mutex_;
  std::wstring proposedName_;
  std::string errorText_;
};

TEST_F(ReportWindowTest, HasItsSizePlaceTextsAndNoSystemCaption) {
  TFormMain window(Services());
  const UINT dpi = win32::DpiOf(nullptr);
  RECT rect;
  GetWindowRect(window.Handle(), &rect);
  EXPECT_EQ(rect.left, win32::ScaleForDpi(326, dpi));
  EXPECT_EQ(rect.top, win32::ScaleForDpi(316, dpi));
  EXPECT_EQ(rect.right - rect.left, win32::ScaleForDpi(343, dpi));
  EXPECT_EQ(rect.bottom - rect.top, win32::ScaleForDpi(122, dpi));
  EXPECT_EQ(win32::testing::WindowTexts(window.Handle()), "Corvan System Info Generator");
  EXPECT_EQ(GetWindowLongPtrW(window.Handle(), GWL_STYLE) & WS_CAPTION, WS_BORDER) << "a border, no title bar";
  ASSERT_NE(window.TopPanel().LabelText(TFormMain::kCaptionLabelId), nullptr);
  EXPECT_EQ(*window.TopPanel().LabelText(TFormMain::kCaptionLabelId), L"System info generator");
  EXPECT_EQ(window.StatusText(), L"Status: Save as...");
  EXPECT_EQ(SendMessageW(window.ProgressBar(), PBM_GETRANGE, TRUE, 0), 0);
  EXPECT_EQ(SendMessageW(window.ProgressBar(), PBM_GETRANGE, FALSE, 0), 20);
  EXPECT_EQ(Progress(window), 0);
  EXPECT_EQ(connections_, 0) << "nothing is asked before the window is activated";
}

TEST_F(ReportWindowTest, FirstActivationAsksWritesTheReportOpensItAndReportsDone) {
  const std::wstring report = folder_.Path() + L"R\u00e9sum\u00e9 report.html";
  win32::testing::WriteFileBytes(report, "an older report that is replaced without a question");
  const auto dialog = AnswerSaveDialog(report);
  TFormMain window(Services());
  Activate(window);
  ASSERT_TRUE(win32::testing::PumpMessagesUntil([&] { return !opened_.empty() && Progress(window) == 20; }, kRunMs))
      << "status: " << win32::Narrow(window.StatusText());

  EXPECT_EQ(proposedName_, L"System_Report.html");
  EXPECT_EQ(opened_, std::vector<std::wstring>{report});
  EXPECT_EQ(connections_, 1);
  EXPECT_EQ(window.StatusText(), L"Status: Done && ready...");

  const std::string page = ReadFileBytes(report);
  EXPECT_EQ(page.rfind("<html>\r\n" + kStyle + " \r\n<h1 align = center> System Info  </h1>\r\n<body>\r\n<br>\r\n", 0), 0u)
      << page.substr(0, 200);
  EXPECT_NE(page.find("<td align = left><b> 1.00 Gb</b> </td>\r\n"), std::string::npos)
      << "a '.' decimal separator under Wine's English locale";
  EXPECT_NE(page.find("<tr  bgcolor=skyblue></td>\r\n<td ><b>Disk A</b></td>\r\n"), std::string::npos);
  EXPECT_NE(page.find("<b>Vendor Board</b>"), std::string::npos);
  EXPECT_NE(page.find("<b>cpu AddressWidth</b></font></td>\r\n</tr>\r\n</table>\r\n<br>\r\n"), std::string::npos);
  EXPECT_NE(page.find("<b>Video</b>"), std::string::npos);
  EXPECT_TRUE(page.ends_with("</h6>\r\n</body>\r\n</html>\r\n")) << page.substr(page.size() - 60);

  // Later activations do nothing: no dialog, no question, nothing written or opened.
  std::filesystem::remove(std::filesystem::path(report));
  SendMessageW(window.Handle(), WM_ACTIVATE, WA_INACTIVE, 0);
  Activate(window);
  win32::testing::PumpMessagesUntil([] { return false; }, 500);
  EXPECT_FALSE(FileExists(report));
  EXPECT_EQ(opened_.size(), 1u);
  EXPECT_EQ(connections_, 1);

  // The close button closes the window.
  const HWND close = window.CloseButton().Handle();
  SendMessageW(close, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
  SendMessageW(close, WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
  EXPECT_TRUE(win32::testing::PumpMessagesUntil([&] { return window.Handle() == nullptr; }, 5000));
}

TEST_F(ReportWindowTest, WithoutAModemTheBarEndsOneStepShort) {
  wmi_.Answer(kModemQuery, "Name", {0, ""});
  const auto dialog = AnswerSaveDialog(folder_.Path() + L"report.html");
  TFormMain window(Services());
  Activate(window);
  ASSERT_TRUE(win32::testing::PumpMessagesUntil([&] { return !opened_.empty(); }, kRunMs));
  win32::testing::PumpMessagesUntil([] { return false; }, 100);
  EXPECT_EQ(Progress(window), 19);
}

TEST_F(ReportWindowTest, CancellingTheSaveDialogEndsTheProgramWithNothingAskedOrWritten) {
  const auto dialog = AnswerSaveDialog(L"");
  TFormMain window(Services());
  Activate(window);
  ASSERT_TRUE(win32::testing::PumpMessagesUntil([&] { return window.Handle() == nullptr; }, kRunMs));
  EXPECT_TRUE(answered_);
  EXPECT_EQ(connections_, 0);
  EXPECT_TRUE(opened_.empty());
  EXPECT_FALSE(FileExists(folder_.Path() + L"System_Report.html"));
}

TEST_F(ReportWindowTest, ClosingTheWindowDuringTheRunStopsItBeforeAnythingIsWritten) {
  const std::wstring report = folder_.Path() + L"report.html";
  const auto dialog = AnswerSaveDialog(report);
  TFormMain window(Services());
  // The user closes the window while the fifth question, the last of the hard drive
  // table, is asked; the table's progress step lets the close through.
  onQuestion_ = [&] {
    if (wmi_.Asked().size() == 4) PostMessageW(window.Handle(), WM_CLOSE, 0, 0);
  };
  Activate(window);
  ASSERT_TRUE(win32::testing::PumpMessagesUntil([&] { return window.Handle() == nullptr; }, kRunMs));
  win32::testing::PumpMessagesUntil([] { return false; }, 200);
  EXPECT_EQ(wmi_.Asked().size(), 5u) << "the run stops at its next step";
  EXPECT_FALSE(FileExists(report));
  EXPECT_TRUE(opened_.empty());
}

TEST_F(ReportWindowTest, AMissingStyleFileShowsTheErrorAndWritesNothing) {
  std::filesystem::remove(std::filesystem::path(folder_.Path() + L"corvan-sysinfo-style.txt"));
  const std::wstring report = folder_.Path() + L"report.html";
  const auto dialog = AnswerSaveDialog(report);
  const auto error = AnswerErrorBox();
  TFormMain window(Services());
  Activate(window);
  ASSERT_TRUE(win32::testing::PumpMessagesUntil([&] { return !ErrorText().empty(); }, kRunMs));
  EXPECT_NE(ErrorText().find("corvan-sysinfo-style.txt"), std::string::npos) << ErrorText();
  EXPECT_NE(ErrorText().find("Hardware Info Utility"), std::string::npos) << "the application's title";
  win32::testing::PumpMessagesUntil([] { return false; }, 200);
  EXPECT_FALSE(FileExists(report));
  EXPECT_TRUE(opened_.empty());
  EXPECT_EQ(window.StatusText(), L"Status: Generating system info report... please wait.");
  EXPECT_NE(window.Handle(), nullptr) << "the program goes on";
}

TEST_F(ReportWindowTest, AFileThatCannotBeWrittenShowsTheErrorAndOpensNoBrowser) {
  const std::wstring report = folder_.Path() + L"no such folder\\report.html";
  const auto dialog = AnswerSaveDialog(report);
  const auto error = AnswerErrorBox();
  TFormMain window(Services());
  Activate(window);
  ASSERT_TRUE(win32::testing::PumpMessagesUntil([&] { return !ErrorText().empty(); }, kRunMs));
  EXPECT_NE(ErrorText().find(win32::Narrow(report)), std::string::npos) << ErrorText();
  win32::testing::PumpMessagesUntil([] { return false; }, 200);
  EXPECT_TRUE(opened_.empty());
  EXPECT_EQ(window.StatusText(), L"Status: Executing browser...");
}

}  // namespace
}  // namespace galdrin
