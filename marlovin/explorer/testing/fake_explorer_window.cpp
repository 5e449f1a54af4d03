#include "marlovin/explorer/testing/fake_explorer_window.h"

#include <commctrl.h>

#include "win32/error.h"
#include "win32/utf.h"

namespace marlovin::testing {

namespace {

void RegisterClassOnce(const std::wstring& name) {
  WNDCLASSEXW windowClass{sizeof(windowClass)};
  windowClass.lpfnWndProc = DefWindowProcW;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  windowClass.lpszClassName = name.c_str();
  if (!RegisterClassExW(&windowClass) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
    win32::ThrowLastError("Cannot register the window class " + win32::Narrow(name));
  }
}

}  // namespace

FakeExplorerWindow::FakeExplorerWindow(const FakeExplorerSpec& spec) {
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_USEREX_CLASSES};
  InitCommonControlsEx(&controls);
  RegisterClassOnce(spec.className);
  RegisterClassOnce(L"FakeExplorerBand");
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  window_.reset(CreateWindowExW(0, spec.className.c_str(), spec.title.c_str(), WS_OVERLAPPEDWINDOW, spec.rect.left,
                                spec.rect.top, spec.rect.right - spec.rect.left, spec.rect.bottom - spec.rect.top,
                                nullptr, nullptr, instance, nullptr));
  if (!window_) win32::ThrowLastError("Cannot create a fake Explorer window");
  int top = 0;
  for (const std::wstring& text : spec.addressBars) {
    const HWND band = CreateWindowExW(0, L"FakeExplorerBand", L"", WS_CHILD | WS_VISIBLE, 0, top, 500, 30,
                                      window_.get(), nullptr, instance, nullptr);
    const HWND bar = CreateWindowExW(0, WC_COMBOBOXEXW, L"", WS_CHILD | WS_VISIBLE | CBS_DROPDOWN, 0, 0, 480, 200, band,
                                     nullptr, instance, nullptr);
    if (!band || !bar) win32::ThrowLastError("Cannot create the address bar of a fake Explorer window");
    SetWindowTextW(bar, text.c_str());
    addressBars_.push_back(bar);
    top += 32;
  }
  ShowWindow(window_.get(), SW_SHOWNOACTIVATE);
}

}  // namespace marlovin::testing
