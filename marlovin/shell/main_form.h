// The side bar window: a narrow, borderless, always-on-top strip whose panel carries the
// drop buttons. It docks at the left or right edge of the screen (taking its strip from
// the desktop work area) or floats, is dragged by its panel, hides into the tray and
// offers its commands through two pop-up menus that share one action list.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "marlovin/settings/options_store.h"
#include "marlovin/shell/dock_state.h"
#include "marlovin/shell/panel_controls.h"
#include "marlovin/shell/side_bar_actions.h"
#include "marlovin/shell/side_bar_menus.h"
#include "marlovin/shell/side_bar_panel.h"
#include "marlovin/shell/system_desktop.h"
#include "win32/controls/image_button.h"
#include "win32/handles.h"
#include "win32/tray_icon.h"
#include "win32/window.h"

namespace marlovin {

class TFormMain : public win32::Window, private PanelEvents, private DockWindow {
 public:
  static constexpr wchar_t kClassName[] = L"Marlovin.TFormMain";
  // Mouse actions on the tray icon: wParam kTrayIconId, lParam the mouse message.
  static constexpr UINT kTrayMessage = WM_APP + 1;
  static constexpr UINT kTrayIconId = 1;

  // Builds the window (hidden), reads the work area, creates the options object (which
  // may reopen the last session's folders) and the session entries, then docks as the
  // options say. When the options cannot be loaded, "Init Failes" is shown and the bar
  // goes on with the default options.
  TFormMain();
  ~TFormMain() override;

  // The options object, or null when it could not be created at start-up.
  TMarlovinTextConfig* Config() const { return config_.get(); }
  // The options in force: the options object's, or the defaults when there is none.
  const TMarlovinOptionsStruct& Options() const;

  // The side bar's commands; set an action's OnExecute to give it a handler.
  TActionList& ActionList() { return actions_; }
  HMENU PopupMenuAppActions() const { return menus_.PopupMenuAppActions(); }
  HMENU PopupMenuActionsOnPanel() const { return menus_.PopupMenuActionsOnPanel(); }
  const SideBarMenus& Menus() const { return menus_; }

  // Placement, marks, drag and tray state.
  const SideBarPlacement& Placement() const { return *placement_; }
  bool AlwaysOnTop() const { return (GetWindowLongPtrW(Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }
  HWND PanelMain() const { return panel_->Handle(); }
  HWND Button(PanelControlId id) const;

  // Runs the Explorer settings check for any work of the side bar (show, activation,
  // drops, commands). False: the settings were wrong and have been repaired, the program
  // is ending and the caller must stop. The strip reserved by docking is given back on
  // that path, and the folders open now are not recorded as the last session (their
  // address bars may not have shown full paths).
  bool RunExplorerSettingsCheck();

  // The session names that have menu entries, in the order they were added.
  const std::vector<std::string>& SessionEntries() const { return sessionEntries_; }
  // Appends an entry captioned `name` to both Sessions submenus; called for each stored
  // name at start-up, in stored order.
  void AddSessionMenuEntries(const std::string& name);
  // Removes every entry captioned exactly `name` from both Sessions submenus.
  void RemoveSessionMenuEntries(const std::string& name);

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnPaint(HDC dc, const RECT& dirty) override;
  bool OnCommand(int id, int code, HWND control) override;
  bool OnClose() override;
  void OnDestroy() override;

 private:
  void CreateControls();
  void LayOut(UINT dpi);
  void BindActions();
  void LoadOptionsAndSessions();

  // Window events.
  void FormCreate();
  void FormShow();
  void FormActivate();
  void FormClose();
  void BringToFront();

  // Panel events (PanelEvents).
  void PanelMainMouseDown(int x, int y) override;
  void PanelMainMouseMove(int x, int y, bool leftButton) override;
  void PanelMainDblClick() override;
  void ShowPanelMenu(POINT screen);

  // Docking sees the window through these (DockWindow).
  int Left() const override;
  int Width() const override;
  int BorderWidth() const override;
  void SetLeft(int left) override;

  // Tray icon events.
  void StTrayIconDblClick(bool& restore);
  void StTrayIconMinimize();
  void StTrayIconRestore();
  void ShowTrayMenu();

  // Action handlers.
  void CloseAppActionExecute();
  void RestoreAppActionExecute();
  void MinimizeAppActionExecute();
  void AlignMainFormToLeftActionExecute();
  void AlignMainFormToRightActionExecute();
  void NoalignActionExecute();
  void AlwaysOnTopActionExecute();
  void RestartProgManActionExecute();
  void About1Click();
  void ShowPlacementMarks();

  // Button clicks.
  void GDAButtonCopyClick();
  void GDAButtonListClick();
  void GDAButtonShowHideClick();
  void SpeedButtonTileHorizontalyClick();
  void SpeedButtonVerticalyClick();

  // Hooks that the sessions, bookmarks and Favorites commands fill.
  void SessionEntryClick(const std::string& name);
  void RebuildBookmarkMenus();
  void GDAButtonFavoritesClick();
  void GDAButtonHomeClick();

  void ExecuteCommand(int commandId);

  SystemDesktop desktop_;
  std::unique_ptr<SideBarPlacement> placement_;
  TActionList actions_;
  SideBarMenus menus_;
  std::unique_ptr<TPanelMain> panel_;
  std::vector<std::unique_ptr<win32::ImageButton>> buttons_;  // in PanelControls() order
  std::unique_ptr<win32::TrayIcon> trayIcon_;
  std::unique_ptr<TMarlovinTextConfig> config_;
  std::vector<std::string> sessionEntries_;
  std::map<int, std::string> sessionCommands_;  // menu command id -> session name
  int nextSessionCommand_;
  bool firstActivation_ = true;
  bool checkingSettings_ = false;
  bool ending_ = false;  // the settings check has told the program to end
  bool closed_ = false;  // the close steps have run
};

}  // namespace marlovin
