#include "win32/application.h"

#include <stdexcept>

#include <gtest/gtest.h>

#include "win32/testing/window_list.h"
#include "win32/testing/window_watchdog.h"
#include "win32/utf.h"
#include "win32/window.h"

namespace win32 {
namespace {

TEST(ErrorBoxText, AddsAFullStopUnlessThereIsOne) {
  // Only a last character that sorts after "." gets one ("?" does; a quote, "," and "!" do not).
  const struct { const char* message; const wchar_t* shown; } cases[] = {
      {"Cannot open C:\\x.ini", L"Cannot open C:\\x.ini."},
      {"Cannot open \"C:\\x.ini\"", L"Cannot open \"C:\\x.ini\""},
      {"Done.", L"Done."},
      {"Really?", L"Really?."},
      {"List ends with ,", L"List ends with ,"},
      {"Stop!", L"Stop!"},
      {"", L""},
  };
  for (const auto& c : cases) EXPECT_EQ(ErrorBoxText(c.message), c.shown) << c.message;
}

// A window whose command handler fails, as an event handler of a program can.
class FailingWindow : public Window {
 public:
  FailingWindow() { Create({.name = L"SuiteTest.FailingWindow"}, {.style = WS_OVERLAPPED, .title = L"failing"}); }

 protected:
  bool OnCommand(int, int, HWND) override { throw std::runtime_error("Cannot read C:\\data\\list.txt"); }
};

TEST(StandardErrorBox, ShowsAnEscapedExceptionAndTheProgramGoesOn) {
  FailingWindow window;
  std::string seen;
  testing::ExpectDialog answer([&](HWND dialog) {
    seen = testing::WindowTexts(dialog);
    testing::PressDialogButton(dialog, IDOK);
    return true;
  });
  SendMessageW(window.Handle(), WM_COMMAND, 1, 0);  // returns once the box is closed
  EXPECT_EQ(seen, Narrow(ApplicationTitle()) + " | OK | Cannot read C:\\data\\list.txt.")
      << "caption, button and message of the box";
  EXPECT_TRUE(IsWindow(window.Handle()));
}

}  // namespace
}  // namespace win32
