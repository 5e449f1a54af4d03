#include "common/fs_path.h"

#include <algorithm>

namespace common {

namespace {

constexpr bool kWindowsPaths = std::filesystem::path::preferred_separator == L'\\';

// Every absolute path gets the prefix, not only long ones: the standard library builds
// the paths of a folder's entries from it (removing or listing a deep tree), and those
// must not fall back to the 260-character limit either. The prefix turns off Windows'
// own clean-up of the path, so "." and ".." are resolved here first.
std::string WithLongPathPrefix(std::string text) {
  std::replace(text.begin(), text.end(), '/', '\\');
  if (text.starts_with("\\\\?\\")) return text;
  const bool drivePath = text.size() >= 3 && text[1] == ':' && text[2] == '\\';
  const bool uncPath = text.size() > 2 && text.starts_with("\\\\") && text[2] != '.' && text[2] != '?';
  if (!drivePath && !uncPath) return text;  // relative paths cannot take the prefix
  const std::filesystem::path normal =
      std::filesystem::path(std::u8string(text.begin(), text.end())).lexically_normal();
  const std::u8string clean = normal.u8string();
  text.assign(clean.begin(), clean.end());
  return drivePath ? "\\\\?\\" + text : "\\\\?\\UNC\\" + text.substr(2);
}

}  // namespace

std::filesystem::path ToFsPath(std::string_view path) {
  std::string text(path);
  if constexpr (kWindowsPaths) {
    text = WithLongPathPrefix(std::move(text));
  } else {
    std::replace(text.begin(), text.end(), '\\', '/');
  }
  return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

std::string FromFsPath(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

}  // namespace common
