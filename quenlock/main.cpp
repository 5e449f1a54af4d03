#include <windows.h>

#include "quenlock/main_window.h"
#include "win32/application.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int show) {
  win32::InitApplication(L"Quenlock");
  try {
    quenlock::TForm1 window;
    ShowWindow(window.Handle(), show);
    return win32::RunMessageLoop();
  } catch (...) {
    win32::ReportCurrentException(nullptr);
  }
  return 0;
}
