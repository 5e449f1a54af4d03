#include "win32/controls/spin_edit.h"

#include <gtest/gtest.h>

#include <string>

#include "win32/window.h"

namespace win32 {
namespace {

// A window that hands its number field's changes to the field, as a form does.
class SpinHost : public Window {
 public:
  SpinHost() {
    Create({.name = L"SuiteTest.SpinHost"},
           {.style = WS_POPUP | WS_VISIBLE, .title = L"spin host", .x = 100, .y = 100, .width = 200, .height = 100});
  }
  SpinEdit* spin = nullptr;
  int changes = 0;

 protected:
  bool OnCommand(int id, int code, HWND) override {
    if (spin && id == spin->Id() && code == EN_CHANGE) {
      ++changes;
      spin->TakeText();
    }
    return true;
  }
};

std::wstring Text(HWND window) {
  wchar_t text[32] = {};
  GetWindowTextW(window, text, 32);
  return text;
}

TEST(SpinEdit, NeverHoldsAValueOutsideItsRange) {
  SpinHost host;
  SpinEdit spin(host.Handle(), 7, {10, 10, 90, 31}, 1, 5, 9);
  host.spin = &spin;
  EXPECT_EQ(spin.Value(), 5) << "a start value beyond the range holds the bound";
  EXPECT_EQ(Text(spin.Edit()), L"5");

  SetWindowTextW(spin.Edit(), L"3");
  EXPECT_EQ(spin.Value(), 3);
  SetWindowTextW(spin.Edit(), L"40");  // typed beyond the top
  EXPECT_EQ(spin.Value(), 5);
  EXPECT_EQ(Text(spin.Edit()), L"5");
  SetWindowTextW(spin.Edit(), L"0");  // below the bottom
  EXPECT_EQ(spin.Value(), 1);
  EXPECT_EQ(Text(spin.Edit()), L"1");

  SetWindowTextW(spin.Edit(), L"");  // emptied while typing: the value stays
  EXPECT_EQ(spin.Value(), 1);
  EXPECT_EQ(Text(spin.Edit()), L"");
  spin.ShowValue();
  EXPECT_EQ(Text(spin.Edit()), L"1");

  SendMessageW(spin.Edit(), EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(L"123456"));
  EXPECT_LE(Text(spin.Edit()).size(), 5u) << "at most five characters are typed";
}

TEST(SpinEdit, TheArrowKeysStepWithinTheRange) {
  SpinHost host;
  SpinEdit spin(host.Handle(), 7, {10, 10, 90, 31}, 0, 2, 1);
  host.spin = &spin;
  SendMessageW(spin.Edit(), WM_KEYDOWN, VK_UP, 0);
  EXPECT_EQ(spin.Value(), 2);
  EXPECT_GT(host.changes, 0) << "the arrows change the field, which notifies its parent";
  SendMessageW(spin.Edit(), WM_KEYDOWN, VK_UP, 0);
  EXPECT_EQ(spin.Value(), 2);
  spin.SetValue(-3);
  EXPECT_EQ(spin.Value(), 0);
  EXPECT_EQ(Text(spin.Edit()), L"0");
}

}  // namespace
}  // namespace win32
