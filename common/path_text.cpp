#include "common/path_text.h"

namespace common {

namespace {

// Index just past the last backslash or colon, 0 when there is none.
std::size_t NameStart(std::string_view path) {
  const std::size_t pos = path.find_last_of("\\:");
  return pos == std::string_view::npos ? 0 : pos + 1;
}

}  // namespace

std::string ExtractFilePath(std::string_view path) { return std::string(path.substr(0, NameStart(path))); }

std::string ExtractFileName(std::string_view path) { return std::string(path.substr(NameStart(path))); }

std::string ExtractFileExt(std::string_view path) {
  const std::size_t pos = path.find_last_of(".\\:");
  if (pos == std::string_view::npos || path[pos] != '.') return {};
  return std::string(path.substr(pos));
}

std::string ExtractFileDrive(std::string_view path) {
  if (path.size() >= 2 && path[1] == ':') return std::string(path.substr(0, 2));
  if (path.size() >= 2 && path[0] == '\\' && path[1] == '\\') {
    // UNC: "\\server\share" is the drive; stop before the backslash after the share.
    const std::size_t server_end = path.find('\\', 2);
    if (server_end == std::string_view::npos) return {};
    const std::size_t share_end = path.find('\\', server_end + 1);
    return std::string(path.substr(0, share_end));
  }
  return {};
}

void RemoveTrailingBackslash(std::string& path) {
  if (!path.empty() && path.back() == '\\') path.pop_back();
}

void AppendTrailingBackslash(std::string& path) {
  if (!path.empty() && path.back() != '\\') path += '\\';
}

}  // namespace common
