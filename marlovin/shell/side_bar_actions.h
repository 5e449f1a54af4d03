// The side bar's commands. Both pop-up menus show the same actions, so a caption, a
// check mark or a handler is set once, here, and every menu entry of an action follows.
#pragma once

#include <array>
#include <functional>
#include <string>

namespace marlovin {

// Also the menu command ids of the actions' entries.
enum class ActionId : int {
  CloseAppAction = 100,
  RestoreAppAction,
  MinimizeAppAction,
  AlignMainFormToLeftAction,
  AlignMainFormTorightAction,
  NoalignAction,
  AlwaysOnTopAction,
  SaveSessionAction,
  LoadSessionAction,
  DeleteSessonAction,
  ManageBookmarksAction,
  AddToBookmarksAction,
  OpenOptionsAction,
  EncodeAction,
  DecodeAction,
  RestartProgManAction,
  ContactCorvanSoftwareAction,
  ContactTechSupportAction,
  GoToHomepageAction,
  ShowSystemInfoAction,
};
inline constexpr int kFirstActionId = static_cast<int>(ActionId::CloseAppAction);
inline constexpr int kActionCount = static_cast<int>(ActionId::ShowSystemInfoAction) - kFirstActionId + 1;

struct TAction {
  ActionId Id;
  std::wstring Caption;
  bool Checked = false;
  // Runs when the action is executed; an action without a handler does nothing.
  std::function<void()> OnExecute;
};

class TActionList {
 public:
  // Every action with its caption and its check mark at start ("Right" and "Always On
  // Top" are marked), none with a handler yet.
  TActionList();

  TAction& operator[](ActionId id) { return actions_[Index(id)]; }
  const TAction& operator[](ActionId id) const { return actions_[Index(id)]; }
  static bool IsAction(int commandId) { return commandId >= kFirstActionId && commandId < kFirstActionId + kActionCount; }

  // Runs the action's handler, if it has one.
  void Execute(ActionId id) const;
  // Sets the check mark and tells OnCheckedChange.
  void SetChecked(ActionId id, bool checked);

  std::function<void(const TAction&)> OnCheckedChange;

 private:
  static std::size_t Index(ActionId id) { return static_cast<std::size_t>(static_cast<int>(id) - kFirstActionId); }

  std::array<TAction, kActionCount> actions_;
};

}  // namespace marlovin
