#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "win32/controls/gradient_panel.h"
#include "win32/controls/image_button.h"
#include "win32/testing/window_list.h"

namespace win32 {
namespace {

// A top-level window that records the commands its controls send.
class Host : public Window {
 public:
  Host() {
    Create({.name = L"SuiteTest.ControlHost"},
           {.style = WS_POPUP | WS_VISIBLE, .title = L"host", .x = 100, .y = 100, .width = 300, .height = 200});
  }
  std::vector<int> clicks;

 protected:
  bool OnCommand(int id, int code, HWND) override {
    if (code == BN_CLICKED) clicks.push_back(id);
    return true;
  }
};

LPARAM At(int x, int y) { return MAKELPARAM(x, y); }

TEST(ImageButton, AClickIsAPressAndAReleaseOnTheButton) {
  Host host;
  std::vector<ButtonState> painted;
  ImageButton button(host.Handle(), 7, {10, 10, 42, 42}, [&](HDC, const RECT&, ButtonState s) { painted.push_back(s); });

  SendMessageW(button.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
  EXPECT_EQ(button.State(), ButtonState::Pressed);
  SendMessageW(button.Handle(), WM_LBUTTONUP, 0, At(5, 5));
  EXPECT_EQ(host.clicks, std::vector<int>{7});

  // Released away from the button: no click.
  SendMessageW(button.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
  SendMessageW(button.Handle(), WM_MOUSEMOVE, MK_LBUTTON, At(200, 5));
  EXPECT_EQ(button.State(), ButtonState::Normal);
  SendMessageW(button.Handle(), WM_LBUTTONUP, 0, At(200, 5));
  EXPECT_EQ(host.clicks.size(), 1u);

  button.SetEnabled(false);
  UpdateWindow(button.Handle());
  ASSERT_FALSE(painted.empty());
  EXPECT_EQ(painted.back(), ButtonState::Disabled);
}

TEST(GradientPanel, PassesItsChildrensCommandsToItsParentAndKeepsLabels) {
  Host host;
  GradientPanel panel(host.Handle(), 1, {0, 0, 300, 25}, {});
  ImageButton close(panel.Handle(), 9, {270, 2, 290, 22}, CaptionButtonPainter(CaptionGlyph::Close, RGB(221, 221, 221)));
  SendMessageW(close.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, At(3, 3));
  SendMessageW(close.Handle(), WM_LBUTTONUP, 0, At(3, 3));
  EXPECT_EQ(host.clicks, std::vector<int>{9});

  panel.AddLabel({.id = 3, .bounds = {4, 0, 200, 25}, .text = L"Status: Save as..."});
  panel.SetLabelText(3, L"Status: Done && ready...");
  ASSERT_NE(panel.LabelText(3), nullptr);
  EXPECT_EQ(*panel.LabelText(3), L"Status: Done && ready...");
  EXPECT_EQ(panel.LabelText(4), nullptr);
}

TEST(GradientPanel, DraggingACaptionPanelMovesItsWindow) {
  Host host;
  GradientPanel panel(host.Handle(), 1, {0, 0, 300, 25}, {.dragsWindow = true});
  SetForegroundWindow(host.Handle());
  RECT before;
  GetWindowRect(host.Handle(), &before);

  const auto input = [](DWORD flags, int x, int y) {
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dx = x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
    in.mi.dy = y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
    in.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
    SendInput(1, &in, sizeof(in));
    Sleep(50);
  };
  // The move loop runs inside this thread's message handling, so a second thread plays
  // the user's hand: press on the panel, move 40 right and 20 down, release.
  std::thread hand([&] {
    input(0, before.left + 50, before.top + 10);
    input(MOUSEEVENTF_LEFTDOWN, before.left + 50, before.top + 10);
    for (int step = 1; step <= 4; ++step) input(0, before.left + 50 + step * 10, before.top + 10 + step * 5);
    input(MOUSEEVENTF_LEFTUP, before.left + 90, before.top + 30);
  });
  RECT after{};
  testing::PumpMessagesUntil(
      [&] {
        GetWindowRect(host.Handle(), &after);
        return after.left == before.left + 40 && after.top == before.top + 20;
      },
      3000);
  hand.join();
  EXPECT_EQ(after.left - before.left, 40);
  EXPECT_EQ(after.top - before.top, 20);
}

}  // namespace
}  // namespace win32
