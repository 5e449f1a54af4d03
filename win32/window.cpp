#include "win32/window.h"

#include <utility>

#include "win32/application.h"
#include "win32/error.h"
#include "win32/handles.h"
#include "win32/utf.h"

namespace win32 {

namespace {

void RegisterClassOnce(const WindowClass& windowClass, WNDPROC procedure) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof(existing);
  if (GetClassInfoExW(instance, windowClass.name, &existing)) return;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.style = windowClass.style;
  wc.lpfnWndProc = procedure;
  wc.hInstance = instance;
  wc.hIcon = windowClass.icon;
  wc.hIconSm = windowClass.smallIcon;
  wc.hCursor = windowClass.cursor ? windowClass.cursor : LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = windowClass.background;
  wc.lpszClassName = windowClass.name;
  if (!RegisterClassExW(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
    ThrowLastError("Cannot register the window class " + Narrow(windowClass.name));
  }
}

}  // namespace

Window::~Window() {
  if (hwnd_) {
    // Detach first: the messages of the destruction must not reach a half-destroyed object.
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(std::exchange(hwnd_, nullptr));
  }
}

Window* Window::FromHandle(HWND hwnd) noexcept {
  if (!hwnd || GetClassLongPtrW(hwnd, GCLP_WNDPROC) != reinterpret_cast<ULONG_PTR>(&Window::Procedure)) {
    return nullptr;
  }
  return reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

void Window::Create(const WindowClass& windowClass, const WindowSpec& spec) {
  RegisterClassOnce(windowClass, &Window::Procedure);
  creating_ = true;
  creationError_ = nullptr;
  const HWND hwnd = CreateWindowExW(spec.exStyle, windowClass.name, spec.title.c_str(), spec.style, spec.x, spec.y,
                                    spec.width, spec.height, spec.parent, reinterpret_cast<HMENU>(spec.id),
                                    GetModuleHandleW(nullptr), this);
  const DWORD error = GetLastError();
  creating_ = false;
  if (creationError_) std::rethrow_exception(std::exchange(creationError_, nullptr));
  if (!hwnd) {
    ThrowError("Cannot create the window " + Narrow(spec.title.empty() ? windowClass.name : spec.title), error);
  }
}

LRESULT CALLBACK Window::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* created = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    created->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
  }
  auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);

  LRESULT result = 0;
  try {
    result = self->OnMessage(message, wParam, lParam);
  } catch (...) {
    if (self->creating_ && (message == WM_NCCREATE || message == WM_CREATE)) {
      self->creationError_ = std::current_exception();
      result = message == WM_NCCREATE ? FALSE : -1;
    } else {
      ReportCurrentException(hwnd);
      result = 0;
    }
  }
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    self->hwnd_ = nullptr;
  }
  return result;
}

LRESULT Window::DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcW(hwnd_, message, wParam, lParam);
}

LRESULT Window::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      return OnCreate() ? 0 : -1;
    case WM_COMMAND:
      if (OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam))) return 0;
      break;
    case WM_NOTIFY: {
      LRESULT result = 0;
      if (OnNotify(*reinterpret_cast<const NMHDR*>(lParam), result)) return result;
      break;
    }
    case WM_DROPFILES:
      if (OnDropFiles(reinterpret_cast<HDROP>(wParam))) return 0;
      break;
    case WM_CLOSE:
      if (OnClose()) return 0;
      break;
    case WM_DESTROY:
      OnDestroy();
      return 0;
    case WM_PAINT: {
      PaintDc dc(hwnd_);
      OnPaint(dc.get(), dc.Dirty());
      return 0;
    }
    case WM_SIZE:
      OnSize(LOWORD(lParam), HIWORD(lParam));
      return 0;
    case WM_TIMER:
      if (OnTimer(static_cast<UINT_PTR>(wParam))) return 0;
      break;
    default:
      break;
  }
  return DefaultHandling(message, wParam, lParam);
}

}  // namespace win32
