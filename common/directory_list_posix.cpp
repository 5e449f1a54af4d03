// Folder listing for the portable build: readdir, whose entries carry their type.
#include <dirent.h>
#include <sys/stat.h>

#include <string>

#include "common/directory_list.h"
#include "common/fs_path.h"

namespace common {

namespace {

std::string SystemPath(std::string_view folder) { return ToFsPath(folder.empty() ? "." : folder).string(); }

}  // namespace

bool ListDirectory(std::string_view folder, const std::function<void(const DirectoryEntry&)>& visit) {
  const std::string path = SystemPath(folder);
  DIR* dir = opendir(path.c_str());
  if (!dir) return false;
  DirectoryEntry entry;
  while (const dirent* found = readdir(dir)) {
    const std::string_view name = found->d_name;
    if (name == "." || name == "..") continue;
    entry.name.assign(name);
    if (found->d_type == DT_DIR) {
      entry.isFolder = true;
    } else if (found->d_type == DT_LNK || found->d_type == DT_UNKNOWN) {
      struct stat info {};  // follow the link: a link to a folder counts as a folder
      entry.isFolder = stat((path + "/" + entry.name).c_str(), &info) == 0 && S_ISDIR(info.st_mode);
    } else {
      entry.isFolder = false;
    }
    visit(entry);
  }
  closedir(dir);
  return true;
}

std::string FolderIdentity(std::string_view folder) {
  struct stat info {};
  if (stat(SystemPath(folder).c_str(), &info) != 0) return {};
  return std::to_string(info.st_dev) + ":" + std::to_string(info.st_ino);
}

}  // namespace common
