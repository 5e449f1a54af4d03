#include "galdrin/main_window.h"

#include <commctrl.h>

#include <vector>

#include "common/path_text.h"
#include "common/text_file.h"
#include "galdrin/browser.h"
#include "galdrin/report_body.h"
#include "galdrin/report_file_dialog.h"
#include "galdrin/report_page.h"
#include "galdrin/wmi_source.h"
#include "win32/application.h"
#include "win32/dpi.h"
#include "win32/error.h"
#include "win32/fonts.h"
#include "win32/shell_paths.h"
#include "win32/utf.h"

namespace galdrin {

namespace {

// Posted at every activation; the report run follows once the activation is over, so
// the save dialog does not open inside the activation message.
constexpr UINT kActivatedMessage = WM_APP + 1;

// The window's layout in 96-DPI pixels.
constexpr int kLeft = 326, kTop = 316, kWidth = 343, kHeight = 122;
constexpr int kPanelWidth = kWidth - 2;  // inside the one-pixel border
constexpr int kTopPanelHeight = 25;
constexpr COLORREF kTopPanelTo = RGB(200, 200, 200);
constexpr COLORREF kMainPanelFrom = RGB(246, 246, 246);
constexpr COLORREF kMainPanelTo = RGB(222, 222, 222);

// The user closed the window while the run let messages through: the run stops.
struct RunAbandoned {};

std::string UserDecimalSeparator() {
  wchar_t separator[8] = {};
  if (GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, separator, 8) <= 1) return ".";
  return win32::Narrow(separator);
}

}  // namespace

ReportServices DefaultReportServices() {
  return {
      .connectWmi = [] { return std::make_unique<WmiSource>(); },
      .openBrowser = [](HWND owner, const std::wstring& file) { OpenInBrowser(owner, file); },
      .programFolder = win32::Widen(common::ExtractFilePath(win32::Narrow(win32::ModuleFilePath()))),
  };
}

TFormMain::TFormMain(ReportServices services) : services_(std::move(services)) {
  const UINT dpi = win32::DpiOf(nullptr);
  const auto scale = [dpi](int pixels) { return win32::ScaleForDpi(pixels, dpi); };
  // No system caption: the top panel is the caption bar.
  Create({.name = kClassName, .background = GetSysColorBrush(COLOR_BTNFACE)},
         {.exStyle = WS_EX_APPWINDOW,
          .style = WS_POPUP | WS_BORDER | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN,
          .title = L"Corvan System Info Generator",
          .x = scale(kLeft),
          .y = scale(kTop),
          .width = scale(kWidth),
          .height = scale(kHeight)});
}

TFormMain::~TFormMain() = default;

bool TFormMain::OnCreate() {
  FormCreate();
  return true;
}

void TFormMain::FormCreate() {
  runPending_ = true;
  rowColour_ = kRowColour;

  const UINT dpi = win32::DpiOf(Handle());
  captionFont_ = win32::CreateUiFont({.face = L"Tahoma", .height = -11, .bold = true}, dpi);
  statusFont_ = win32::CreateUiFont({.face = L"Tahoma", .height = -11}, dpi);

  gPanelTop_ = std::make_unique<win32::GradientPanel>(
      Handle(), kGPanelTopId, RECT{0, 0, kPanelWidth, kTopPanelHeight},
      win32::GradientPanelStyle{.from = RGB(255, 255, 255), .to = kTopPanelTo, .dragsWindow = true});
  gPanelTop_->AddLabel({.id = kCaptionLabelId,
                        .bounds = {8, 0, kPanelWidth - 30, kTopPanelHeight},
                        .text = L"System info generator",
                        .font = captionFont_.get(),
                        .colour = RGB(40, 40, 40)});
  speedButton1_ = std::make_unique<win32::ImageButton>(
      gPanelTop_->Handle(), kSpeedButton1Id, RECT{kPanelWidth - 23, 2, kPanelWidth - 2, 23},
      win32::CaptionButtonPainter(win32::CaptionGlyph::Close, RGB(226, 226, 226)), L"Close");

  const int mainHeight = kHeight - 2 - kTopPanelHeight;
  gPanelMain_ = std::make_unique<win32::GradientPanel>(
      Handle(), kGPanelMainId, RECT{0, kTopPanelHeight, kPanelWidth, kTopPanelHeight + mainHeight},
      win32::GradientPanelStyle{.from = kMainPanelFrom, .to = kMainPanelTo});
  gPanelMain_->AddLabel({.id = kLabelStatusId,
                         .bounds = {14, 17, kPanelWidth - 14, 37},
                         .text = kStatusSaveAs,
                         .font = statusFont_.get(),
                         .format = DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS});
  const auto scale = [dpi](int pixels) { return win32::ScaleForDpi(pixels, dpi); };
  progressBar_ = CreateWindowExW(0, PROGRESS_CLASSW, nullptr, WS_CHILD | WS_VISIBLE | PBS_SMOOTH, scale(14), scale(48),
                                 scale(kPanelWidth - 28), scale(18), gPanelMain_->Handle(),
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(kQProgressBarId)),
                                 GetModuleHandleW(nullptr), nullptr);
  if (!progressBar_) win32::ThrowLastError("Cannot create the progress bar");
  SendMessageW(progressBar_, PBM_SETRANGE32, 0, kProgressSteps);
  SendMessageW(progressBar_, PBM_SETSTEP, 1, 0);
  SendMessageW(progressBar_, PBM_SETPOS, 0, 0);
}

