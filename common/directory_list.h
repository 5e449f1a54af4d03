// Listing one folder, hidden and system entries included. The Windows build uses the
// file search API directly: it has no 260-character limit and reads each entry's type
// with its name, where the C++ library's iterator there cannot list long paths.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace common {

struct DirectoryEntry {
  std::string name;  // the entry's own name, never "." or ".."
  bool isFolder = false;
};

// Calls `visit` for every entry of `folder` (a path with or without trailing backslash).
// Returns false, having visited nothing, when the folder cannot be listed.
bool ListDirectory(std::string_view folder, const std::function<void(const DirectoryEntry&)>& visit);

// A text that is equal for two paths exactly when they lead to the same folder, through
// links or not; empty when it cannot be told.
std::string FolderIdentity(std::string_view folder);

}  // namespace common
