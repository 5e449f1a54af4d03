// The side bar's two pop-up menus: the tray icon's (PopupMenuAppActions) and the
// panel's (PopupMenuActionsOnPanel). Both show the actions of one TActionList, a few of
// them under captions of their own, and keep room at the end of their Sessions and
// Bookmarks submenus for entries that come and go.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "marlovin/shell/side_bar_actions.h"
#include "win32/handles.h"

namespace marlovin {

// The about box entries: not an action.
inline constexpr int kAbout1Command = 90;

class SideBarMenus {
 public:
  explicit SideBarMenus(const TActionList& actions);

  HMENU PopupMenuAppActions() const { return appActions_.get(); }
  HMENU PopupMenuActionsOnPanel() const { return actionsOnPanel_.get(); }
  // The Sessions and Bookmarks submenus of the tray menu (1) and the panel menu (2).
  HMENU Sessions1() const { return sessions1_; }
  HMENU Sessions2() const { return sessions2_; }
  HMENU Bookmarks1() const { return bookmarks1_; }
  HMENU Bookmarks2() const { return bookmarks2_; }
  // How many fixed entries each submenu starts with; added entries follow them.
  static constexpr int kSessions1Fixed = 4;
  static constexpr int kSessions2Fixed = 5;
  static constexpr int kBookmarksFixed = 3;

  // Shows the action's check mark in both menus.
  void ShowChecked(const TAction& action);

  // Appends an entry with its own caption and command id to a submenu.
  static void AppendEntry(HMENU submenu, const std::wstring& caption, int commandId);
  // Removes the entries from position `first` on whose caption is exactly `caption`
  // (every entry from there on when `caption` is null); returns their command ids.
  static std::vector<int> RemoveEntries(HMENU submenu, int first, const std::wstring* caption);

 private:
  win32::UniqueHmenu appActions_;
  win32::UniqueHmenu actionsOnPanel_;
  HMENU sessions1_ = nullptr;  // owned by their menus
  HMENU sessions2_ = nullptr;
  HMENU bookmarks1_ = nullptr;
  HMENU bookmarks2_ = nullptr;
};

}  // namespace marlovin
