// The bridge between the suite's path text (UTF-8, backslashes, as on Windows) and
// std::filesystem. On Windows long absolute paths get the "\\?\" prefix so that no
// 260-character limit applies; the portable build maps backslashes to slashes so that
// the same path text works in native tests.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace common {

std::filesystem::path ToFsPath(std::string_view path);

// The UTF-8 text of a file-system path (used for single names from directory listings).
std::string FromFsPath(const std::filesystem::path& path);

}  // namespace common
