// The shell's special folders by their display names: an Explorer address bar shows
// "Documents" or "Desktop" rather than a path for some of them.
#pragma once

#include <string>
#include <vector>

namespace marlovin {

// What SpecialFolderPathFromDisplayName returns when no special folder has the name.
inline constexpr char kNoSpecialFolder[] = "???";

// The parsing name of the first special folder, in a fixed lookup order, whose display
// name equals `name` when both are upper-cased by the user's locale: a file-system path
// for ordinary folders (without a trailing backslash, except for a drive root), the
// shell's class-identifier path for virtual ones (the recycle bin, the drives folder).
// kNoSpecialFolder when none matches.
std::string SpecialFolderPathFromDisplayName(const std::string& name);

// Replaces, in place, every entry that is not an existing folder and is a special
// folder's display name by that folder's path.
void ResolveSpecialFolderNames(std::vector<std::string>& list);

}  // namespace marlovin
