#include "win32/window.h"

#include <stdexcept>

#include <gtest/gtest.h>

namespace win32 {
namespace {

class ProbeWindow : public Window {
 public:
  explicit ProbeWindow(bool failCreation) : failCreation_(failCreation) {
    Create({.name = L"SuiteTest.ProbeWindow"}, {.style = WS_OVERLAPPED, .title = L"probe"});
  }
  int commands = 0;
  int lastId = 0;
  bool destroyed = false;

 protected:
  bool OnCreate() override {
    if (failCreation_) throw std::runtime_error("creation failed on purpose");
    return true;
  }
  bool OnCommand(int id, int, HWND) override {
    ++commands;
    lastId = id;
    return true;
  }
  void OnDestroy() override { destroyed = true; }

 private:
  bool failCreation_;
};

TEST(Window, MessagesReachTheObjectBehindTheHandle) {
  ProbeWindow window(false);
  ASSERT_NE(window.Handle(), nullptr);
  EXPECT_EQ(Window::FromHandle(window.Handle()), &window);
  SendMessageW(window.Handle(), WM_COMMAND, MAKEWPARAM(42, 0), 0);
  EXPECT_EQ(window.commands, 1);
  EXPECT_EQ(window.lastId, 42);
  DestroyWindow(window.Handle());
  EXPECT_TRUE(window.destroyed);
  EXPECT_EQ(window.Handle(), nullptr);
}

TEST(Window, AnExceptionDuringCreationReachesTheCaller) {
  EXPECT_THROW(ProbeWindow(true), std::runtime_error);
  EXPECT_EQ(FindWindowW(L"SuiteTest.ProbeWindow", L"probe"), nullptr);
}

}  // namespace
}  // namespace win32
