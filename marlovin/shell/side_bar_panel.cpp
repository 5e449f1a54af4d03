#include "marlovin/shell/side_bar_panel.h"

#include <commctrl.h>
#include <windowsx.h>

namespace marlovin {

TPanelMain::TPanelMain(HWND parent, PanelEvents& events, COLORREF colour, const std::wstring& hint)
    : events_(events), colour_(colour) {
  Create({.name = L"Marlovin.TPanelMain"},
         {.style = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, .x = 0, .y = 0, .width = 1, .height = 1,
          .parent = parent});
  tooltip_.reset(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
                                 CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, Handle(), nullptr,
                                 GetModuleHandleW(nullptr), nullptr));
  AddHint(Handle(), hint);
}

void TPanelMain::AddHint(HWND control, const std::wstring& hint) {
  if (hint.empty()) return;
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof(tool);
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = control;
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  tool.lpszText = const_cast<wchar_t*>(hint.c_str());  // the tooltip keeps a copy
  SendMessageW(tooltip_.get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

LRESULT TPanelMain::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      SetCapture(Handle());
      events_.PanelMainMouseDown(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
      return 0;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
      if (GetCapture() == Handle() && !(wParam & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON))) ReleaseCapture();
      break;  // the right button's release makes the context menu
    case WM_MOUSEMOVE:
      if (GetCapture() == Handle()) {
        events_.PanelMainMouseMove(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam), (wParam & MK_LBUTTON) != 0);
      }
      return 0;
    case WM_LBUTTONDBLCLK:
      events_.PanelMainDblClick();
      return 0;
    case WM_COMMAND:
      return SendMessageW(GetParent(Handle()), message, wParam, lParam);
    default:
      break;
  }
  return Window::OnMessage(message, wParam, lParam);
}

void TPanelMain::OnPaint(HDC dc, const RECT&) {
  RECT area;
  GetClientRect(Handle(), &area);
  const win32::UniqueHbrush brush(CreateSolidBrush(colour_));
  FillRect(dc, &area, brush.get());
}

}  // namespace marlovin
