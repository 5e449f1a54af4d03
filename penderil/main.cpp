#include <windows.h>

#include <string>

#include "common/argument_text.h"
#include "common/path_text.h"
#include "penderil/main_window.h"
#include "win32/application.h"
#include "win32/shell_paths.h"
#include "win32/utf.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int show) {
  win32::InitApplication(L"Rename multiple files");
  try {
    // The help page lives beside the program; the list file is argument 1.
    const std::string folder = common::ExtractFilePath(win32::Narrow(win32::ModuleFilePath()));
    penderil::TFormMain window({.shortcutsFile = win32::Widen(folder + "shortcuts.rtf"),
                                .arguments = common::SplitCommandLine(win32::Narrow(GetCommandLineW()))});
    ShowWindow(window.Handle(), show);
    return win32::RunMessageLoop([&window](MSG& message) { return window.PreTranslate(message); });
  } catch (...) {
    win32::ReportCurrentException(nullptr);
  }
  return 0;
}
