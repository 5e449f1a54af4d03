#include "penderil/rename_list.h"

#include <bit>
#include <cstdint>
#include <cstring>

namespace penderil {

namespace {

static_assert(std::endian::native == std::endian::little, "the word scan reads bytes in little-endian order");

// The last position of `c` in `text`, eight bytes at a time from the end: paths are
// long, and every rebuild of the preview splits every one of them.
std::size_t LastIndexOf(std::string_view text, char c) {
  constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
  constexpr std::uint64_t kLow7 = 0x7F7F7F7F7F7F7F7FULL;
  const std::uint64_t pattern = kOnes * static_cast<unsigned char>(c);
  std::size_t i = text.size();
  while (i >= 8) {
    i -= 8;
    std::uint64_t word;
    std::memcpy(&word, text.data() + i, 8);
    word ^= pattern;
    // The high bit of exactly each zero byte, so the highest one is the last match.
    const std::uint64_t zeros = ~(((word & kLow7) + kLow7) | word | kLow7);
    if (zeros != 0) return i + static_cast<std::size_t>(63 - std::countl_zero(zeros)) / 8;
  }
  while (i > 0) {
    if (text[--i] == c) return i;
  }
  return std::string_view::npos;
}

}  // namespace

PathParts SplitPath(std::string_view path) {
  constexpr std::size_t kNone = std::string_view::npos;
  // The last backslash first, then a colon after it ("C:file"); names rarely hold one,
  // so a quick look for any comes before the search for the last.
  const std::size_t backslash = LastIndexOf(path, '\\');
  std::size_t nameStart = backslash == kNone ? 0 : backslash + 1;
  if (path.find(':', nameStart) != kNone) nameStart = path.rfind(':') + 1;
  PathParts parts;
  parts.folder = path.substr(0, nameStart);
  parts.fileName = path.substr(nameStart);
  const std::size_t dot = LastIndexOf(parts.fileName, '.');
  if (dot != kNone) parts.extension = parts.fileName.substr(dot);
  parts.baseName = parts.fileName.substr(0, parts.fileName.size() - parts.extension.size());
  return parts;
}

std::string_view RenameEntry::OldName() const { return SplitPath(fullPath).fileName; }

std::string_view RenameEntry::Location() const { return SplitPath(fullPath).folder; }

void AddFileToList(RenameList& list, std::string fullPath) {
  RenameEntry entry;
  entry.newName.assign(SplitPath(fullPath).fileName);
  entry.fullPath = std::move(fullPath);
  list.push_back(std::move(entry));
}

void ClearFileList(RenameList& list) { list.clear(); }

}  // namespace penderil
