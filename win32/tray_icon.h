// An icon in the notification area (tray) that belongs to a window: mouse actions on it
// reach the window as `callbackMessage` (wParam: the icon id, lParam: the mouse message).
// The icon is added when the object is made and removed when it goes; when Explorer
// restarts it announces "TaskbarCreated", and the owner calls Show again.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <string>

namespace win32 {

class TrayIcon {
 public:
  TrayIcon(HWND owner, UINT id, UINT callbackMessage, HICON icon, std::wstring hint);
  ~TrayIcon();
  TrayIcon(const TrayIcon&) = delete;
  TrayIcon& operator=(const TrayIcon&) = delete;

  // Adds the icon to the tray (again); true when the shell took it.
  bool Show();
  void Remove();

  // The message Explorer broadcasts when its taskbar has been made anew.
  static UINT TaskbarCreatedMessage();

 private:
  NOTIFYICONDATAW Data(UINT flags) const;

  HWND owner_;
  UINT id_;
  UINT callbackMessage_;
  HICON icon_;
  std::wstring hint_;
  bool shown_ = false;
};

}  // namespace win32
