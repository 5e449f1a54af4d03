// The options folder and file on Windows, and a save that Windows refuses.
#include "marlovin/settings/options_paths.h"

#include <windows.h>

#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "common/fs_path.h"
#include "common/path_text.h"
#include "common/text_file.h"
#include "marlovin/shell/data_folders.h"
#include "win32/handles.h"
#include "win32/shell_paths.h"
#include "win32/utf.h"

namespace marlovin {
namespace {

TEST(OptionsPaths, TheOptionsFolderIsMadeUnderAppDataWheneverItIsMissing) {
  const std::string folder = GetAppDataFolder() + "\\Marlovin\\";
  std::filesystem::remove_all(common::ToFsPath(folder));
  EXPECT_EQ(GetOptionsFolder(), folder);
  EXPECT_TRUE(std::filesystem::is_directory(common::ToFsPath(folder)));
  std::filesystem::remove_all(common::ToFsPath(folder));
  EXPECT_EQ(GetOptionsFilePath(), folder + "options.ini");
  EXPECT_TRUE(std::filesystem::is_directory(common::ToFsPath(folder)));
  EXPECT_FALSE(std::filesystem::exists(common::ToFsPath(folder + "options.ini")));
  std::filesystem::remove_all(common::ToFsPath(folder));

  EXPECT_EQ(GetDefaultsFilePath(), common::ExtractFilePath(win32::Narrow(win32::ModuleFilePath())) + "default.ini");
}

struct NoExplorer : ExplorerFolders {
  std::vector<std::string> RefreshedFolderList() override { return {}; }
  void OpenFolders(const std::vector<std::string>&) override {}
};

TEST(OptionsFile, ASaveThatCannotReplaceTheFileLeavesItWholeAndSaysWhichFile) {
  const std::filesystem::path dir = std::filesystem::temp_directory_path() / "suite-options-locked";
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  const std::string options = common::FromFsPath(dir / "options.ini");
  const std::string original = "FormAlignment=1\r\nHomeDropOperation=0\r\nSESSION_NAMES=Work\r\nWork=C:\\w\r\n";
  std::ofstream(dir / "options.ini", std::ios::binary) << original;
  TMarlovinTextConfig config(options, "", std::make_unique<NoExplorer>());
  {
    // Another program holds the file open for reading only (an editor, a virus scanner).
    const win32::UniqueHandle held(CreateFileW(win32::Widen(options).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                               OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_NE(held.get(), INVALID_HANDLE_VALUE);
    try {
      config.SaveSession("Home", {"C:\\h"});
      FAIL() << "the save must fail while the file is held";
    } catch (const common::FileError& e) {
      EXPECT_NE(std::string(e.what()).find(options), std::string::npos) << e.what();
    }
  }
  std::ifstream in(dir / "options.ini", std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), original);
  in.close();
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), 1) << "no temporary file is left";
  config.SaveSession("Home", {"C:\\h"});
  EXPECT_EQ(TMarlovinTextConfig::GetSessionNames(options), (std::vector<std::string>{"Home", "Work"}));
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace marlovin
