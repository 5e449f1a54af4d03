#include "win32/tray_icon.h"

#include <iterator>

namespace win32 {

TrayIcon::TrayIcon(HWND owner, UINT id, UINT callbackMessage, HICON icon, std::wstring hint)
    : owner_(owner), id_(id), callbackMessage_(callbackMessage), icon_(icon), hint_(std::move(hint)) {
  Show();
}

TrayIcon::~TrayIcon() { Remove(); }

NOTIFYICONDATAW TrayIcon::Data(UINT flags) const {
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof(data);
  data.hWnd = owner_;
  data.uID = id_;
  data.uFlags = flags;
  data.uCallbackMessage = callbackMessage_;
  data.hIcon = icon_;
  hint_.copy(data.szTip, std::size(data.szTip) - 1);  // the rest stays zero
  return data;
}

bool TrayIcon::Show() {
  NOTIFYICONDATAW data = Data(NIF_MESSAGE | NIF_ICON | NIF_TIP);
  // After a restart of Explorer the icon is gone; when it is still there (the shell
  // kept it), it is brought up to date instead.
  shown_ = Shell_NotifyIconW(NIM_ADD, &data) || Shell_NotifyIconW(NIM_MODIFY, &data);
  return shown_;
}

void TrayIcon::Remove() {
  if (!shown_) return;
  NOTIFYICONDATAW data = Data(0);
  Shell_NotifyIconW(NIM_DELETE, &data);
  shown_ = false;
}

UINT TrayIcon::TaskbarCreatedMessage() {
  static const UINT message = RegisterWindowMessageW(L"TaskbarCreated");
  return message;
}

}  // namespace win32
