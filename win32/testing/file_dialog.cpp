#include "win32/testing/file_dialog.h"

#include <dlgs.h>

#include <iterator>

#include "win32/testing/window_watchdog.h"

namespace win32::testing {

HWND FileDialogNameBox(HWND dialog) {
  // Explorer-style dialogs hold the name in the edit box inside combo box cmb13 (a
  // ComboBoxEx under Wine, so the box may sit two levels down); older ones in edt1.
  if (HWND combo = GetDlgItem(dialog, cmb13)) {
    HWND edit = nullptr;
    EnumChildWindows(
        combo,
        [](HWND child, LPARAM found) -> BOOL {
          wchar_t className[16] = {};
          GetClassNameW(child, className, static_cast<int>(std::size(className)));
          if (lstrcmpiW(className, L"Edit") != 0) return TRUE;
          *reinterpret_cast<HWND*>(found) = child;
          return FALSE;
        },
        reinterpret_cast<LPARAM>(&edit));
    if (edit) return edit;
  }
  return GetDlgItem(dialog, edt1);
}

std::wstring FileDialogName(HWND dialog) {
  HWND box = FileDialogNameBox(dialog);
  if (!box) return {};
  // WM_GETTEXT asks the box itself, in whichever process it lives.
  wchar_t text[1024] = {};
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutW(box, WM_GETTEXT, std::size(text), reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 5000,
                           &length)) {
    return {};
  }
  return std::wstring(text, length < std::size(text) ? length : 0);
}

void AnswerFileDialog(HWND dialog, const std::wstring& path) {
  HWND box = FileDialogNameBox(dialog);
  if (box) SendMessageTimeoutW(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()), SMTO_ABORTIFHUNG, 5000, nullptr);
  PressDialogButton(dialog, IDOK);
}

}  // namespace win32::testing
