#include "penderil/rename_list.h"

namespace penderil {

PathParts SplitPath(std::string_view path) {
  // One scan from the end finds the last delimiter and, before it, the last dot.
  std::size_t nameStart = 0;
  std::size_t dot = std::string_view::npos;
  for (std::size_t i = path.size(); i > 0; --i) {
    const char c = path[i - 1];
    if (c == '\\' || c == ':') {
      nameStart = i;
      break;
    }
    if (c == '.' && dot == std::string_view::npos) dot = i - 1;
  }
  PathParts parts;
  parts.folder = path.substr(0, nameStart);
  parts.fileName = path.substr(nameStart);
  if (dot != std::string_view::npos) parts.extension = path.substr(dot);
  parts.baseName = parts.fileName.substr(0, parts.fileName.size() - parts.extension.size());
  return parts;
}

void AddFileToList(RenameList& list, std::string fullPath) {
  const PathParts parts = SplitPath(fullPath);
  RenameEntry entry;
  entry.oldName.assign(parts.fileName);
  entry.newName = entry.oldName;
  entry.location.assign(parts.folder);
  entry.fullPath = std::move(fullPath);
  list.push_back(std::move(entry));
}

void ClearFileList(RenameList& list) { list.clear(); }

}  // namespace penderil
