// Keeps GUI tests from hanging on a dialog nobody expected. A thread looks at this
// process's dialogs and message boxes; one that no test claimed for itself is read,
// reported as a test failure with its texts, and dismissed, so the test goes on and
// fails with the dialog's message instead of blocking until the timeout.
#pragma once

#include <windows.h>

#include <atomic>
#include <functional>
#include <list>
#include <map>
#include <mutex>
#include <string>
#include <thread>

namespace win32::testing {

// Called on the watchdog thread for every visible dialog of the process; returns true
// when it has dealt with the dialog (pressed a button, for example).
using DialogHandler = std::function<bool(HWND dialog)>;

class WindowWatchdog {
 public:
  WindowWatchdog();
  ~WindowWatchdog();
  WindowWatchdog(const WindowWatchdog&) = delete;
  WindowWatchdog& operator=(const WindowWatchdog&) = delete;

  // The watchdog of the running test program (null when none runs).
  static WindowWatchdog* Current();

  // Registers a handler; the returned id removes it again.
  int AddHandler(DialogHandler handler);
  void RemoveHandler(int id);

 private:
  void Run();
  bool Offer(HWND dialog);

  std::mutex mutex_;
  std::map<int, DialogHandler> handlers_;
  int nextId_ = 1;
  std::map<HWND, ULONGLONG> firstSeen_;
  std::atomic<bool> stop_{false};
  std::thread thread_;
};

// While alive, dialogs for which `handler` returns true count as expected.
class ExpectDialog {
 public:
  explicit ExpectDialog(DialogHandler handler);
  ~ExpectDialog();
  ExpectDialog(const ExpectDialog&) = delete;
  ExpectDialog& operator=(const ExpectDialog&) = delete;

 private:
  int id_ = 0;
};

// Presses a dialog's button as a user would (the dialog's own thread handles it).
void PressDialogButton(HWND dialog, int buttonId);

}  // namespace win32::testing
