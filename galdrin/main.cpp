#include <windows.h>

#include "galdrin/main_window.h"
#include "win32/application.h"
#include "win32/com.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int show) {
  win32::InitApplication(L"Hardware Info Utility");
  try {
    const win32::ComInitializer com;  // the save dialog and WMI, for the whole run of the program
    galdrin::TFormMain window;
    ShowWindow(window.Handle(), show);
    return win32::RunMessageLoop();
  } catch (...) {
    win32::ReportCurrentException(nullptr);
  }
  return 0;
}
