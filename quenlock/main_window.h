// Quenlock's window: a borderless strip that shows the operation and a progress bar
// while the one job of the run goes on, then closes itself. In text mode it is never
// shown.
#pragma once

#include <memory>
#include <string>

#include "quenlock/cipher_job.h"
#include "quenlock/progress_position.h"
#include "win32/controls/gradient_panel.h"
#include "win32/controls/image_button.h"
#include "win32/handles.h"
#include "win32/window.h"

namespace quenlock {

class TForm1 : public win32::Window {
 public:
  static constexpr wchar_t kClassName[] = L"Quenlock.TForm1";
  static constexpr wchar_t kCaption[] = L"Ciphering using Rijndael (  AES ) algorithm";
  // The switch file that makes the job show its arguments before it starts.
  static constexpr char kDebugSwitchFile[] = "c:\\WINNT\\debug.semi";

  // Label ids on the panels.
  enum { kLabelCaption = 1, kLabel1, kLabel2, kLabelOperation };

  explicit TForm1(CipherArguments arguments);

  // Shows the window, except in text mode.
  void Show(int showCommand);

  const win32::GradientPanel& EZTexturePanelTop() const { return *EZTexturePanelTop_; }
  const win32::GradientPanel& EZTexturePanelMain() const { return *EZTexturePanelMain_; }
  HWND XiProgressBar() const { return XiProgressBar_; }
  // The bar's position as last shown (it keeps its value after the window closed).
  int ProgressBarPosition() const { return progress_.Position(); }

 protected:
  bool OnCreate() override;
  bool OnTimer(UINT_PTR id) override;
  bool OnCommand(int id, int code, HWND control) override;
  bool OnClose() override;
  void OnDestroy() override;

 private:
  void FormCreate();
  void Timer1Timer();
  void CipherProgress(std::int64_t Porgress, std::int64_t Size);
  void SpeedButtonHideClick();
  void ShowBarPosition(int position);

  CipherArguments arguments_;
  win32::UniqueHfont captionFont_;
  win32::UniqueHfont font_;
  std::unique_ptr<win32::GradientPanel> EZTexturePanelTop_;
  std::unique_ptr<win32::GradientPanel> EZTexturePanelMain_;
  HWND XiProgressBar_ = nullptr;
  std::unique_ptr<win32::ImageButton> SpeedButtonHide_;
  ProgressRepaint progress_;
  bool jobRunning_ = false;
};

}  // namespace quenlock
