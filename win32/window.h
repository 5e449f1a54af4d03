// The base of every window of the suite. A static window procedure keeps the object in
// GWLP_USERDATA from WM_NCCREATE on and forwards each message to the virtual OnMessage,
// whose default sends the common messages to typed handlers. An exception escaping a
// handler is shown in the standard error box and the program goes on; one escaping
// window creation is thrown again from Create.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <exception>
#include <string>

namespace win32 {

struct WindowClass {
  const wchar_t* name = nullptr;
  UINT style = CS_DBLCLKS;
  HBRUSH background = nullptr;  // null: the window paints all of its client area
  HICON icon = nullptr;
  HICON smallIcon = nullptr;
  HCURSOR cursor = nullptr;     // null: the arrow
};

struct WindowSpec {
  DWORD exStyle = 0;
  DWORD style = WS_OVERLAPPEDWINDOW;
  std::wstring title;
  int x = CW_USEDEFAULT;
  int y = CW_USEDEFAULT;
  int width = CW_USEDEFAULT;
  int height = CW_USEDEFAULT;
  HWND parent = nullptr;
  UINT_PTR id = 0;  // child windows: the control id
};

class Window {
 public:
  Window() = default;
  virtual ~Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  HWND Handle() const noexcept { return hwnd_; }

  // The object behind a window made by this class, or null.
  static Window* FromHandle(HWND hwnd) noexcept;

 protected:
  // Registers the class (once per process) and creates the window.
  void Create(const WindowClass& windowClass, const WindowSpec& spec);

  virtual LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam);

  // Typed handlers; each returns true when it handled the message.
  virtual bool OnCreate() { return true; }  // false cancels creation
  virtual bool OnCommand(int /*id*/, int /*code*/, HWND /*control*/) { return false; }
  virtual bool OnNotify(const NMHDR& /*header*/, LRESULT& /*result*/) { return false; }
  virtual bool OnDropFiles(HDROP /*drop*/) { return false; }
  virtual bool OnClose() { return false; }  // false: the window is destroyed as usual
  virtual void OnDestroy() {}
  virtual void OnPaint(HDC /*dc*/, const RECT& /*dirty*/) {}  // inside BeginPaint/EndPaint
  virtual void OnSize(int /*width*/, int /*height*/) {}
  virtual bool OnTimer(UINT_PTR /*id*/) { return false; }

 private:
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

  HWND hwnd_ = nullptr;
  bool creating_ = false;
  std::exception_ptr creationError_;
};

}  // namespace win32
