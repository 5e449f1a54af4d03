#include "marlovin/explorer/explorer_windows.h"

#include <algorithm>
#include <cwchar>
#include <memory>
#include <optional>

#include "win32/utf.h"

namespace marlovin::enumerate_explorers {

namespace {

// How long a window may take to answer a text request. A window that does not answer in
// time (a hung Explorer) contributes no folder text instead of freezing the side bar.
constexpr UINT kAnswerMs = 2000;

std::unique_ptr<ExplorerLists> g_lists;  // the side bar's shared lists

bool HasClass(HWND window, const wchar_t* name) {
  wchar_t className[256];
  return GetClassNameW(window, className, 256) > 0 && std::wcscmp(className, name) == 0;
}

// Room for the text of a first window-text request: enough for almost every path, so
// that one request (one round trip to the window's process) usually does.
constexpr std::size_t kFirstRequestChars = 1024;

// The window text as a window-text request returns it, however long; nothing when the
// window does not answer (it closed or hangs).
std::optional<std::string> RequestWindowText(HWND window) {
  std::wstring text(kFirstRequestChars, L'\0');
  for (int attempt = 0; attempt < 4; ++attempt) {
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG,
                             kAnswerMs, &copied)) {
      return std::nullopt;
    }
    copied = std::min<DWORD_PTR>(copied, text.size() - 1);
    if (copied + 1 < text.size()) return win32::Narrow(std::wstring_view(text.data(), copied));
    // The buffer is full: the text is whole only if it is exactly that long.
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kAnswerMs, &length)) return std::nullopt;
    if (length <= copied) return win32::Narrow(std::wstring_view(text.data(), copied));
    text.assign(length + 1, L'\0');
  }
  return std::nullopt;
}

struct AddressBar {
  HWND window;
  std::string text;
};

// The address bars among the window's descendants, in the order the system reports them.
std::vector<AddressBar> AddressBarsOf(HWND explorer) {
  std::vector<AddressBar> bars;
  EnumChildWindows(
      explorer,
      [](HWND child, LPARAM param) -> BOOL {
        if (HasClass(child, L"ComboBoxEx32")) {
          if (auto text = RequestWindowText(child)) {
            reinterpret_cast<std::vector<AddressBar>*>(param)->push_back({child, std::move(*text)});
          }
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&bars));
  return bars;
}

std::vector<HWND> ExplorerWindows() {
  std::vector<HWND> windows;
  EnumWindows(
      [](HWND window, LPARAM param) -> BOOL {
        if (IsExplorerWindow(window)) reinterpret_cast<std::vector<HWND>*>(param)->push_back(window);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&windows));
  return windows;
}

ExplorerLists& SharedLists() {
  if (!g_lists) g_lists = std::make_unique<ExplorerLists>();
  return *g_lists;
}

}  // namespace

bool IsExplorerWindow(HWND window) {
  wchar_t className[16];  // room for the two class names and one more character
  const int length = GetClassNameW(window, className, 16);
  if (length == 0 || (std::wcscmp(className, L"CabinetWClass") != 0 && std::wcscmp(className, L"ExploreWClass") != 0)) {
    return false;
  }
  return GetWindowTextLengthW(window) > 0;
}

void RefreshExplorerFolderList(ExplorerLists& lists) {
  lists.ExplorerFolderList.clear();
  for (const HWND window : ExplorerWindows()) {
    for (auto& bar : AddressBarsOf(window)) lists.ExplorerFolderList.push_back(std::move(bar.text));
  }
}

void RefreshExplorerWindows(ExplorerLists& lists) {
  lists.ExplorerWindowList.clear();
  lists.ExplorerWindowRecords.clear();
  lists.ExplorerFolderList.clear();
  for (const HWND window : ExplorerWindows()) {
    lists.ExplorerWindowList.push_back(window);
    TExplorerWindow& record = lists.ExplorerWindowRecords.emplace_back();
    for (auto& bar : AddressBarsOf(window)) {
      lists.ExplorerFolderList.push_back(bar.text);
      record.FolderText = std::move(bar.text);
      record.AddressBar = bar.window;
      GetClientRect(bar.window, &record.AddressBarRect);
    }
  }
}

void CreateExplorerLists() { SharedLists(); }

void FreeExplorerLists() { g_lists.reset(); }

std::vector<std::string>& GetExplorerFolderList() { return SharedLists().ExplorerFolderList; }

const ExplorerLists& GetExplorerLists() { return SharedLists(); }

void RefreshExplorerFolderList() { RefreshExplorerFolderList(SharedLists()); }

void RefreshExplorerWindows() { RefreshExplorerWindows(SharedLists()); }

}  // namespace marlovin::enumerate_explorers
