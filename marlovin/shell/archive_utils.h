// Path and listing routines the side bar's operations share: the recursive folder
// listing handed to the archiver and the archive name suggested for a drop.
#pragma once

#include <string>
#include <vector>

#include "common/argument_text.h"
#include "common/path_text.h"

namespace marlovin {

using common::AppendTrailingBackslash;
using common::QuoteArgument;
using common::RemoveTrailingBackslash;
using common::StripAngleBrackets;

// What ListFolderTree puts into its result and how it shapes the entries.
struct TOptionsStruct {
  bool IncludeFolders = false;    // every folder found
  bool IncludeFiles = false;      // every file found
  bool CutMasks = false;          // cut each entry from its first "*." to the end
  bool MakeRelative = false;      // cut a folder prefix from the front of each entry
  bool UseBaseFolder = false;     // with MakeRelative: cut as many characters as BaseFolder has
  bool StripFolderMasks = false;  // cut the trailing "\*.*" from folder entries
  std::string BaseFolder;
};

// Lists the tree below maskPath ("C:\Data\*.*": a folder, a backslash and a file mask;
// the mask applies to the top folder, sub-folders are searched whole) and appends the
// files and folders found to result; then sorts the whole result ignoring letter case
// and applies CutMasks and MakeRelative to every entry. Hidden and system entries are
// included; every entry that is not a folder counts as a file. A folder reached again
// through a link is not searched a second time. A missing folder yields no files and,
// with IncludeFolders, only the top entry.
void ListFolderTree(const std::string& maskPath, std::vector<std::string>& result, const TOptionsStruct& options);

// The archive name offered for dropped paths (at least one): the file name of a single
// path; for several, the name of the folder holding the first, or the drive letter when
// that folder is a drive's root.
std::string SuggestArchiveName(const std::vector<std::string>& paths);

}  // namespace marlovin
