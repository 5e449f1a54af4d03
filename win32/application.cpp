#include "win32/application.h"

#include <commctrl.h>

#include <exception>

#include "win32/utf.h"

namespace win32 {

namespace {

std::wstring& Title() {
  static std::wstring title;
  return title;
}

}  // namespace

void InitApplication(std::wstring title) {
  Title() = std::move(title);
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES | ICC_PROGRESS_CLASS |
                                                      ICC_BAR_CLASSES | ICC_LISTVIEW_CLASSES | ICC_TAB_CLASSES |
                                                      ICC_USEREX_CLASSES | ICC_UPDOWN_CLASS};
  InitCommonControlsEx(&controls);
}

const std::wstring& ApplicationTitle() { return Title(); }

std::wstring ErrorBoxText(std::string_view message) {
  std::wstring text = Widen(message);
  if (!text.empty() && text.back() > L'.') text += L'.';
  return text;
}

void ShowErrorBox(HWND owner, std::string_view message) {
  MessageBoxW(owner, ErrorBoxText(message).c_str(), ApplicationTitle().c_str(), MB_OK | MB_ICONSTOP);
}

void ReportCurrentException(HWND owner) noexcept {
  try {
    throw;
  } catch (const std::exception& e) {
    ShowErrorBox(owner, e.what());
  } catch (...) {
    ShowErrorBox(owner, "Unknown error");
  }
}

int RunMessageLoop(const std::function<bool(MSG&)>& preTranslate) {
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (preTranslate && preTranslate(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}

void ProcessMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(message.wParam));  // leave it for the main loop
      return;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

}  // namespace win32
