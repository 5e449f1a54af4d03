// Start-up of the side bar under Wine: from starting the staged program to its window
// being shown, median of 5 starts (each one closed before the next). The reference,
// timed in turns in the same run, is a program that does nothing but show one window
// (the tests' fake Explorer), so the ratio is what the side bar adds to a bare start.
//   side_bar_startup_bench
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "win32/handles.h"
#include "win32/shell_paths.h"

namespace {

constexpr int kRuns = 5;
constexpr DWORD kTimeoutMs = 30000;

using Clock = std::chrono::steady_clock;

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

HWND VisibleWindowOf(DWORD processId, const wchar_t* className) {
  struct Search {
    DWORD processId;
    const wchar_t* className;
    HWND found = nullptr;
  } search{processId, className};
  EnumWindows(
      [](HWND window, LPARAM param) -> BOOL {
        auto& s = *reinterpret_cast<Search*>(param);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        wchar_t name[64] = {};
        GetClassNameW(window, name, 64);
        if (owner == s.processId && IsWindowVisible(window) && std::wstring(name) == s.className) {
          s.found = window;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// Milliseconds from CreateProcess to a visible window of the class; the program is then
// closed and waited for. A negative result: it did not show its window.
double TimeStart(const std::wstring& exe, const std::wstring& arguments, const wchar_t* className) {
  std::wstring commandLine = L"\"" + exe + L"\" " + arguments;
  const std::wstring folder = std::filesystem::path(exe).parent_path().wstring();
  STARTUPINFOW startup{sizeof(startup)};
  PROCESS_INFORMATION info{};
  const auto begin = Clock::now();
  if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                      &info)) {
    return -1;
  }
  const win32::UniqueHandle process(info.hProcess);
  const win32::UniqueHandle thread(info.hThread);
  HWND window = nullptr;
  while (!(window = VisibleWindowOf(info.dwProcessId, className))) {
    if (Clock::now() - begin > std::chrono::milliseconds(kTimeoutMs)) break;
    Sleep(1);
  }
  const double elapsed = std::chrono::duration<double, std::milli>(Clock::now() - begin).count();
  if (window) PostMessageW(window, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(process.get(), kTimeoutMs) != WAIT_OBJECT_0) TerminateProcess(process.get(), 1);
  return window ? elapsed : -1;
}

}  // namespace

int wmain() {
  // bench/ sits beside dist/ and tests/ in the build folder.
  const std::filesystem::path build = std::filesystem::path(win32::ModuleFilePath()).parent_path().parent_path();
  const std::wstring bar = (build / "dist" / "marlovin-file-manager.exe").wstring();
  const std::wstring bare = (build / "tests" / "e2e" / "fake_explorer.exe").wstring();

  // Untimed first starts: the side bar seeds its options file, Wine loads its libraries.
  if (TimeStart(bar, L"", L"Marlovin.TFormMain") < 0 || TimeStart(bare, L"Bench 1 Bare", L"Bench") < 0) {
    std::fputs("side_bar_startup_bench: a program did not show its window\n", stderr);
    return 1;
  }
  std::vector<double> barTimes, bareTimes;
  for (int run = 0; run < kRuns; ++run) {
    barTimes.push_back(TimeStart(bar, L"", L"Marlovin.TFormMain"));
    bareTimes.push_back(TimeStart(bare, L"Bench 1 Bare", L"Bench"));
  }
  if (std::ranges::any_of(barTimes, [](double t) { return t < 0; }) ||
      std::ranges::any_of(bareTimes, [](double t) { return t < 0; })) {
    std::fputs("side_bar_startup_bench: a program did not show its window\n", stderr);
    return 1;
  }
  const double barMedian = Median(barTimes);
  const double bareMedian = Median(bareTimes);
  std::printf("side bar start-up to a shown window: median %.0f ms of %d starts (each:", barMedian, kRuns);
  for (double t : barTimes) std::printf(" %.0f", t);
  std::printf(")\nreference, a program that only shows one window: median %.0f ms\n", bareMedian);
  std::printf("ratio side bar / reference: %.2f\n", barMedian / bareMedian);
  return 0;
}
