// The rename list: one entry per file or folder to rename, in the order added. The
// counter follows that order; the same path may occur twice.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace penderil {

// An entry's image: not asked for yet, or the file gave none. Other values index the
// list's small-image list.
inline constexpr int kImageNotLoaded = -2;
inline constexpr int kNoImage = -1;

// The Old Name and the Location are the two parts of the full path, so they are read
// from it rather than kept beside it: the entry stays small, and a rebuild of 100 000
// New Names touches less memory.
struct RenameEntry {
  std::string fullPath;  // as added (after a rename, the item's new path); the input of the computation
  std::string newName;   // "New Name": the result of the last computation
  int image = kImageNotLoaded;
  bool selected = false;

  // "Old Name": the file name part of the full path.
  std::string_view OldName() const;
  // "Locaion": the folder part of the full path, ending in a backslash.
  std::string_view Location() const;
};

using RenameList = std::vector<RenameEntry>;

// The three splits of a path, each at the last backslash or colon.
struct PathParts {
  std::string_view fileName;   // after the last delimiter (all of it when there is none)
  std::string_view folder;     // up to and including the last delimiter
  std::string_view extension;  // from the last dot, dot included, when no delimiter follows it
  std::string_view baseName;   // the file name without its extension
};

// Views into `path`, which must outlive the result.
PathParts SplitPath(std::string_view path);

// Appends an entry for the path: its New Name is its file name (the Old Name). Nothing
// checks that the path exists.
void AddFileToList(RenameList& list, std::string fullPath);

// Removes every entry.
void ClearFileList(RenameList& list);

}  // namespace penderil
