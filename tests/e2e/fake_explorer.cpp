// fake_explorer: Explorer windows for whole-program tests and benchmarks (Wine has no
// window of class "CabinetWClass").
//   fake_explorer CLASS COUNT TITLE [FOLDER]
// Makes COUNT top-level windows of class CLASS titled TITLE (numbered " 1", " 2"... when
// COUNT > 1), each with an address bar showing FOLDER when given, and runs until every
// one of them is closed.
#include <windows.h>

#include <cstdio>
#include <memory>
#include <vector>

#include "common/argument_text.h"
#include "marlovin/explorer/testing/fake_explorer_window.h"
#include "win32/utf.h"

int wmain() {
  const auto args = common::SplitCommandLine(win32::Narrow(GetCommandLineW()));
  if (args.size() < 4) {
    std::fputs("usage: fake_explorer CLASS COUNT TITLE [FOLDER]\n", stderr);
    return 2;
  }
  const int count = std::atoi(args[2].c_str());
  std::vector<std::unique_ptr<marlovin::testing::FakeExplorerWindow>> windows;
  for (int i = 1; i <= count; ++i) {
    marlovin::testing::FakeExplorerSpec spec{.className = win32::Widen(args[1]), .title = win32::Widen(args[3])};
    if (count > 1) spec.title += L" " + std::to_wstring(i);
    if (args.size() > 4) spec.addressBars.push_back(win32::Widen(args[4]));
    windows.push_back(std::make_unique<marlovin::testing::FakeExplorerWindow>(spec));
  }
  const auto anyOpen = [&windows] {
    for (const auto& window : windows) {
      if (IsWindow(window->Handle())) return true;
    }
    return false;
  };
  MSG message;
  while (anyOpen() && GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
