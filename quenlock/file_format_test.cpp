// The encrypted file format and the text-mode output, checked against answers computed
// outside this code, and by the structure the format defines.
#include <gtest/gtest.h>

#include <sstream>
#include <streambuf>

#include "quenlock/base64.h"
#include "quenlock/rijndael_cipher.h"
#include "quenlock/testing/cipher_test_support.h"

namespace quenlock {
namespace {

using testing::Bytes;
using testing::BytesOf;
using testing::Decrypt;
using testing::Encrypt;
using testing::FromHex;
using testing::ToHex;

constexpr char kPassword[] = "open sesame";
constexpr char kFox[] = "The quick brown fox jumps over the lazy dog.";

// Expected files for prefixes of kFox under kPassword, made with the openssl command line:
//   K = $(printf 'open sesame' | openssl dgst -sha1 -r | cut -c1-40)00000000
//   IV = 16 zero bytes | openssl enc -aes-192-ecb -nopad -K $K
//   whole blocks:  openssl enc -aes-192-cbc -nopad -K $K -iv $IV
//   tail:          plain tail XOR (last cipher block, or IV | openssl enc -aes-192-ecb -nopad -K $K)
TEST(EncryptedFile, MatchesAnswersComputedWithOpenssl) {
  const struct { std::size_t length; const char* file; } cases[] = {
      {0, ""},
      {1, "ec"},
      {15, "ec56e52358ab12a43a10478eed167e"},
      {16, "2fede6d1f6b49c1c0359737bf1fa4b43"},
      {17, "2fede6d1f6b49c1c0359737bf1fa4b43fa"},
      {32, "2fede6d1f6b49c1c0359737bf1fa4b43c6bd6f17562530c6be545082d207170f"},
      {44, "2fede6d1f6b49c1c0359737bf1fa4b43c6bd6f17562530c6be545082d207170f12a1314589c1a3bb5be7ad4e"},
  };
  const Bytes fox = BytesOf(kFox);
  for (const auto& c : cases) {
    const Bytes plain(fox.begin(), fox.begin() + static_cast<std::ptrdiff_t>(c.length));
    EXPECT_EQ(ToHex(Encrypt(kPassword, plain)), c.file) << c.length << " bytes";
    EXPECT_EQ(Decrypt(kPassword, FromHex(c.file)), plain) << c.length << " bytes";
  }
  // The empty password hashes the empty message.
  EXPECT_EQ(ToHex(Encrypt("", Bytes(fox.begin(), fox.begin() + 17))), "f7339b3b51c04d0ca00b5ad8e8b7a69fe6");
}

TEST(EncryptedFile, MatchesOpensslAcrossChunkBoundaries) {
  // SHA-1 of the encrypted pattern files, made as above (8193 bytes: two reads, the second
  // a one-byte tail after 512 blocks).
  const struct { std::size_t length; const char* sha1; } cases[] = {
      {8191, "d9c97f70dff21537c2089fb5f5b3cfb0dd1181ca"},
      {8192, "a11e49003c9863857cff241a0a96b20c481650eb"},
      {8193, "6d698551fb3c2cff3f2491470fb22764a80a7749"},
      {100001, "3e0f116c99b1664e9cf2db802547ca6147903ccf"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(testing::Sha1Hex(Encrypt(kPassword, testing::Pattern(c.length))), c.sha1) << c.length << " bytes";
  }
}

// The structure of short files, block by block, from single block operations.
TEST(EncryptedFile, ShortFilesFollowTheBlockAndTailRule) {
  TRijndaelCipher blocks;
  blocks.KeyFromPassword(kPassword, &TSha1Hash::Create);
  const auto E = [&](const Bytes& x) {
    Bytes out(16);
    blocks.EncryptBlock(x.data(), out.data());
    return out;
  };
  const Bytes iv(blocks.InitialValue().begin(), blocks.InitialValue().end());
  const auto Xor = [](const Bytes& a, const Bytes& b, std::size_t n) {
    Bytes out(n);
    for (std::size_t i = 0; i < n; ++i) out[i] = static_cast<std::uint8_t>(a[i] ^ b[i]);
    return out;
  };
  const Bytes plain = testing::RandomBytes(17, 7);

  // 15 bytes: no whole block; E(IV) XOR the plain bytes.
  const Bytes p15(plain.begin(), plain.begin() + 15);
  EXPECT_EQ(Encrypt(kPassword, p15), Xor(p15, E(iv), 15));

  // 16 bytes: one CBC block, C1 = E(P1 XOR IV).
  const Bytes p16(plain.begin(), plain.begin() + 16);
  const Bytes c1 = E(Xor(p16, iv, 16));
  EXPECT_EQ(Encrypt(kPassword, p16), c1);

  // 17 bytes: C1, then the last byte XOR the first byte of E(C1).
  Bytes c17 = c1;
  c17.push_back(static_cast<std::uint8_t>(plain[16] ^ E(c1)[0]));
  EXPECT_EQ(Encrypt(kPassword, plain), c17);
}

TEST(EncryptedFile, RoundTripsKeepTheLengthAndRestoreEveryByte) {
  for (const std::size_t length : {0, 1, 15, 16, 17, 31, 32, 33, 8191, 8192, 8193, 100000}) {
    const Bytes plain = testing::RandomBytes(length, static_cast<unsigned>(length));
    const Bytes encrypted = Encrypt("pass word", plain);
    ASSERT_EQ(encrypted.size(), length);
    if (length > 0) {
      EXPECT_NE(encrypted, plain) << length;
    }
    EXPECT_EQ(Decrypt("pass word", encrypted), plain) << length;
  }
}

TEST(EncryptedFile, SamePasswordAndDataAlwaysGiveTheSameFile) {
  const Bytes plain = testing::RandomBytes(1000, 1);
  EXPECT_EQ(Encrypt("pw", plain), Encrypt("pw", plain));
  EXPECT_NE(Encrypt("pw", plain), Encrypt("pW", plain));
}

TEST(EncryptedFile, AWrongPasswordGivesDifferentBytesOfTheSameLengthWithoutError) {
  for (const std::size_t length : {15, 16, 17, 8193}) {
    const Bytes plain = testing::RandomBytes(length, 3);
    const Bytes wrong = Decrypt("wrong", Encrypt("right", plain));
    EXPECT_EQ(wrong.size(), length);
    EXPECT_NE(wrong, plain);
  }
}

TEST(EncipherBuffer, TheResultDoesNotDependOnHowTheDataIsCut) {
  const Bytes plain = testing::RandomBytes(5000 + 13, 11);
  const Bytes whole = Encrypt(kPassword, plain);
  // Any cut into pieces that are multiples of 16 bytes, but the last; separate output
  // buffers and in-place alike.
  for (const std::size_t piece : {16u, 48u, 1024u, 4096u}) {
    TRijndaelCipher cipher;
    cipher.KeyFromPassword(kPassword, &TSha1Hash::Create);
    Bytes out(plain.size());
    Bytes inPlace = plain;
    TRijndaelCipher cipher2;
    cipher2.KeyFromPassword(kPassword, &TSha1Hash::Create);
    for (std::size_t at = 0; at < plain.size(); at += piece) {
      const std::size_t n = std::min(piece, plain.size() - at);
      cipher.EncipherBuffer(plain.data() + at, out.data() + at, n);
      cipher2.EncipherBuffer(inPlace.data() + at, inPlace.data() + at, n);
    }
    EXPECT_EQ(out, whole) << piece;
    EXPECT_EQ(inPlace, whole) << piece;

    TRijndaelCipher decipher;
    decipher.KeyFromPassword(kPassword, &TSha1Hash::Create);
    for (std::size_t at = 0; at < out.size(); at += piece) {
      const std::size_t n = std::min(piece, out.size() - at);
      decipher.DecipherBuffer(out.data() + at, out.data() + at, n);
    }
    EXPECT_EQ(out, plain) << piece;
  }
}

TEST(EncipherBuffer, ContinuesTheChainAndRestartChainGoesBackToTheIv) {
  TRijndaelCipher cipher;
  cipher.KeyFromPassword(kPassword, &TSha1Hash::Create);
  const Bytes block = testing::Pattern(16);
  Bytes first(16), second(16), again(16);
  cipher.EncipherBuffer(block.data(), first.data(), 16);
  EXPECT_EQ(Bytes(cipher.ChainingValue().begin(), cipher.ChainingValue().end()), first) << "chain = C1";
  cipher.EncipherBuffer(block.data(), second.data(), 16);
  EXPECT_NE(second, first) << "the second block is chained to the first";
  cipher.RestartChain();
  cipher.EncipherBuffer(block.data(), again.data(), 16);
  EXPECT_EQ(again, first);
}

using Progress = std::vector<std::pair<std::int64_t, std::int64_t>>;

Progress ProgressOf(std::size_t length) {
  TRijndaelCipher cipher;
  cipher.KeyFromPassword("pw", &TSha1Hash::Create);
  Progress calls;
  cipher.OnProgress = [&](std::int64_t done, std::int64_t size) { calls.emplace_back(done, size); };
  const Bytes plain(length, 'x');
  std::istringstream source(std::string(plain.begin(), plain.end()));
  std::ostringstream target;
  EXPECT_EQ(cipher.EncipherStream(source, target, static_cast<std::int64_t>(length)),
            static_cast<std::int64_t>(length));
  return calls;
}

TEST(EncipherStream, ReportsProgressAfterEveryChunkOf8192Bytes) {
  EXPECT_EQ(ProgressOf(0), Progress{}) << "an empty file reports nothing";
  EXPECT_EQ(ProgressOf(100), (Progress{{100, 100}}));
  EXPECT_EQ(ProgressOf(8192), (Progress{{8192, 8192}}));
  EXPECT_EQ(ProgressOf(8193), (Progress{{8192, 8193}, {8193, 8193}}));
  EXPECT_EQ(ProgressOf(16384), (Progress{{8192, 16384}, {16384, 16384}}));
}

TEST(EncipherStream, ASourceThatEndsEarlyIsAnError) {
  TRijndaelCipher cipher;
  cipher.KeyFromPassword("pw", &TSha1Hash::Create);
  std::istringstream source(std::string(10000, 'x'));
  std::ostringstream target;
  EXPECT_THROW(cipher.EncipherStream(source, target, 20000), std::ios_base::failure);
}

// Endless zero bytes, and a sink that only counts: a stream of any size without a file.
class ZeroSource : public std::streambuf {
 public:
  ZeroSource() { setg(zeros_, zeros_, zeros_ + sizeof(zeros_)); }

 protected:
  int_type underflow() override {
    setg(zeros_, zeros_, zeros_ + sizeof(zeros_));
    return traits_type::to_int_type(zeros_[0]);
  }

 private:
  char zeros_[65536] = {};
};

class CountingSink : public std::streambuf {
 public:
  std::int64_t count = 0;

 protected:
  std::streamsize xsputn(const char*, std::streamsize n) override {
    count += n;
    return n;
  }
  int_type overflow(int_type c) override {
    ++count;
    return c;
  }
};

TEST(EncipherStream, HandlesSizesBeyond2GiB) {
  constexpr std::int64_t kSize = (std::int64_t{1} << 31) + 17;
  TRijndaelCipher cipher;
  cipher.KeyFromPassword("pw", &TSha1Hash::Create);
  std::int64_t calls = 0;
  std::int64_t lastDone = 0;
  cipher.OnProgress = [&](std::int64_t done, std::int64_t size) {
    ++calls;
    lastDone = done;
    ASSERT_EQ(size, kSize);
  };
  ZeroSource zeros;
  CountingSink sink;
  std::istream source(&zeros);
  std::ostream target(&sink);
  EXPECT_EQ(cipher.EncipherStream(source, target, kSize), kSize);
  EXPECT_EQ(sink.count, kSize);
  EXPECT_EQ(lastDone, kSize);
  EXPECT_EQ(calls, kSize / 8192 + 1);
}

// Text mode: CFB-8 from the IV, Base64. Expected texts made with
//   printf '<text>' | openssl enc -aes-192-cfb8 -K $K -iv $IV | base64 -w0
TEST(EncipherText, MatchesAnswersComputedWithOpenssl) {
  const struct { const char* text; const char* base64; } cases[] = {
      {"", ""},
      {"Hello", "8Dbjccg="},
      {kFox, "7NWbnydyRVSm/3Ll5hb2e478qRPSUBUDWv5SXkNZGkAx1/GobSvN5zgnwJU="},
  };
  for (const auto& c : cases) {
    TRijndaelCipher cipher;
    cipher.KeyFromPassword(kPassword, &TSha1Hash::Create);
    EXPECT_EQ(cipher.EncipherText(c.text), c.base64) << c.text;
  }
}

TEST(EncipherText, AdvancesTheChainAsTheShiftRegister) {
  TRijndaelCipher cipher;
  cipher.KeyFromPassword(kPassword, &TSha1Hash::Create);
  cipher.EncipherText("Hello");
  // The register after 5 bytes: IV bytes 5 to 15, then the 5 cipher bytes ("8Dbjccg=").
  EXPECT_EQ(ToHex(Bytes(cipher.ChainingValue().begin(), cipher.ChainingValue().end())),
            "da939fe67a21747454667c" "f036e371c8");
  // Texts cut into pieces of 3 bytes (whole Base64 groups) continue one another.
  cipher.RestartChain();
  const std::string whole = cipher.EncipherText("HelloWorld!!");
  cipher.RestartChain();
  std::string pieces;
  for (const char* piece : {"Hel", "loW", "orl", "d!!"}) pieces += cipher.EncipherText(piece);
  EXPECT_EQ(pieces, whole);
}

}  // namespace
}  // namespace quenlock
