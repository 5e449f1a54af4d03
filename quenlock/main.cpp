#include <windows.h>

#include "quenlock/cipher_job.h"
#include "quenlock/main_window.h"
#include "win32/application.h"
#include "win32/utf.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int show) {
  win32::InitApplication(L"Quenlock");
  try {
    // Our own splitting: a quoted path or password ending in a backslash arrives whole.
    quenlock::TForm1 window(quenlock::ArgumentsOf(win32::Narrow(GetCommandLineW())));
    window.Show(show);
    win32::RunMessageLoop();
  } catch (...) {
    win32::ReportCurrentException(nullptr);
  }
  return 0;  // the job reports its own outcome; the exit code is always 0
}
