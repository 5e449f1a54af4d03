// Helpers shared by the cipher tests: hex text, test data, one-call encryption and a
// scratch folder.
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "common/fs_path.h"
#include "quenlock/rijndael_cipher.h"

namespace quenlock::testing {

using Bytes = std::vector<std::uint8_t>;

inline Bytes FromHex(std::string_view hex) {
  Bytes bytes;
  for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
    bytes.push_back(static_cast<std::uint8_t>(std::stoi(std::string(hex.substr(i, 2)), nullptr, 16)));
  }
  return bytes;
}

inline std::string ToHex(const Bytes& bytes) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string hex;
  for (const auto b : bytes) {
    hex += kDigits[b >> 4];
    hex += kDigits[b & 15];
  }
  return hex;
}

inline Bytes BytesOf(std::string_view text) { return Bytes(text.begin(), text.end()); }

// Byte i is (7 i + 3) mod 256: every length has different content at every position.
inline Bytes Pattern(std::size_t length) {
  Bytes bytes(length);
  for (std::size_t i = 0; i < length; ++i) bytes[i] = static_cast<std::uint8_t>((i * 7 + 3) % 256);
  return bytes;
}

inline Bytes RandomBytes(std::size_t length, unsigned seed) {
  std::mt19937 random(seed);
  Bytes bytes(length);
  for (auto& b : bytes) b = static_cast<std::uint8_t>(random());
  return bytes;
}

// The whole data through one stream transform of a freshly keyed engine.
inline Bytes Transform(std::string_view password, const Bytes& data, bool encipher) {
  TRijndaelCipher cipher;
  cipher.KeyFromPassword(password, &TSha1Hash::Create);
  std::istringstream source(std::string(data.begin(), data.end()));
  std::ostringstream target;
  const auto size = static_cast<std::int64_t>(data.size());
  if (encipher) {
    cipher.EncipherStream(source, target, size);
  } else {
    cipher.DecipherStream(source, target, size);
  }
  const std::string out = target.str();
  return Bytes(out.begin(), out.end());
}
inline Bytes Encrypt(std::string_view password, const Bytes& plain) { return Transform(password, plain, true); }
inline Bytes Decrypt(std::string_view password, const Bytes& data) { return Transform(password, data, false); }

// SHA-1 of the data, as hex (through the engine's own SHA-1, which has its known-answer tests).
inline std::string Sha1Hex(const Bytes& data) {
  TSha1Hash hash;
  Bytes digest(20);
  hash.Init();
  hash.Update(data);
  hash.Final(digest);
  return ToHex(digest);
}

// A fresh folder under the system's temporary folder, removed with its content at the end.
class ScratchFolder {
 public:
  explicit ScratchFolder(const std::string& name) {
    std::random_device random;
    path_ = std::filesystem::temp_directory_path() / (name + "-" + std::to_string(random()));
    std::filesystem::create_directories(path_);
  }
  ~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  // The UTF-8 path text of a file in the folder (backslashes on Windows).
  std::string File(const std::string& name) const { return common::FromFsPath((path_ / name).make_preferred()); }
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(path_)) names.push_back(common::FromFsPath(entry.path().filename()));
    return names;
  }

 private:
  std::filesystem::path path_;
};

inline void WriteFile(const std::string& path, const Bytes& bytes) {
  std::ofstream out(common::ToFsPath(path), std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

inline Bytes ReadFile(const std::string& path) {
  std::ifstream in(common::ToFsPath(path), std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace quenlock::testing
