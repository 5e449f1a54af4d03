#include "win32/testing/window_list.h"

#include <cstdio>

#include "win32/utf.h"

namespace win32::testing {

namespace {

std::string TextOf(HWND hwnd) {
  wchar_t buffer[1024];
  // Cross-process windows: InternalGetWindowText needs no message round trip.
  const int length = InternalGetWindowText(hwnd, buffer, static_cast<int>(std::size(buffer)));
  return Narrow(std::wstring_view(buffer, length > 0 ? static_cast<std::size_t>(length) : 0));
}

std::string ClassOf(HWND hwnd) {
  wchar_t buffer[256];
  const int length = GetClassNameW(hwnd, buffer, static_cast<int>(std::size(buffer)));
  return Narrow(std::wstring_view(buffer, length > 0 ? static_cast<std::size_t>(length) : 0));
}

}  // namespace

std::vector<WindowInfo> TopLevelWindows(DWORD processId, bool visibleOnly) {
  struct Query {
    DWORD processId;
    bool visibleOnly;
    std::vector<WindowInfo> found;
  } query{processId, visibleOnly, {}};
  EnumWindows(
      [](HWND hwnd, LPARAM param) -> BOOL {
        auto& q = *reinterpret_cast<Query*>(param);
        WindowInfo info;
        info.hwnd = hwnd;
        GetWindowThreadProcessId(hwnd, &info.processId);
        info.visible = IsWindowVisible(hwnd) != FALSE;
        if ((q.processId && info.processId != q.processId) || (q.visibleOnly && !info.visible)) return TRUE;
        info.className = ClassOf(hwnd);
        info.title = TextOf(hwnd);
        GetWindowRect(hwnd, &info.rect);
        q.found.push_back(std::move(info));
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&query));
  return query.found;
}

std::string WindowTexts(HWND hwnd) {
  std::string texts = TextOf(hwnd);
  EnumChildWindows(
      hwnd,
      [](HWND child, LPARAM param) -> BOOL {
        auto& out = *reinterpret_cast<std::string*>(param);
        const std::string text = TextOf(child);
        if (!text.empty() && IsWindowVisible(child)) out += " | " + text;
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&texts));
  return texts;
}

std::string Describe(const WindowInfo& w) {
  char line[160];
  std::snprintf(line, sizeof(line), "%p pid %lu rect (%ld,%ld)-(%ld,%ld) %s ", static_cast<void*>(w.hwnd),
                static_cast<unsigned long>(w.processId), w.rect.left, w.rect.top, w.rect.right, w.rect.bottom,
                w.visible ? "visible" : "hidden");
  return line + ("class \"" + w.className + "\" title \"" + w.title + "\"");
}

bool PumpMessagesUntil(const std::function<bool()>& done, DWORD timeoutMs) {
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  for (;;) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    if (done()) return true;
    if (GetTickCount64() >= deadline) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
}

}  // namespace win32::testing
