// probe: what a test or a person debugging under Wine needs to see from outside.
//   probe windows [--all] [--text]        top-level windows: handle, process, class, title, rectangle
//   probe wait-window CLASS [TIMEOUT_MS]  waits for a visible window of that class, prints it
//   probe workarea                        the desktop work area: left top right bottom
//   probe reg-read ROOT\KEY VALUE         type and data of a registry value (ROOT: HKCU or HKLM)
//   probe post CLASS|0xHWND MESSAGE [WPARAM [LPARAM]]   posts a message (numbers in C notation)
//   probe close CLASS                     posts WM_CLOSE to every visible window of that class
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

#include "win32/registry.h"
#include "win32/testing/window_list.h"
#include "win32/utf.h"

namespace {

using win32::testing::TopLevelWindows;

int Usage() {
  std::fputs(
      "usage: probe windows [--all] [--text] | wait-window CLASS [TIMEOUT_MS] | workarea |\n"
      "       reg-read ROOT\\KEY VALUE | post CLASS|0xHWND MESSAGE [WPARAM [LPARAM]] | close CLASS\n",
      stderr);
  return 2;
}

unsigned long long Number(const std::wstring& text) { return std::wcstoull(text.c_str(), nullptr, 0); }

int ListWindows(const std::vector<std::wstring>& args) {
  bool all = false, text = false;
  for (const auto& a : args) all |= a == L"--all", text |= a == L"--text";
  for (const auto& window : TopLevelWindows(0, !all)) {
    std::printf("%s\n", win32::testing::Describe(window).c_str());
    if (text) std::printf("    text: %s\n", win32::testing::WindowTexts(window.hwnd).c_str());
  }
  return 0;
}

int WaitWindow(const std::wstring& className, DWORD timeoutMs) {
  const std::string wanted = win32::Narrow(className);
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  do {
    for (const auto& window : TopLevelWindows()) {
      if (window.className == wanted) {
        std::printf("%s\n", win32::testing::Describe(window).c_str());
        return 0;
      }
    }
    Sleep(50);
  } while (GetTickCount64() < deadline);
  std::fprintf(stderr, "no window of class \"%s\" within %lu ms\n", wanted.c_str(), static_cast<unsigned long>(timeoutMs));
  return 1;
}

int WorkArea() {
  RECT area{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
  std::printf("%ld %ld %ld %ld\n", area.left, area.top, area.right, area.bottom);
  return 0;
}

int RegRead(const std::wstring& path, const std::wstring& valueName) {
  const std::size_t slash = path.find(L'\\');
  const std::wstring rootName = path.substr(0, slash);
  const HKEY root = rootName == L"HKLM" || rootName == L"HKEY_LOCAL_MACHINE" ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
  win32::RegistryValue value;
  if (slash == std::wstring::npos || !win32::QueryRegistryValue(root, path.substr(slash + 1), valueName, value)) {
    std::fprintf(stderr, "no such value\n");
    return 1;
  }
  std::printf("type %lu:", static_cast<unsigned long>(value.type));
  if (value.type == REG_SZ || value.type == REG_EXPAND_SZ) {
    std::wstring text(reinterpret_cast<const wchar_t*>(value.data.data()), value.data.size() / sizeof(wchar_t));
    while (!text.empty() && text.back() == L'\0') text.pop_back();
    std::printf(" \"%s\"\n", win32::Narrow(text).c_str());
  } else {
    for (const BYTE b : value.data) std::printf(" %02X", b);
    std::printf("\n");
  }
  return 0;
}

std::vector<HWND> Targets(const std::wstring& target) {
  if (target.starts_with(L"0x")) return {reinterpret_cast<HWND>(Number(target))};
  std::vector<HWND> found;
  for (const auto& window : TopLevelWindows()) {
    if (window.className == win32::Narrow(target)) found.push_back(window.hwnd);
  }
  return found;
}

int Post(const std::wstring& target, UINT message, WPARAM wParam, LPARAM lParam) {
  const auto windows = Targets(target);
  for (HWND hwnd : windows) PostMessageW(hwnd, message, wParam, lParam);
  return windows.empty() ? 1 : 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const std::vector<std::wstring> args(argv + 1, argv + argc);
  if (args.empty()) return Usage();
  const std::wstring& command = args[0];
  const auto arg = [&](std::size_t i) { return i < args.size() ? args[i] : std::wstring(); };
  if (command == L"windows") return ListWindows(args);
  if (command == L"wait-window" && args.size() >= 2) {
    return WaitWindow(args[1], args.size() > 2 ? static_cast<DWORD>(Number(args[2])) : 10000);
  }
  if (command == L"workarea") return WorkArea();
  if (command == L"reg-read" && args.size() == 3) return RegRead(args[1], args[2]);
  if (command == L"post" && args.size() >= 3) {
    return Post(args[1], static_cast<UINT>(Number(args[2])), static_cast<WPARAM>(Number(arg(3))),
                static_cast<LPARAM>(Number(arg(4))));
  }
  if (command == L"close" && args.size() == 2) return Post(args[1], WM_CLOSE, 0, 0);
  return Usage();
}
