// Explorer discovery and tiling on real windows: the tests make their own windows of
// Explorer's classes (Wine has none) next to windows that must be left alone.
#include "marlovin/explorer/explorer_windows.h"

#include <algorithm>
#include <memory>
#include <sstream>
#include <tuple>

#include <gtest/gtest.h>

#include "marlovin/explorer/explorer_tiling.h"
#include "marlovin/explorer/testing/fake_explorer_window.h"
#include "win32/testing/window_list.h"
#include "win32/utf.h"

namespace marlovin::enumerate_explorers {
namespace {

using marlovin::testing::FakeExplorerSpec;
using marlovin::testing::FakeExplorerWindow;
using Texts = std::vector<std::string>;

class ExplorerWindowsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ExplorerLists before;
    RefreshExplorerWindows(before);
    ASSERT_TRUE(before.ExplorerWindowList.empty()) << "Explorer windows left on the desktop by someone else";
  }

  FakeExplorerWindow& Make(FakeExplorerSpec spec) {
    return *windows_.emplace_back(std::make_unique<FakeExplorerWindow>(spec));
  }

  // The given windows in the order the system enumerates top-level windows.
  static std::vector<HWND> InEnumerationOrder(const std::vector<const FakeExplorerWindow*>& wanted) {
    std::vector<HWND> order;
    for (const auto& window : win32::testing::TopLevelWindows(GetCurrentProcessId(), false)) {
      for (const auto* fake : wanted) {
        if (fake->Handle() == window.hwnd) order.push_back(window.hwnd);
      }
    }
    return order;
  }

  std::vector<std::unique_ptr<FakeExplorerWindow>> windows_;
};

TEST_F(ExplorerWindowsTest, FindsExplorerWindowsByClassAndTitleAndReadsEveryAddressBar) {
  const std::wstring longFolder = L"C:\\" + std::wstring(1500, L'x');
  const auto& cabinet = Make({.title = L"one", .addressBars = {L"C:\\one"}});
  const auto& explore = Make({.className = L"ExploreWClass", .title = L"two", .addressBars = {L"C:\\a b, c"}});
  const auto& noBar = Make({.title = L"no address bar"});
  const auto& sameFolder = Make({.title = L"one again", .addressBars = {L"C:\\one"}});
  const auto& twoBars = Make({.title = L"two bars", .addressBars = {L"C:\\first", L"C:\\second"}});
  const auto& longText = Make({.title = L"long", .addressBars = {longFolder}});
  Make({.className = L"FileDialogLikeWClass", .title = L"Open", .addressBars = {L"C:\\dialog"}});
  Make({.title = L"", .addressBars = {L"C:\\untitled"}});

  ExplorerLists lists;
  RefreshExplorerWindows(lists);

  const std::vector<HWND> order = InEnumerationOrder({&cabinet, &explore, &noBar, &sameFolder, &twoBars, &longText});
  EXPECT_EQ(lists.ExplorerWindowList, order);
  Texts folders;
  for (const HWND window : order) {
    for (const auto& fake : windows_) {
      if (fake->Handle() != window) continue;
      for (const HWND bar : fake->AddressBars()) {
        wchar_t text[2000];
        GetWindowTextW(bar, text, 2000);
        folders.push_back(win32::Narrow(text));
      }
    }
  }
  EXPECT_EQ(lists.ExplorerFolderList, folders);
  EXPECT_EQ(std::count(folders.begin(), folders.end(), "C:\\one"), 2) << "duplicates are kept";
  EXPECT_NE(std::find(folders.begin(), folders.end(), win32::Narrow(longFolder)), folders.end())
      << "an address-bar text of 1503 characters is read whole";

  ASSERT_EQ(lists.ExplorerWindowRecords.size(), order.size());
  for (std::size_t i = 0; i < order.size(); ++i) {
    const TExplorerWindow& record = lists.ExplorerWindowRecords[i];
    if (order[i] == noBar.Handle()) {
      EXPECT_EQ(record.FolderText, "");
      EXPECT_EQ(record.AddressBar, nullptr);
    } else if (order[i] == twoBars.Handle()) {
      EXPECT_EQ(record.FolderText, "C:\\second") << "a later address bar overwrites an earlier one";
      EXPECT_EQ(record.AddressBar, twoBars.AddressBars()[1]);
      EXPECT_EQ(record.AddressBarRect.right - record.AddressBarRect.left, 480);
    } else if (order[i] == explore.Handle()) {
      EXPECT_EQ(record.FolderText, "C:\\a b, c");
      EXPECT_EQ(record.AddressBar, explore.AddressBars()[0]);
    }
  }

  // Refreshing the folder list alone leaves the other two lists as they were.
  lists.ExplorerWindowList.assign(1, nullptr);
  lists.ExplorerWindowRecords.assign(1, TExplorerWindow{.FolderText = "kept"});
  lists.ExplorerFolderList.assign(1, "replaced");
  RefreshExplorerFolderList(lists);
  EXPECT_EQ(lists.ExplorerFolderList, folders);
  EXPECT_EQ(lists.ExplorerWindowList.size(), 1u);
  EXPECT_EQ(lists.ExplorerWindowRecords.at(0).FolderText, "kept");

  // Closed windows are gone at the next refresh.
  windows_.clear();
  RefreshExplorerWindows(lists);
  EXPECT_TRUE(lists.ExplorerWindowList.empty());
  EXPECT_TRUE(lists.ExplorerWindowRecords.empty());
  EXPECT_TRUE(lists.ExplorerFolderList.empty());
}

