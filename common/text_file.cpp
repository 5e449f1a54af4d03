#include "common/text_file.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "common/fs_path.h"
#include "common/utf8.h"

namespace common {

namespace {

// Windows-1252 code points for bytes 0x80..0x9F (the five unassigned bytes map to
// the control code of the same value, as Windows does).
constexpr char16_t kWindows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  //
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  //
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  //
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

std::string Quoted(std::string_view path) { return "\"" + std::string(path) + "\""; }

std::string ErrnoText() { return std::generic_category().message(errno); }

std::string TemporaryNameBeside(std::string_view path) {
  static std::atomic<unsigned> counter{0};
  const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
  return std::string(path) + ".~" + std::to_string(ticks % 1000000007) + "-" +
         std::to_string(counter++) + ".tmp";
}

}  // namespace

std::string DecodeEightBitText(std::string_view bytes) {
  if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
  if (IsValidUtf8(bytes)) return std::string(bytes);
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 4);
  for (const char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    if (b < 0x80) {
      out += c;
    } else {
      AppendUtf8(out, b < 0xA0 ? kWindows1252High[b - 0x80] : static_cast<char32_t>(b));
    }
  }
  return out;
}

std::string ReadTextFile(std::string_view path) {
  errno = 0;
  std::ifstream in(ToFsPath(path), std::ios::binary);
  if (!in) throw FileError("Cannot open " + Quoted(path) + " for reading: " + ErrnoText());
  std::string bytes;
  in.seekg(0, std::ios::end);
  const std::streamoff size = in.tellg();
  if (size > 0) {
    bytes.resize(static_cast<std::size_t>(size));
    in.seekg(0, std::ios::beg);
    in.read(bytes.data(), size);
  }
  if (in.bad() || (size > 0 && in.gcount() != size)) {
    throw FileError("Cannot read " + Quoted(path) + ": " + ErrnoText());
  }
  return DecodeEightBitText(bytes);
}

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') continue;
    lines.emplace_back(text.substr(start, i - start));
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) lines.emplace_back(text.substr(start));
  return lines;
}

std::string JoinLines(const std::vector<std::string>& lines) {
  std::size_t size = 0;
  for (const auto& line : lines) size += line.size() + 2;
  std::string text;
  text.reserve(size);
  for (const auto& line : lines) {
    text += line;
    text += "\r\n";
  }
  return text;
}

void WriteTextFile(std::string_view path, std::string_view text) {
  errno = 0;
  std::ofstream out(ToFsPath(path), std::ios::binary | std::ios::trunc);
  if (!out) throw FileError("Cannot open " + Quoted(path) + " for writing: " + ErrnoText());
  out.write(text.data(), static_cast<std::streamsize>(text.size()));
  out.close();
  if (!out) throw FileError("Cannot write " + Quoted(path) + ": " + ErrnoText());
}

void ReplaceTextFile(std::string_view path, std::string_view text) {
  const std::string temporary = TemporaryNameBeside(path);
  try {
    WriteTextFile(temporary, text);
  } catch (...) {
    std::error_code ignored;
    std::filesystem::remove(ToFsPath(temporary), ignored);
    throw;
  }
  std::error_code ec;
  std::filesystem::rename(ToFsPath(temporary), ToFsPath(path), ec);
  if (ec) {
    std::error_code ignored;
    std::filesystem::remove(ToFsPath(temporary), ignored);
    throw FileError("Cannot replace " + Quoted(path) + ": " + ec.message());
  }
}

bool FileExists(std::string_view path) {
  std::error_code ec;
  return std::filesystem::is_regular_file(ToFsPath(path), ec);
}

}  // namespace common
