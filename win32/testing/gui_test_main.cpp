// main() of the test programs that open real windows: GoogleTest with the window
// watchdog running for the whole run.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "win32/application.h"
#include "win32/testing/window_watchdog.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleMock(&argc, argv);
  win32::InitApplication(L"Suite test");
  win32::testing::WindowWatchdog watchdog;
  return RUN_ALL_TESTS();
}
