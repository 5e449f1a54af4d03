#include "marlovin/shell/single_instance.h"

namespace marlovin {

namespace {

constexpr wchar_t kMutexName[] = L"Local\\Corvan.Marlovin.SideBar";
constexpr DWORD kFindWindowWaitMs = 5000;

}  // namespace

UINT ShowRunningBarMessage() {
  static const UINT message = RegisterWindowMessageW(L"Corvan.Marlovin.ShowRunningBar");
  return message;
}

SingleInstanceGuard::SingleInstanceGuard() : mutex_(CreateMutexW(nullptr, FALSE, kMutexName)) {
  // Without a mutex (an odd system) the bar runs rather than refusing to start.
  first_ = !mutex_ || GetLastError() != ERROR_ALREADY_EXISTS;
}

void ActivateRunningBar(const wchar_t* windowClass) {
  const ULONGLONG deadline = GetTickCount64() + kFindWindowWaitMs;
  HWND bar = nullptr;
  while (!(bar = FindWindowW(windowClass, nullptr)) && GetTickCount64() < deadline) Sleep(50);
  if (!bar) return;
  // This process was just started by the user, so it may hand the foreground on.
  AllowSetForegroundWindow(ASFW_ANY);
  PostMessageW(bar, ShowRunningBarMessage(), 0, 0);
  SetForegroundWindow(bar);
}

}  // namespace marlovin
