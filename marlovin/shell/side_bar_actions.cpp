#include "marlovin/shell/side_bar_actions.h"

namespace marlovin {

TActionList::TActionList()
    : actions_{{
          {ActionId::CloseAppAction, L"Close"},
          {ActionId::RestoreAppAction, L"Restore"},
          {ActionId::MinimizeAppAction, L"Minimize "},
          {ActionId::AlignMainFormToLeftAction, L"    &Left"},
          {ActionId::AlignMainFormTorightAction, L"    &Right", true},
          {ActionId::NoalignAction, L"    &Floating ( detached )"},
          {ActionId::AlwaysOnTopAction, L"&Always On Top", true},
          {ActionId::SaveSessionAction, L"  &Save Session..."},
          {ActionId::LoadSessionAction, L"&Load Session..."},
          {ActionId::DeleteSessonAction, L"&Delete Session..."},
          {ActionId::ManageBookmarksAction, L"&Manage Bookmarks..."},
          {ActionId::AddToBookmarksAction, L"Add To Bookmarks..."},
          {ActionId::OpenOptionsAction, L"&Configure Marlovin..."},
          {ActionId::EncodeAction, L"Encode file"},
          {ActionId::DecodeAction, L"Decode file"},
          {ActionId::RestartProgManAction, L"&Restart Taskbar, desktop && program manager"},
          {ActionId::ContactCorvanSoftwareAction, L"&Contact Corvan Software..."},
          {ActionId::ContactTechSupportAction, L"Contact &Tech Support..."},
          {ActionId::GoToHomepageAction, L"Go to Corvan Software Homepage..."},
          {ActionId::ShowSystemInfoAction, L"Show System Info"},
      }} {}

void TActionList::Execute(ActionId id) const {
  if (const auto& handler = (*this)[id].OnExecute) handler();
}

void TActionList::SetChecked(ActionId id, bool checked) {
  TAction& action = (*this)[id];
  action.Checked = checked;
  if (OnCheckedChange) OnCheckedChange(action);
}

}  // namespace marlovin
