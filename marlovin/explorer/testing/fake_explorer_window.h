// Stand-ins for Explorer windows in tests: Wine has no window of class "CabinetWClass",
// so tests make their own top-level windows of that (or another) class, with a title and
// optionally an address bar, a "ComboBoxEx32" nested inside a band child as in Explorer.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "win32/handles.h"

namespace marlovin::testing {

struct FakeExplorerSpec {
  std::wstring className = L"CabinetWClass";
  std::wstring title;
  // One address bar per text, in creation order; none when empty.
  std::vector<std::wstring> addressBars;
  RECT rect{100, 100, 700, 500};
};

class FakeExplorerWindow {
 public:
  explicit FakeExplorerWindow(const FakeExplorerSpec& spec);

  HWND Handle() const { return window_.get(); }
  // The address bars, in creation order.
  const std::vector<HWND>& AddressBars() const { return addressBars_; }

 private:
  win32::UniqueHwnd window_;
  std::vector<HWND> addressBars_;  // owned by the window
};

}  // namespace marlovin::testing
