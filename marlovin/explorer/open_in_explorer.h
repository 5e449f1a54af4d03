// Opening folders in new Explorer windows.
#pragma once

#include <string>
#include <vector>

namespace marlovin {

// Starts "explorer.exe" once per entry, in list order, with the entry in double quotes
// as its one argument. An entry that names neither an existing file nor an existing
// folder but is a special folder's display name is replaced by that folder's path;
// any other entry is passed on unchanged. Nothing is waited for; Explorer reports its
// own failures.
void OpenFoldersInExplorer(const std::vector<std::string>& folders);

// Splits a comma text (blanks and commas separate, double quotes group) and opens each
// item as OpenFoldersInExplorer does.
void OpenCommaTextInExplorer(const std::string& text);

}  // namespace marlovin
