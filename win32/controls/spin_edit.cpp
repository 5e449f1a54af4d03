#include "win32/controls/spin_edit.h"

#include <commctrl.h>

#include <cwchar>
#include <string>

#include "win32/dpi.h"
#include "win32/error.h"

namespace win32 {

namespace {

std::wstring TextOf(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

}  // namespace

SpinEdit::SpinEdit(HWND parent, int id, const RECT& bounds, int minimum, int maximum, int value, int maxChars)
    : id_(id), minimum_(minimum), maximum_(maximum), value_(minimum) {
  const UINT dpi = DpiOf(parent);
  const int arrowsWidth = ScaleForDpi(17, dpi);
  const int x = ScaleForDpi(bounds.left, dpi);
  const int y = ScaleForDpi(bounds.top, dpi);
  const int width = ScaleForDpi(bounds.right - bounds.left, dpi);
  const int height = ScaleForDpi(bounds.bottom - bounds.top, dpi);
  edit_ = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_NUMBER | ES_AUTOHSCROLL,
                          x, y, width - arrowsWidth, height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                          GetModuleHandleW(nullptr), nullptr);
  if (!edit_) ThrowLastError("Cannot create a number field");
  SendMessageW(edit_, EM_LIMITTEXT, static_cast<WPARAM>(maxChars), 0);
  // The arrows write the new number into the field themselves; its EN_CHANGE follows.
  arrows_ = CreateWindowExW(0, UPDOWN_CLASSW, L"",
                            WS_CHILD | WS_VISIBLE | UDS_SETBUDDYINT | UDS_ARROWKEYS | UDS_NOTHOUSANDS | UDS_HOTTRACK,
                            x + width - arrowsWidth, y, arrowsWidth, height, parent, nullptr, GetModuleHandleW(nullptr),
                            nullptr);
  if (!arrows_) ThrowLastError("Cannot create the arrows of a number field");
  SendMessageW(arrows_, UDM_SETBUDDY, reinterpret_cast<WPARAM>(edit_), 0);
  SendMessageW(arrows_, UDM_SETRANGE32, static_cast<WPARAM>(minimum), static_cast<LPARAM>(maximum));
  SetValue(value);
}

void SpinEdit::SetValue(int value) {
  value_ = Hold(value);
  ShowValue();
}

void SpinEdit::ShowValue() {
  const std::wstring text = std::to_wstring(value_);
  if (TextOf(edit_) != text) SetWindowTextW(edit_, text.c_str());
  SendMessageW(arrows_, UDM_SETPOS32, 0, value_);
}

int SpinEdit::TakeText() {
  const std::wstring text = TextOf(edit_);
  wchar_t* end = nullptr;
  const long long typed = text.empty() ? 0 : std::wcstoll(text.c_str(), &end, 10);
  if (text.empty() || end == text.c_str() || *end != L'\0') return value_;  // no number yet
  const int held = typed > maximum_ ? maximum_ : typed < minimum_ ? minimum_ : static_cast<int>(typed);
  value_ = held;
  if (held != typed) {
    // Beyond a bound: the field shows the bound, the caret stays at the end.
    ShowValue();
    const int length = GetWindowTextLengthW(edit_);
    SendMessageW(edit_, EM_SETSEL, static_cast<WPARAM>(length), length);
  }
  return value_;
}

void SpinEdit::SetFont(HFONT font) {
  SendMessageW(edit_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

}  // namespace win32
