// What a New Name becomes on disk. Files are renamed through long-path ("\\?\") paths,
// which Windows takes literally; so the clean-up that Windows applies to an ordinary
// path is done here, and a name that would leave the folder or make a file ordinary
// programs cannot open is refused instead of being created.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace penderil {

// The name a file is given for `newName`: trailing dots and blanks dropped, as Windows
// drops them from an ordinary path. Nothing when the result is no plain file name:
// empty, "." or "..", holding a path delimiter or another character Windows refuses in
// names (< > : " / \ | ? * and control characters), or a device name (CON, NUL.txt...).
std::optional<std::string> RenameTargetName(std::string_view newName);

}  // namespace penderil
