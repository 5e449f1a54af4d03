#include "galdrin/browser.h"

#include <shellapi.h>

namespace galdrin {

namespace {

bool ShellOpen(HWND owner, const std::wstring& file, const std::wstring& parameters) {
  SHELLEXECUTEINFOW info{};
  info.cbSize = sizeof(info);
  // No error box from the shell: a browser that does not start is not reported.
  info.fMask = SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC;
  info.hwnd = owner;
  info.lpVerb = L"open";
  info.lpFile = file.c_str();
  info.lpParameters = parameters.empty() ? nullptr : parameters.c_str();
  info.nShow = SW_SHOWNORMAL;
  return ShellExecuteExW(&info) != FALSE;
}

}  // namespace

void OpenInBrowser(HWND owner, const std::wstring& file, const std::wstring& browser) {
  if (ShellOpen(owner, browser, L"\"" + file + L"\"")) return;
  ShellOpen(owner, file, L"");
}

}  // namespace galdrin
