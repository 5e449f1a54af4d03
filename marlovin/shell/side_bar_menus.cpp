#include "marlovin/shell/side_bar_menus.h"

#include <vector>

#include "win32/error.h"
#include "win32/utf.h"

namespace marlovin {

namespace {

// Builds one menu; every call appends to `menu`.
class MenuBuilder {
 public:
  MenuBuilder(HMENU menu, const TActionList& actions) : menu_(menu), actions_(actions) {}

  // The action under its own caption, or under `caption` when given.
  MenuBuilder& Action(ActionId id, const wchar_t* caption = nullptr) { return Item(id, caption, false); }
  MenuBuilder& Radio(ActionId id, const wchar_t* caption = nullptr) { return Item(id, caption, true); }
  MenuBuilder& Command(int commandId, const wchar_t* caption) {
    Append(MFT_STRING, caption, static_cast<UINT>(commandId), false, nullptr);
    return *this;
  }
  MenuBuilder& Separator() {
    Append(MFT_SEPARATOR, nullptr, 0, false, nullptr);
    return *this;
  }
  // A submenu; `store` receives its handle.
  MenuBuilder Submenu(const wchar_t* caption, HMENU* store = nullptr) {
    const HMENU submenu = CreatePopupMenu();
    if (!submenu) win32::ThrowLastError("Cannot create the side bar's menu");
    Append(MFT_STRING, caption, 0, false, submenu);
    if (store) *store = submenu;
    return MenuBuilder(submenu, actions_);
  }

 private:
  MenuBuilder& Item(ActionId id, const wchar_t* caption, bool radio) {
    const TAction& action = actions_[id];
    Append(radio ? MFT_STRING | MFT_RADIOCHECK : MFT_STRING, caption ? caption : action.Caption.c_str(),
           static_cast<UINT>(id), action.Checked, nullptr);
    return *this;
  }

  void Append(UINT type, const wchar_t* caption, UINT id, bool checked, HMENU submenu) {
    MENUITEMINFOW item{};
    item.cbSize = sizeof(item);
    item.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | (caption ? MIIM_STRING : 0u) | (submenu ? MIIM_SUBMENU : 0u);
    item.fType = type;
    item.fState = checked ? MFS_CHECKED : MFS_UNCHECKED;
    item.wID = id;
    item.hSubMenu = submenu;
    item.dwTypeData = const_cast<wchar_t*>(caption);
    if (!InsertMenuItemW(menu_, GetMenuItemCount(menu_), TRUE, &item)) {
      if (submenu) DestroyMenu(submenu);
      win32::ThrowLastError("Cannot build the side bar's menu");
    }
  }

  HMENU menu_;
  const TActionList& actions_;
};

std::wstring MenuText(HMENU menu, int position) {
  MENUITEMINFOW item{};
  item.cbSize = sizeof(item);
  item.fMask = MIIM_STRING;
  if (!GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &item)) return {};
  std::wstring text(item.cch + 1, L'\0');
  item.dwTypeData = text.data();
  item.cch = static_cast<UINT>(text.size());
  if (!GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &item)) return {};
  text.resize(item.cch);
  return text;
}

win32::UniqueHmenu NewPopupMenu() {
  win32::UniqueHmenu menu(CreatePopupMenu());
  if (!menu) win32::ThrowLastError("Cannot create the side bar's menu");
  return menu;
}

// The Tools submenu and the closing window entries read the same in both menus.
void AddToolsSubmenu(MenuBuilder& menu) {
  menu.Submenu(L"&Tools")
      .Action(ActionId::OpenOptionsAction, L"&Configure Marlovin...")
      .Separator()
      .Action(ActionId::RestartProgManAction)
      .Action(ActionId::ShowSystemInfoAction);
}

void AddWindowEntries(MenuBuilder& menu) {
  menu.Separator()
      .Action(ActionId::AlwaysOnTopAction)
      .Action(ActionId::RestoreAppAction)
      .Action(ActionId::MinimizeAppAction)
      .Action(ActionId::CloseAppAction);
}

}  // namespace

