// File-name masks as the Windows file search understands them: "*" matches any run of
// characters, "?" one character, letter case is ignored, and a mask ending in ".*" also
// matches names without an extension ("*.*" matches every name).
#pragma once

#include <string_view>

namespace common {

bool MatchesMask(std::string_view name, std::string_view mask);

}  // namespace common
