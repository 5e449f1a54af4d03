#include "win32/testing/window_watchdog.h"

#include <gtest/gtest.h>

#include "win32/testing/window_list.h"

namespace win32::testing {

namespace {

constexpr ULONGLONG kGraceMs = 1500;  // time a test has to answer its own dialog
constexpr DWORD kPollMs = 100;

std::atomic<WindowWatchdog*> g_current{nullptr};

bool IsDialog(const WindowInfo& window) { return window.className == "#32770"; }

void Dismiss(HWND dialog) {
  PressDialogButton(dialog, IDCANCEL);
  Sleep(300);
  if (!IsWindow(dialog)) return;
  // No Cancel button (an OK-only or Yes/No box): press the first button it has.
  if (HWND button = FindWindowExW(dialog, nullptr, L"Button", nullptr)) {
    PressDialogButton(dialog, GetDlgCtrlID(button));
    Sleep(300);
  }
  if (IsWindow(dialog)) PostMessageW(dialog, WM_CLOSE, 0, 0);
}

}  // namespace

WindowWatchdog::WindowWatchdog() : thread_([this] { Run(); }) { g_current = this; }

WindowWatchdog::~WindowWatchdog() {
  g_current = nullptr;
  stop_ = true;
  thread_.join();
}

WindowWatchdog* WindowWatchdog::Current() { return g_current; }

int WindowWatchdog::AddHandler(DialogHandler handler) {
  std::lock_guard lock(mutex_);
  handlers_.emplace(nextId_, std::move(handler));
  return nextId_++;
}

void WindowWatchdog::RemoveHandler(int id) {
  std::lock_guard lock(mutex_);
  handlers_.erase(id);
}

bool WindowWatchdog::Offer(HWND dialog) {
  std::lock_guard lock(mutex_);
  for (auto& [id, handler] : handlers_) {
    if (handler(dialog)) return true;
  }
  return false;
}

void WindowWatchdog::Run() {
  while (!stop_) {
    Sleep(kPollMs);
    const ULONGLONG now = GetTickCount64();
    std::map<HWND, ULONGLONG> stillOpen;
    for (const auto& window : TopLevelWindows(GetCurrentProcessId())) {
      if (!IsDialog(window)) continue;
      if (Offer(window.hwnd)) continue;
      const auto seen = firstSeen_.find(window.hwnd);
      const ULONGLONG since = seen == firstSeen_.end() ? now : seen->second;
      if (now - since < kGraceMs) {
        stillOpen[window.hwnd] = since;
        continue;
      }
      ADD_FAILURE() << "An unexpected window was open: " << WindowTexts(window.hwnd);
      Dismiss(window.hwnd);
    }
    firstSeen_ = std::move(stillOpen);
  }
}

ExpectDialog::ExpectDialog(DialogHandler handler) {
  if (auto* watchdog = WindowWatchdog::Current()) id_ = watchdog->AddHandler(std::move(handler));
}

ExpectDialog::~ExpectDialog() {
  if (auto* watchdog = WindowWatchdog::Current(); watchdog && id_) watchdog->RemoveHandler(id_);
}

void PressDialogButton(HWND dialog, int buttonId) {
  PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, buttonId)));
}

}  // namespace win32::testing