LRESULT TFormMain::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ACTIVATE:
      if (LOWORD(wParam) != WA_INACTIVE) PostMessageW(Handle(), kActivatedMessage, 0, 0);
      break;
    case kActivatedMessage:
      ButtonReportGeneratorClick();
      return 0;
    default:
      break;
  }
  return Window::OnMessage(message, wParam, lParam);
}

bool TFormMain::OnCommand(int id, int code, HWND) {
  if (id == kSpeedButton1Id && code == BN_CLICKED) {
    SpeedButton1Click();
    return true;
  }
  return false;
}

void TFormMain::OnDestroy() { PostQuitMessage(0); }

void TFormMain::SpeedButton1Click() { PostMessageW(Handle(), WM_CLOSE, 0, 0); }

std::wstring TFormMain::StatusText() const {
  const std::wstring* text = gPanelMain_ ? gPanelMain_->LabelText(kLabelStatusId) : nullptr;
  return text ? *text : std::wstring();
}

void TFormMain::SetStatus(const wchar_t* text) {
  gPanelMain_->SetLabelText(kLabelStatusId, text);
  LetWindowCatchUp();
}

void TFormMain::StepProgress() {
  SendMessageW(progressBar_, PBM_STEPIT, 0, 0);
  LetWindowCatchUp();
}

void TFormMain::LetWindowCatchUp() {
  win32::ProcessMessages();
  if (!Handle()) throw RunAbandoned{};
}

void TFormMain::ButtonReportGeneratorClick() {
  if (!runPending_) return;
  runPending_ = false;

  const std::optional<std::wstring> file = AskReportFile(Handle());
  if (!Handle()) return;  // the window was closed while the dialog was open
  if (!file) {
    DestroyWindow(Handle());  // cancelled: the program ends, nothing is asked or written
    return;
  }
  try {
    SetStatus(kStatusGenerating);
    std::vector<std::string> body;
    {
      const std::unique_ptr<WmiQuestions> wmi = services_.connectWmi();
      ReportBody report(*wmi, rowColour_, UserDecimalSeparator(), [this] { StepProgress(); });
      report.FillInAllSections();
      body = report.Lines();
    }
    const std::string folder = win32::Narrow(services_.programFolder);
    const std::vector<std::string> style = common::SplitLines(common::ReadTextFile(folder + kStyleFileName));
    const std::vector<std::string> page = AssemblePage(style, body);

    if (!SetCurrentDirectoryW(services_.programFolder.c_str())) {
      win32::ThrowLastError("Cannot make " + folder + " the current folder");
    }
    SetStatus(kStatusExecutingBrowser);
    common::WriteTextFile(win32::Narrow(*file), common::JoinLines(page));
    services_.openBrowser(Handle(), *file);

    LetWindowCatchUp();
    gPanelMain_->SetLabelText(kLabelStatusId, kStatusDone);
    StepProgress();
  } catch (const RunAbandoned&) {
    // The window is gone; so is the rest of the run.
  }
}

}  // namespace galdrin
