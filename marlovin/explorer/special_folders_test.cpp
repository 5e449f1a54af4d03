// Special folders and opening folders, with the running shell's own names (they differ
// between Windows and Wine, so they are read from the shell, never written down here).
#include "marlovin/explorer/special_folders.h"

#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>

#include <filesystem>

#include <gtest/gtest.h>

#include "common/fs_path.h"
#include "common/text_case.h"
#include "marlovin/explorer/open_in_explorer.h"
#include "win32/com.h"
#include "win32/testing/window_list.h"
#include "win32/utf.h"

namespace marlovin {
namespace {

std::string FolderPath(int csidl) {
  wchar_t path[MAX_PATH];
  EXPECT_EQ(SHGetFolderPathW(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path), S_OK);
  return win32::Narrow(path);
}

// The name the shell shows for a special folder, asked in another way than the code does.
std::string DisplayName(int csidl) {
  PIDLIST_ABSOLUTE folder = nullptr;
  EXPECT_EQ(SHGetSpecialFolderLocation(nullptr, csidl, &folder), S_OK);
  SHFILEINFOW info{};
  SHGetFileInfoW(reinterpret_cast<LPCWSTR>(folder), 0, &info, sizeof(info), SHGFI_PIDL | SHGFI_DISPLAYNAME);
  CoTaskMemFree(folder);
  return win32::Narrow(info.szDisplayName);
}

class SpecialFoldersTest : public ::testing::Test {
 protected:
  win32::ComInitializer com_;
};

TEST_F(SpecialFoldersTest, DisplayNamesInAnyLetterCaseGiveTheFoldersPath) {
  const std::string documents = DisplayName(CSIDL_PERSONAL);
  ASSERT_FALSE(documents.empty());
  EXPECT_EQ(SpecialFolderPathFromDisplayName(documents), FolderPath(CSIDL_PERSONAL));
  EXPECT_EQ(SpecialFolderPathFromDisplayName(common::ToLowerText(documents)), FolderPath(CSIDL_PERSONAL));
  EXPECT_EQ(SpecialFolderPathFromDisplayName(common::ToUpperText(documents)), FolderPath(CSIDL_PERSONAL));

  // A virtual folder gives the shell's class-identifier path.
  const std::string trash = SpecialFolderPathFromDisplayName(DisplayName(CSIDL_BITBUCKET));
  EXPECT_TRUE(common::SameText(trash, "::{645FF040-5081-101B-9F08-00AA002F954E}")) << trash;

  EXPECT_EQ(SpecialFolderPathFromDisplayName("No folder is called this"), "???");
  EXPECT_EQ(SpecialFolderPathFromDisplayName(""), "???");
}

TEST_F(SpecialFoldersTest, ResolvingReplacesOnlyDisplayNamesThatAreNoExistingFolder) {
  const std::string documents = DisplayName(CSIDL_PERSONAL);
  const std::filesystem::path here = std::filesystem::temp_directory_path() / "suite-special-folders";
  std::filesystem::remove_all(here);
  std::filesystem::create_directories(here / "sub");
  const std::string existing = common::FromFsPath(here / "sub");

  std::vector<std::string> list = {documents, "No folder is called this", existing, common::ToLowerText(documents)};
  ResolveSpecialFolderNames(list);
  EXPECT_EQ(list, (std::vector<std::string>{FolderPath(CSIDL_PERSONAL), "No folder is called this", existing,
                                            FolderPath(CSIDL_PERSONAL)}));

  // A folder of that name in the current folder exists, so the entry is never looked up.
  const auto previous = std::filesystem::current_path();
  std::filesystem::create_directories(here / documents);
  std::filesystem::current_path(here);
  list = {documents};
  ResolveSpecialFolderNames(list);
  std::filesystem::current_path(previous);
  EXPECT_EQ(list, std::vector<std::string>{documents});
  std::filesystem::remove_all(here);
}

// Wine's Explorer shows a folder in a window of class "ExplorerWClass" titled with the
// folder's name.
std::vector<win32::testing::WindowInfo> WineExplorerWindows() {
  std::vector<win32::testing::WindowInfo> found;
  for (auto& window : win32::testing::TopLevelWindows()) {
    if (window.className == "ExplorerWClass") found.push_back(window);
  }
  return found;
}

void CloseWineExplorerWindows() {
  for (const auto& window : WineExplorerWindows()) PostMessageW(window.hwnd, WM_CLOSE, 0, 0);
  win32::testing::PumpMessagesUntil([] { return WineExplorerWindows().empty(); }, 10000);
}

bool HasTitle(const std::vector<win32::testing::WindowInfo>& windows, const std::string& title) {
  for (const auto& window : windows) {
    if (window.title == title) return true;
  }
  return false;
}

TEST_F(SpecialFoldersTest, FoldersOpenInExplorerWindows) {
  CloseWineExplorerWindows();
  const std::filesystem::path here = std::filesystem::temp_directory_path() / "suite-open-folders";
  std::filesystem::remove_all(here);
  std::filesystem::create_directories(here / "with blank");
  std::filesystem::create_directories(here / "a, b");
  const std::string documents = DisplayName(CSIDL_PERSONAL);

  // A plain path with a blank; a display name (no such folder here) opens its folder.
  OpenFoldersInExplorer({common::FromFsPath(here / "with blank"), documents});
  // A comma text: the quoted path with a comma and a blank is one folder.
  std::string commaText = common::FromFsPath(here / "a, b");
  commaText.insert(0, 1, '"').push_back('"');
  OpenCommaTextInExplorer(commaText);

  const std::string documentsTitle = common::FromFsPath(std::filesystem::path(FolderPath(CSIDL_PERSONAL)).filename());
  const bool opened = win32::testing::PumpMessagesUntil(
      [&] {
        const auto windows = WineExplorerWindows();
        return HasTitle(windows, "with blank") && HasTitle(windows, "a, b") && HasTitle(windows, documentsTitle);
      },
      30000);
  std::string seen;
  for (const auto& window : WineExplorerWindows()) seen += window.title + "; ";
  EXPECT_TRUE(opened) << "Explorer windows: " << seen;
  EXPECT_EQ(WineExplorerWindows().size(), 3u) << seen;
  CloseWineExplorerWindows();
  std::filesystem::remove_all(here);
}

}  // namespace
}  // namespace marlovin
