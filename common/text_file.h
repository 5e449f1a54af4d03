// The suite's 8-bit text files. Written as UTF-8 without a byte-order mark, every line
// ended by CR LF. Read as UTF-8 when the bytes are valid UTF-8, otherwise as Windows-1252
// (files of older versions), always returned as UTF-8. Files are read and written whole.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace common {

// A file could not be read or written; the message names the operation and the file.
class FileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The whole file as UTF-8 text. Throws FileError when it cannot be read.
std::string ReadTextFile(std::string_view path);

// UTF-8 text from file bytes: a leading byte-order mark is dropped; bytes that are not
// valid UTF-8 are taken as Windows-1252.
std::string DecodeEightBitText(std::string_view bytes);

// Lines split at CR LF, CR or LF. A line end at the very end adds no empty line;
// every other line, empty ones included, is kept exactly as it stands.
std::vector<std::string> SplitLines(std::string_view text);

// Every line followed by CR LF.
std::string JoinLines(const std::vector<std::string>& lines);

// Writes text to the file, replacing its content. Throws FileError on failure.
void WriteTextFile(std::string_view path, std::string_view text);

// Writes text to a temporary file beside the target and then replaces the target with
// it, so a failed or interrupted save leaves the previous file whole.
void ReplaceTextFile(std::string_view path, std::string_view text);

bool FileExists(std::string_view path);

}  // namespace common
