#include "common/key_file.h"

#include <stdexcept>

#include "common/text_case.h"
#include "common/text_file.h"

namespace common {

namespace {

bool HasLineBreak(std::string_view text) { return text.find_first_of("\r\n") != std::string_view::npos; }

}  // namespace

KeyFile::KeyFile(std::string_view text) : lines_(SplitLines(text)) {}

KeyFile KeyFile::Read(std::string_view path) { return KeyFile(ReadTextFile(path)); }

KeyFile KeyFile::ReadIfExists(std::string_view path) { return FileExists(path) ? Read(path) : KeyFile(); }

std::optional<std::size_t> KeyFile::FindKey(std::string_view key) const {
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    const std::string_view line = lines_[i];
    const std::size_t equals = line.find('=');
    if (equals != std::string_view::npos && SameText(line.substr(0, equals), key)) return i;
  }
  return std::nullopt;
}

std::string KeyFile::Value(std::string_view key) const {
  const auto index = FindKey(key);
  if (!index) return {};
  const std::string& line = lines_[*index];
  return line.substr(line.find('=') + 1);
}

void KeyFile::SetValue(std::string_view key, std::string_view value) {
  if (key.empty() || key.find('=') != std::string_view::npos || HasLineBreak(key)) {
    throw std::invalid_argument("\"" + std::string(key) + "\" cannot be a key of a key file");
  }
  if (HasLineBreak(value)) {
    throw std::invalid_argument("The value of \"" + std::string(key) + "\" cannot hold a line break");
  }
  const auto index = FindKey(key);
  if (value.empty()) {
    if (index) lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(*index));
    return;
  }
  std::string line = std::string(key) + "=" + std::string(value);
  if (index) {
    lines_[*index] = std::move(line);
  } else {
    lines_.push_back(std::move(line));
  }
}

std::string KeyFile::Text() const { return JoinLines(lines_); }

void KeyFile::Write(std::string_view path) const { ReplaceTextFile(path, Text()); }

}  // namespace common
