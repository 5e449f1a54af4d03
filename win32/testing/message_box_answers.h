// Answers the message boxes a tested flow shows, in turn, as a user would, and keeps
// what each one said. Boxes beyond the answers given are left to the watchdog, which
// fails the test with their text.
#pragma once

#include <windows.h>

#include <mutex>
#include <set>
#include <string>
#include <vector>

#include "win32/testing/window_watchdog.h"

namespace win32::testing {

class MessageBoxAnswers {
 public:
  // `buttons`: the button pressed on the first box, the second box...
  explicit MessageBoxAnswers(std::vector<int> buttons);

  struct Box {
    std::string title;
    std::string text;  // the message itself
    bool ok = false, cancel = false, yes = false, no = false;  // the buttons it has
  };
  std::vector<Box> Boxes();

 private:
  bool Answer(HWND box);

  std::mutex mutex_;
  std::vector<int> buttons_;
  std::vector<Box> boxes_;
  std::set<HWND> answered_;
  ExpectDialog expect_;  // last: the handler must not outlive the members it uses
};

}  // namespace win32::testing
