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

// The window text as a window-text request returns it, however long; nothing when the
// window does not answer (it closed or hangs).
std::optional<std::string> RequestWindowText(HWND window) {
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kAnswerMs, &length)) return std::nullopt;
  for (int attempt = 0; attempt < 3; ++attempt) {
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG,
                             kAnswerMs, &copied)) {
      return std::nullopt;
    }
    text.resize(std::min<std::size_t>(copied, length));
    if (copied < length) return win32::Narrow(text);
    // The buffer is full: the text is whole unless it grew since its length was asked.
    DWORD_PTR now = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kAnswerMs, &now)) return std::nullopt;
    if (now <= length) return win32::Narrow(text);
    length = now;
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
  return GetWindowTextLengthW(window) > 0 && (HasClass(window, L"CabinetWClass") || HasClass(window, L"ExploreWClass"));
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
