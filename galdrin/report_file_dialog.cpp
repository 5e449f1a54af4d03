#include "galdrin/report_file_dialog.h"

#include <commdlg.h>

#include <cstdio>
#include <stdexcept>

#include "galdrin/report_page.h"
#include "win32/utf.h"

namespace galdrin {

std::optional<std::wstring> AskReportFile(HWND owner) {
  std::wstring file = win32::Widen(kReportFileName);
  file.resize(32768, L'\0');  // room for a long path
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = L"*.html\0*.html\0";  // one entry: its text and its pattern
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = file.data();
  dialog.nMaxFile = static_cast<DWORD>(file.size());
  // Neither OFN_OVERWRITEPROMPT nor a default extension.
  dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_ENABLESIZING | OFN_NOCHANGEDIR;
  if (!GetSaveFileNameW(&dialog)) {
    const DWORD error = CommDlgExtendedError();
    if (error == 0) return std::nullopt;  // cancelled
    char code[16];
    std::snprintf(code, sizeof(code), "0x%04lX", static_cast<unsigned long>(error));
    throw std::runtime_error(std::string("The save dialog cannot be shown (common dialog error ") + code + ")");
  }
  file.resize(file.find(L'\0'));
  return file;
}

}  // namespace galdrin