SideBarMenus::SideBarMenus(const TActionList& actions) : appActions_(NewPopupMenu()), actionsOnPanel_(NewPopupMenu()) {
  using enum ActionId;
  {
    MenuBuilder tray(appActions_.get(), actions);
    tray.Submenu(L"Placement")
        .Radio(AlignMainFormToLeftAction)
        .Radio(AlignMainFormTorightAction)
        .Separator()
        .Radio(NoalignAction);
    tray.Separator();
    tray.Submenu(L"Bookmarks", &bookmarks1_).Action(AddToBookmarksAction).Action(ManageBookmarksAction).Separator();
    tray.Submenu(L"Sessions", &sessions1_)
        .Action(SaveSessionAction, L"&Save Session...")
        .Action(LoadSessionAction)
        .Action(DeleteSessonAction)
        .Separator();
    tray.Separator();
    AddToolsSubmenu(tray);
    MenuBuilder help = tray.Submenu(L"&Help");
    // The tray's about entry shows the about box as the panel's does.
    help.Command(kAbout1Command, L"&About...");
    help.Submenu(L"&Corvan Software Online")
        .Action(GoToHomepageAction)
        .Action(ContactCorvanSoftwareAction)
        .Action(ContactTechSupportAction);
    AddWindowEntries(tray);
  }
  {
    MenuBuilder panel(actionsOnPanel_.get(), actions);
    panel.Submenu(L"Placement")
        .Radio(AlignMainFormToLeftAction, L"   &Left")
        .Radio(AlignMainFormTorightAction, L"   &Right")
        .Separator()
        .Radio(NoalignAction, L"   &Floating ( detached )");
    panel.Separator();
    panel.Submenu(L"Bookmarks", &bookmarks2_).Action(AddToBookmarksAction).Action(ManageBookmarksAction).Separator();
    panel.Submenu(L"Sessions", &sessions2_)
        .Action(SaveSessionAction, L"&Save Session...")
        .Action(LoadSessionAction)
        .Separator()
        .Action(DeleteSessonAction)
        .Separator();
    panel.Separator();
    AddToolsSubmenu(panel);
    MenuBuilder help = panel.Submenu(L"&Help");
    help.Command(kAbout1Command, L"&About...");
    help.Submenu(L"&Corvan Software Online")
        .Action(GoToHomepageAction, L"Go to Corvan Software &Homepage...")
        .Action(ContactCorvanSoftwareAction, L"Contact &Us..")
        .Action(ContactTechSupportAction);
    AddWindowEntries(panel);
  }
}

void SideBarMenus::ShowChecked(const TAction& action) {
  const UINT flags = MF_BYCOMMAND | (action.Checked ? MF_CHECKED : MF_UNCHECKED);
  CheckMenuItem(appActions_.get(), static_cast<UINT>(action.Id), flags);
  CheckMenuItem(actionsOnPanel_.get(), static_cast<UINT>(action.Id), flags);
}

void SideBarMenus::AppendEntry(HMENU submenu, const std::wstring& caption, int commandId) {
  if (!AppendMenuW(submenu, MF_STRING, static_cast<UINT_PTR>(commandId), caption.c_str())) {
    win32::ThrowLastError("Cannot add the menu entry " + win32::Narrow(caption));
  }
}

std::vector<int> SideBarMenus::RemoveEntries(HMENU submenu, int first, const std::wstring* caption) {
  std::vector<int> removed;
  for (int position = GetMenuItemCount(submenu) - 1; position >= first; --position) {
    if (caption && MenuText(submenu, position) != *caption) continue;
    removed.insert(removed.begin(), static_cast<int>(GetMenuItemID(submenu, position)));
    DeleteMenu(submenu, static_cast<UINT>(position), MF_BYPOSITION);
  }
  return removed;
}

}  // namespace marlovin