TEST_F(ExplorerWindowsTest, TheSharedListsAreFilledByTheirRefreshAndReleased) {
  CreateExplorerLists();
  Make({.title = L"shared", .addressBars = {L"C:\\shared"}});
  RefreshExplorerFolderList();
  EXPECT_EQ(GetExplorerFolderList(), Texts{"C:\\shared"});
  EXPECT_TRUE(GetExplorerLists().ExplorerWindowList.empty());
  RefreshExplorerWindows();
  EXPECT_EQ(GetExplorerLists().ExplorerWindowList, std::vector<HWND>{windows_[0]->Handle()});
  FreeExplorerLists();
  EXPECT_TRUE(GetExplorerFolderList().empty()) << "lists used after release are new and empty";
  FreeExplorerLists();
}

RECT RectOf(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return rect;
}

std::vector<RECT> Sorted(std::vector<RECT> rects) {
  std::sort(rects.begin(), rects.end(), [](const RECT& a, const RECT& b) {
    return std::tie(a.left, a.top, a.right, a.bottom) < std::tie(b.left, b.top, b.right, b.bottom);
  });
  return rects;
}

std::string Describe(const std::vector<RECT>& rects) {
  std::ostringstream text;
  for (const RECT& r : rects) text << "(" << r.left << "," << r.top << ")-(" << r.right << "," << r.bottom << ") ";
  return text.str();
}

TEST_F(ExplorerWindowsTest, TilingMovesExactlyTheExplorerWindowsIntoColumnsOrRows) {
  const std::vector<HWND> explorers = {Make({.title = L"a", .addressBars = {L"C:\\a"}}).Handle(),
                                       Make({.className = L"ExploreWClass", .title = L"b"}).Handle(),
                                       Make({.title = L"c", .addressBars = {L"C:\\c"}}).Handle()};
  const HWND other = Make({.className = L"FileDialogLikeWClass", .title = L"Open", .rect = {10, 20, 310, 220}}).Handle();
  ShowWindow(explorers[1], SW_MAXIMIZE);
  RECT area{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
  const LONG third = (area.right - area.left) / 3;
  const LONG thirdHigh = (area.bottom - area.top) / 3;

  TileExplorerWindowsVertically();
  std::vector<RECT> columns = {{area.left, area.top, area.left + third, area.bottom},
                               {area.left + third, area.top, area.left + 2 * third, area.bottom},
                               {area.left + 2 * third, area.top, area.right, area.bottom}};
  std::vector<RECT> now;
  for (const HWND window : explorers) now.push_back(RectOf(window));
  EXPECT_EQ(Describe(Sorted(now)), Describe(Sorted(columns)));
  EXPECT_FALSE(IsZoomed(explorers[1])) << "a maximized window is restored to be tiled";
  EXPECT_EQ(Describe({RectOf(other)}), Describe({{10, 20, 310, 220}})) << "other windows stay where they are";

  TileExplorerWindowsHorizontally();
  std::vector<RECT> rows = {{area.left, area.top, area.right, area.top + thirdHigh},
                            {area.left, area.top + thirdHigh, area.right, area.top + 2 * thirdHigh},
                            {area.left, area.top + 2 * thirdHigh, area.right, area.bottom}};
  now.clear();
  for (const HWND window : explorers) now.push_back(RectOf(window));
  EXPECT_EQ(Describe(Sorted(now)), Describe(Sorted(rows)));
  EXPECT_EQ(Describe({RectOf(other)}), Describe({{10, 20, 310, 220}}));
  FreeExplorerLists();
}

TEST_F(ExplorerWindowsTest, TilingWithoutExplorerWindowsMovesNothing) {
  const HWND other = Make({.className = L"FileDialogLikeWClass", .title = L"Open", .rect = {10, 20, 310, 220}}).Handle();
  TileExplorerWindowsVertically();
  EXPECT_EQ(Describe({RectOf(other)}), Describe({{10, 20, 310, 220}}));
  EXPECT_TRUE(GetExplorerLists().ExplorerWindowList.empty());
  FreeExplorerLists();
}

}  // namespace
}  // namespace marlovin::enumerate_explorers
