// Text key files: lines of the form key=value, as the side bar's options file. Every
// line is kept as it stands except the ones a change writes; lines without "=" and
// lines of other keys stay in place. Keys are found ignoring letter case; values are
// taken untrimmed. Files are read and written whole; a write replaces the file
// atomically, so a failed save leaves the previous file whole.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace common {

class KeyFile {
 public:
  KeyFile() = default;
  // The lines of a text (CR LF, CR or LF end a line).
  explicit KeyFile(std::string_view text);

  // The file's lines. Throws FileError when it cannot be read.
  static KeyFile Read(std::string_view path);
  // As Read, but a file that does not exist reads as an empty key file.
  static KeyFile ReadIfExists(std::string_view path);

  // The value of the first line whose key (the text before its first "=") equals `key`,
  // letter case ignored; empty text when there is none.
  std::string Value(std::string_view key) const;

  // A non-empty value replaces the first line of the key, in place, by key=value (the
  // key spelled as given here), or is appended as a new last line; an empty value
  // removes the first line of the key. Throws std::invalid_argument for an empty key, a
  // key holding "=", or a key or value holding a line break: they would not read back.
  void SetValue(std::string_view key, std::string_view value);

  const std::vector<std::string>& Lines() const { return lines_; }
  // Every line followed by CR LF.
  std::string Text() const;

  // Replaces the file at path with Text(): a temporary file beside it, then a rename.
  // Throws FileError when it cannot be written.
  void Write(std::string_view path) const;

 private:
  std::optional<std::size_t> FindKey(std::string_view key) const;

  std::vector<std::string> lines_;
};

}  // namespace common
