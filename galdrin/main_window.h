// Galdrin's window: a small borderless box whose top panel is its caption bar. At its
// first activation it asks where to save the report, gathers the hardware facts through
// WMI, writes the page, opens it in the browser and then shows "done" until closed.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "galdrin/wmi_questions.h"
#include "win32/controls/gradient_panel.h"
#include "win32/controls/image_button.h"
#include "win32/handles.h"
#include "win32/window.h"

namespace galdrin {

// What the report run uses of the outside world.
struct ReportServices {
  std::function<std::unique_ptr<WmiQuestions>()> connectWmi;           // one source for the whole run
  std::function<void(HWND owner, const std::wstring& file)> openBrowser;
  std::wstring programFolder;  // holds the style file; becomes the current folder; ends with "\"
};

// WMI over COM, the "iexplore" browser, the executable's own folder.
ReportServices DefaultReportServices();

inline constexpr wchar_t kStatusSaveAs[] = L"Status: Save as...";
inline constexpr wchar_t kStatusGenerating[] = L"Status: Generating system info report... please wait.";
inline constexpr wchar_t kStatusExecutingBrowser[] = L"Status: Executing browser...";
inline constexpr wchar_t kStatusDone[] = L"Status: Done && ready...";  // shows one ampersand

class TFormMain : public win32::Window {
 public:
  static constexpr wchar_t kClassName[] = L"Galdrin.TFormMain";
  static constexpr int kGPanelTopId = 1;
  static constexpr int kGPanelMainId = 2;
  static constexpr int kSpeedButton1Id = 3;
  static constexpr int kQProgressBarId = 4;
  static constexpr int kCaptionLabelId = 10;
  static constexpr int kLabelStatusId = 11;

  explicit TFormMain(ReportServices services = DefaultReportServices());
  ~TFormMain() override;

  std::wstring StatusText() const;
  HWND ProgressBar() const noexcept { return progressBar_; }
  const win32::GradientPanel& TopPanel() const noexcept { return *gPanelTop_; }
  const win32::ImageButton& CloseButton() const noexcept { return *speedButton1_; }

  // The report run, once per process: the save dialog, the report, the browser.
  void ButtonReportGeneratorClick();

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  bool OnCreate() override;
  bool OnCommand(int id, int code, HWND control) override;
  void OnDestroy() override;

 private:
  void FormCreate();
  void SpeedButton1Click();
  void SetStatus(const wchar_t* text);
  void StepProgress();
  void LetWindowCatchUp();

  ReportServices services_;
  bool runPending_ = false;  // the run-once flag
  std::string rowColour_;
  win32::UniqueHfont captionFont_;
  win32::UniqueHfont statusFont_;
  std::unique_ptr<win32::GradientPanel> gPanelTop_;
  std::unique_ptr<win32::ImageButton> speedButton1_;
  std::unique_ptr<win32::GradientPanel> gPanelMain_;
  HWND progressBar_ = nullptr;  // a child of gPanelMain_, destroyed with it
};

}  // namespace galdrin
