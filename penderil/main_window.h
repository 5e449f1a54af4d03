// Penderil's window, TFormMain: the masks, counter, search-and-replace and letter-size
// fields on the left, the rename list and the key list on tabs in the middle, the
// rename, reset and close buttons at the bottom, and a drawn title bar instead of the
// system caption. Every action runs from its button and from its key, wherever the
// focus is.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "penderil/file_list_view.h"
#include "penderil/key_actions.h"
#include "penderil/renamer_model.h"
#include "penderil/windows_ports.h"
#include "win32/controls/gradient_panel.h"
#include "win32/controls/image_button.h"
#include "win32/controls/spin_edit.h"
#include "win32/handles.h"
#include "win32/window.h"

namespace penderil {

// Control ids (the actions' buttons use the action numbers of key_actions.h).
enum ControlId : int {
  kEditName = 200,
  kEditExt,
  kEditSearch,
  kEditReplaceWith,
  kCheckBoxBefore,
  kCheckBoxAfter,
  kCheckBoxMatchCase,
  kLabelBefore,
  kLabelAfter,
  kLabelMatchCase,
  kSpinCounterStart,
  kSpinCounterStep,
  kSpinMinDigits,
  kComboLetterSize,
  kPageControl,
  kListViewFileNames,
  kRichEditShortCutsList,
  kButtonMinimize,
  kButtonMaxRestore,
  kButtonX,
};

class TFormMain : public win32::Window {
 public:
  static constexpr wchar_t kClassName[] = L"Penderil.TFormMain";

  struct Startup {
    std::wstring shortcutsFile;           // the rich-text page of the "ShortCuts List" tab
    std::vector<std::string> arguments;   // the command line, the program first
    bool endsProgram = true;              // closing the window ends the message loop
  };

  explicit TFormMain(Startup startup);
  ~TFormMain() override;

  // The message loop's first look at every message: the window's keys run their
  // actions before the focused control sees them. True when the message was used.
  bool PreTranslate(MSG& message);

  const RenamerModel& Model() const noexcept { return model_; }
  // A control of the window by its id (ControlId or an action's button).
  HWND Control(int id) const;

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  bool OnCreate() override;
  bool OnCommand(int id, int code, HWND control) override;
  bool OnNotify(const NMHDR& header, LRESULT& result) override;
  bool OnDropFiles(HDROP drop) override;
  void OnDestroy() override;
  void OnSize(int width, int height) override;

 private:
  void CreateTitleBar();
  void CreateLeftPanel();
  void CreateMainPanel();
  void CreateBottomBar();
  HWND AddControl(HWND parent, const wchar_t* className, const wchar_t* text, DWORD style, const RECT& bounds,
                  int id, DWORD exStyle = 0);
  void Layout();

  // Event handlers.
  void FormActivate();
  void StartUp();
  void StDropFilesListWithFileNamesDropFiles(HDROP drop);
  void EditNameChange(int id);
  void zcSpinEditCounterChange(int id);
  void zcComboBoxLetterSizeChange();
  void ToggleOption(int checkBoxId);
  void Execute(RenamerAction action);
  void StartActionExecute();
  void ResetActionExecute();
  void CancelActionExecute();
  void GDAButtonMaxRestoreClick();
  void GDAButtonMinimizeClick();
  void ShowPage(int page);

  // The fields show what the model holds.
  void ShowSettings();
  void ShowNames();

  Startup startup_;
  WindowsClock clock_;
  RenamerModel model_{clock_};
  bool started_ = false;
  UINT dpi_ = USER_DEFAULT_SCREEN_DPI;

  win32::UniqueHfont font_;
  win32::UniqueHfont titleFont_;
  win32::UniqueHbrush panelBrush_;
  win32::UniqueHbrush bottomBrush_;
  win32::UniqueHicon startIcon_;
  win32::UniqueHicon resetIcon_;
  win32::UniqueHicon closeIcon_;

  std::unique_ptr<win32::GradientPanel> titleBar_;
  std::unique_ptr<win32::ImageButton> minimizeButton_;
  std::unique_ptr<win32::ImageButton> maxRestoreButton_;
  std::unique_ptr<win32::ImageButton> closeButton_;
  std::unique_ptr<win32::GradientPanel> leftPanel_;
  std::unique_ptr<win32::GradientPanel> mainPanel_;
  std::unique_ptr<win32::GradientPanel> bottomBar_;
  std::unique_ptr<win32::SpinEdit> counterStart_;
  std::unique_ptr<win32::SpinEdit> counterStep_;
  std::unique_ptr<win32::SpinEdit> minDigits_;
  std::unique_ptr<FileListView> fileList_;
  HWND pageControl_ = nullptr;
  HWND richEdit_ = nullptr;
  HWND lastFocus_ = nullptr;
};

}  // namespace penderil
