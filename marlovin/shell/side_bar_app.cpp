#include "marlovin/shell/side_bar_app.h"

#include <windows.h>

#include "marlovin/sessions/favorites_form.h"
#include "marlovin/sessions/simple_dialog_form.h"
#include "marlovin/settings/config_form.h"
#include "marlovin/shell/main_form.h"
#include "marlovin/shell/single_instance.h"
#include "marlovin/transfer/copy_to_dest_form.h"
#include "win32/application.h"
#include "win32/com.h"

namespace marlovin {

namespace {

// Every form of the program, created once in this order and kept until the end.
struct SideBarForms {
  TFormMain FormMain;
  TConfigForm ConfigForm;
  TCopyToDestForm CopyToDestForm;
  TSimpleDialogForm SimpleDialogForm;
  TFavoritesForm FavoritesForm;
};

}  // namespace

int RunSideBar() {
  win32::InitApplication(L"Marlovin");
  SingleInstanceGuard guard;
  if (!guard.IsFirst()) {
    ActivateRunningBar(TFormMain::kClassName);
    return 0;
  }
  try {
    // The shell's special folders and its "open" operation want COM on this thread.
    const win32::ComInitializer com;
    SideBarForms forms;
    ShowWindow(forms.FormMain.Handle(), SW_SHOWNORMAL);
    win32::RunMessageLoop();
  } catch (...) {
    win32::ReportCurrentException(nullptr);
  }
  return 0;
}

}  // namespace marlovin
