// The open Explorer windows and the folder each one shows, read from the text of its
// address bar. Explorer windows are the top-level windows of class "CabinetWClass" or
// "ExploreWClass" (exactly) with a title; their address bars are the descendants of
// class "ComboBoxEx32". The lists describe the windows as they were at the last refresh,
// so every user refreshes right before reading.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace marlovin::enumerate_explorers {

struct TExplorerWindow {
  std::string FolderText;   // the address-bar text (empty until an address bar is found)
  HWND AddressBar = nullptr;
  RECT AddressBarRect{};    // client rectangle of the address bar
};

struct ExplorerLists {
  // The address-bar texts, in discovery order, duplicates kept.
  std::vector<std::string> ExplorerFolderList;
  // The Explorer windows, in discovery order.
  std::vector<HWND> ExplorerWindowList;
  // One record per entry of ExplorerWindowList, same order.
  std::vector<TExplorerWindow> ExplorerWindowRecords;
};

bool IsExplorerWindow(HWND window);

// Refills ExplorerFolderList only.
void RefreshExplorerFolderList(ExplorerLists& lists);
// Refills all three lists; a later address bar of a window overwrites an earlier one in
// its record.
void RefreshExplorerWindows(ExplorerLists& lists);

// The side bar's shared lists: created when its window is created, released when it
// closes. The operations below create them when they are missing.
void CreateExplorerLists();
void FreeExplorerLists();
// The shared ExplorerFolderList itself; do not hold on to its contents across a refresh.
std::vector<std::string>& GetExplorerFolderList();
const ExplorerLists& GetExplorerLists();
void RefreshExplorerFolderList();
void RefreshExplorerWindows();

}  // namespace marlovin::enumerate_explorers
