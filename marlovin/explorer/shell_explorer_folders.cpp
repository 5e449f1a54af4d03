#include "marlovin/explorer/shell_explorer_folders.h"

#include "marlovin/explorer/explorer_windows.h"
#include "marlovin/explorer/open_in_explorer.h"

namespace marlovin {

std::vector<std::string> ShellExplorerFolders::RefreshedFolderList() {
  enumerate_explorers::RefreshExplorerFolderList();
  return enumerate_explorers::GetExplorerFolderList();
}

void ShellExplorerFolders::OpenFolders(const std::vector<std::string>& folders) { OpenFoldersInExplorer(folders); }

}  // namespace marlovin
