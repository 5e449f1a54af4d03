// The options object's view of Explorer, on the real desktop: the side bar's shared
// folder list, refreshed on each request, and Explorer started once per folder.
#pragma once

#include "marlovin/settings/options_store.h"

namespace marlovin {

class ShellExplorerFolders : public ExplorerFolders {
 public:
  std::vector<std::string> RefreshedFolderList() override;
  void OpenFolders(const std::vector<std::string>& folders) override;
};

}  // namespace marlovin
