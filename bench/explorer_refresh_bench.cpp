// Refreshing the side bar's Explorer lists with 50 Explorer windows open, timed under
// Wine. The windows live in a second process, as Explorer's do, so every address-bar
// text crosses a process boundary. The reference, timed in turns in the same run, is the
// least any discovery must do: enumerate the top-level windows with their class names
// and ask each Explorer window's address bar for its text once. Goal: under 10 ms.
//   explorer_refresh_bench            runs the benchmark
//   explorer_refresh_bench --host N   (internal) shows N fake Explorer windows until closed
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cwchar>
#include <memory>
#include <string>
#include <vector>

#include "marlovin/explorer/explorer_windows.h"
#include "marlovin/explorer/testing/fake_explorer_window.h"
#include "win32/handles.h"
#include "win32/shell_paths.h"

namespace {

constexpr int kWindows = 50;
constexpr int kRounds = 200;
constexpr double kGoalMs = 10.0;

using Clock = std::chrono::steady_clock;
double Milliseconds(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

int Host(int count) {
  std::vector<std::unique_ptr<marlovin::testing::FakeExplorerWindow>> windows;
  for (int i = 0; i < count; ++i) {
    windows.push_back(std::make_unique<marlovin::testing::FakeExplorerWindow>(marlovin::testing::FakeExplorerSpec{
        .title = L"Folder " + std::to_wstring(i),
        .addressBars = {L"C:\\Users\\someone\\Documents\\Projects\\Folder number " + std::to_wstring(i)}}));
  }
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
  return 0;
}

int CountCabinets() {
  int count = 0;
  EnumWindows(
      [](HWND window, LPARAM param) -> BOOL {
        wchar_t name[64];
        if (GetClassNameW(window, name, 64) && std::wcscmp(name, L"CabinetWClass") == 0) ++*reinterpret_cast<int*>(param);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&count));
  return count;
}

// The reference: top-level windows with their class names, one text request per
// Explorer window's address bar (found directly by class).
std::size_t Reference() {
  std::vector<HWND> cabinets;
  EnumWindows(
      [](HWND window, LPARAM param) -> BOOL {
        wchar_t name[64];
        if (GetClassNameW(window, name, 64) && std::wcscmp(name, L"CabinetWClass") == 0) {
          reinterpret_cast<std::vector<HWND>*>(param)->push_back(window);
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&cabinets));
  std::size_t texts = 0;
  for (const HWND cabinet : cabinets) {
    const HWND band = FindWindowExW(cabinet, nullptr, nullptr, nullptr);
    const HWND bar = FindWindowExW(band, nullptr, L"ComboBoxEx32", nullptr);
    wchar_t text[500];
    texts += SendMessageW(bar, WM_GETTEXT, 500, reinterpret_cast<LPARAM>(text)) > 0;
  }
  return texts;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc == 3 && std::wcscmp(argv[1], L"--host") == 0) return Host(std::stoi(argv[2]));

  std::wstring commandLine = L"\"" + win32::ModuleFilePath() + L"\" --host " + std::to_wstring(kWindows);
  STARTUPINFOW startup{sizeof(startup)};
  PROCESS_INFORMATION info{};
  if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) {
    std::fprintf(stderr, "cannot start the window host\n");
    return 1;
  }
  const win32::UniqueHandle host(info.hProcess);
  CloseHandle(info.hThread);
  const ULONGLONG deadline = GetTickCount64() + 30000;
  while (CountCabinets() < kWindows && GetTickCount64() < deadline) Sleep(50);
  if (CountCabinets() != kWindows) {
    std::fprintf(stderr, "the host did not show %d Explorer windows\n", kWindows);
    TerminateProcess(host.get(), 1);
    return 1;
  }

  marlovin::enumerate_explorers::ExplorerLists lists;
  std::vector<double> windows, folders, reference;
  std::size_t referenceTexts = 0;
  for (int round = 0; round < kRounds; ++round) {
    auto start = Clock::now();
    marlovin::enumerate_explorers::RefreshExplorerWindows(lists);
    windows.push_back(Milliseconds(Clock::now() - start));
    start = Clock::now();
    marlovin::enumerate_explorers::RefreshExplorerFolderList(lists);
    folders.push_back(Milliseconds(Clock::now() - start));
    start = Clock::now();
    referenceTexts = Reference();
    reference.push_back(Milliseconds(Clock::now() - start));
  }
  TerminateProcess(host.get(), 0);

  const bool complete = lists.ExplorerWindowList.size() == kWindows && lists.ExplorerFolderList.size() == kWindows &&
                        referenceTexts == kWindows;
  std::printf("%d Explorer windows in another process, %d rounds (all found: %s)\n", kWindows, kRounds,
              complete ? "yes" : "NO");
  std::printf("RefreshExplorerWindows:    median %.2f ms\n", Median(windows));
  std::printf("RefreshExplorerFolderList: median %.2f ms\n", Median(folders));
  std::printf("reference:                 median %.2f ms\n", Median(reference));
  std::printf("RefreshExplorerWindows / reference: %.2f\n", Median(windows) / Median(reference));
  const double ofGoal = Median(windows) / kGoalMs;
  std::printf("RefreshExplorerWindows / 10 ms goal: %.2f %s\n", ofGoal, ofGoal < 1.0 && complete ? "met" : "NOT MET");
  return 0;
}
