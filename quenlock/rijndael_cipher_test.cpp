#include "quenlock/rijndael_cipher.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "quenlock/cipher_errors.h"
#include "quenlock/testing/cipher_test_support.h"

namespace quenlock {
namespace {

using testing::Bytes;
using testing::FromHex;
using testing::ToHex;

Bytes EncryptOneBlock(TRijndaelCipher& cipher, const Bytes& block) {
  Bytes out(16);
  cipher.EncryptBlock(block.data(), out.data());
  return out;
}

Bytes DecryptOneBlock(TRijndaelCipher& cipher, const Bytes& block) {
  Bytes out(16);
  cipher.DecryptBlock(block.data(), out.data());
  return out;
}

TEST(TRijndaelCipher, IsTheRijndaelComponentInCbcMode) {
  TRijndaelCipher cipher;
  EXPECT_EQ(cipher.Id(), 9);
  EXPECT_EQ(cipher.Algorithm(), "Rijndael");
  EXPECT_EQ(cipher.MaxKeySize(), 256);
  EXPECT_EQ(cipher.BlockSize(), 128);
  EXPECT_EQ(cipher.CipherMode(), TCipherMode::cmCBC);
  EXPECT_FALSE(cipher.Initialized());
}

TEST(TRijndaelCipher, GivesTheKnownAnswersOfFips197) {
  // FIPS-197 appendix C.1 to C.3: the key 00 01 02 ... of 128, 192 and 256 bits.
  const Bytes plain = FromHex("00112233445566778899aabbccddeeff");
  const struct { int keySize; int rounds; const char* cipherText; } cases[] = {
      {128, 10, "69c4e0d86a7b0430d8cdb78070b4c55a"},
      {192, 12, "dda97ca4864cdfe06eaf70a0ec0d7191"},
      {256, 14, "8ea2b7ca516745bfeafc49904b496089"},
  };
  const Bytes key = FromHex("000102030405060708090a0b0c0d0e0f101112131415161718191a1b1c1d1e1f");
  for (const auto& c : cases) {
    TRijndaelCipher cipher;
    cipher.LoadKey(key, c.keySize);
    EXPECT_EQ(cipher.Rounds(), c.rounds) << c.keySize;
    EXPECT_EQ(ToHex(EncryptOneBlock(cipher, plain)), c.cipherText) << c.keySize;
    EXPECT_EQ(DecryptOneBlock(cipher, FromHex(c.cipherText)), plain) << c.keySize;
  }
}

TEST(TRijndaelCipher, TakesKeysByTheirLengthInWholeBytesWithZerosForMissingBytes) {
  const Bytes key = testing::Pattern(32);
  const Bytes block = testing::Pattern(16);
  const auto encryptWith = [&](const Bytes& k, int keySize) {
    TRijndaelCipher cipher;
    cipher.LoadKey(k, keySize);
    return std::pair(cipher.Rounds(), EncryptOneBlock(cipher, block));
  };
  const auto padded = [&](std::size_t used, std::size_t length) {
    Bytes k(length, 0);
    std::copy(key.begin(), key.begin() + static_cast<std::ptrdiff_t>(used), k.begin());
    return k;
  };
  const struct { int keySize; int rounds; std::size_t fullLength; } cases[] = {
      {4, 10, 16},     // no whole byte: the all-zero 128-bit key
      {64, 10, 16},    // 8 bytes + 8 zero bytes
      {124, 10, 16},   // 15 bytes: the half byte is dropped
      {160, 12, 24},   // the password digest: 20 bytes + 4 zero bytes
      {200, 14, 32},   // 25 bytes + 7 zero bytes
  };
  for (const auto& c : cases) {
    const auto [rounds, out] = encryptWith(key, c.keySize);
    EXPECT_EQ(rounds, c.rounds) << c.keySize;
    const auto [fullRounds, expected] =
        encryptWith(padded(static_cast<std::size_t>(c.keySize / 8), c.fullLength), static_cast<int>(c.fullLength * 8));
    EXPECT_EQ(out, expected) << c.keySize;
  }
}

TEST(TRijndaelCipher, RefusesKeySizesOutsideTheRule) {
  const Bytes key(40, 1);
  for (const int keySize : {0, -8, 6, 130, 260}) {
    TRijndaelCipher cipher;
    try {
      cipher.LoadKey(key, keySize);
      ADD_FAILURE() << keySize << " was taken";
    } catch (const ECipherError& e) {
      EXPECT_STREQ(e.what(), "Invalid key size") << keySize;
    }
    EXPECT_FALSE(cipher.Initialized()) << keySize;
  }
  TRijndaelCipher cipher;
  EXPECT_THROW(cipher.LoadKey(Bytes(10), 128), ECipherError) << "fewer key bytes than the key size";
}

TEST(TRijndaelCipher, DerivesTheIvFromTheKeyUnlessOneIsGiven) {
  const Bytes key = FromHex("000102030405060708090a0b0c0d0e0f1011121314151617");
  TRijndaelCipher derived;
  derived.LoadKey(key, 192);
  const Bytes iv(derived.InitialValue().begin(), derived.InitialValue().end());
  EXPECT_EQ(iv, EncryptOneBlock(derived, Bytes(16, 0))) << "IV = E(16 zero bytes)";
  EXPECT_EQ(derived.ChainingValue(), derived.InitialValue());

  TRijndaelCipher given;
  const Bytes ownIv = testing::Pattern(16);
  given.LoadKey(key, 192, ownIv);
  EXPECT_EQ(Bytes(given.InitialValue().begin(), given.InitialValue().end()), ownIv);
  EXPECT_EQ(Bytes(given.ChainingValue().begin(), given.ChainingValue().end()), ownIv);
}

TEST(TRijndaelCipher, KeyFromPasswordLoadsTheSha1DigestAsAnAes192Key) {
  // SHA-1("open sesame") = 5bcaff7f...a9a7; the IV is E(0) under that digest + 4 zero bytes,
  // computed with: printf '\0%.0s' {1..16} | openssl enc -aes-192-ecb -nopad -K <digest>00000000
  TRijndaelCipher cipher;
  cipher.KeyFromPassword("open sesame", &TSha1Hash::Create);
  EXPECT_TRUE(cipher.Initialized());
  EXPECT_EQ(cipher.Rounds(), 12);
  EXPECT_EQ(ToHex(Bytes(cipher.InitialValue().begin(), cipher.InitialValue().end())),
            "9be85571cfda939fe67a21747454667c");
  // The empty password hashes the empty message.
  cipher.KeyFromPassword("", &TSha1Hash::Create);
  EXPECT_EQ(ToHex(Bytes(cipher.InitialValue().begin(), cipher.InitialValue().end())),
            "5fa5b5802730fc837e0dacb874e97d9f");
}

// A hash that fails while it is fed.
class FailingHash final : public THashComponent {
 public:
  static std::unique_ptr<THashComponent> Create() { return std::make_unique<FailingHash>(); }
  int Id() const override { return 99; }
  std::string_view Algorithm() const override { return "Failing"; }
  int HashSize() const override { return 160; }
  void Init() override {}
  void Update(std::span<const std::uint8_t>) override { throw std::runtime_error("disk on fire"); }
  void Final(std::span<std::uint8_t>) override {}
};

TEST(TRijndaelCipher, KeyFromPasswordReportsAnyFailureAsTheDigestMessage) {
  TRijndaelCipher cipher;
  cipher.KeyFromPassword("first", &TSha1Hash::Create);
  try {
    cipher.KeyFromPassword("second", &FailingHash::Create);
    ADD_FAILURE() << "a failing hash went unnoticed";
  } catch (const ECipherError& e) {
    EXPECT_STREQ(e.what(), "Unable to allocate sufficient memory for hash digest");
  }
  EXPECT_FALSE(cipher.Initialized()) << "the previous key was wiped first";
}

TEST(TRijndaelCipher, BlockOperationsNeedAKey) {
  TRijndaelCipher cipher;
  Bytes data(32);
  const auto expectNotInitialized = [](const char* step, auto&& call) {
    try {
      call();
      ADD_FAILURE() << step << " did not fail";
    } catch (const EBlockCipherError& e) {
      EXPECT_STREQ(e.what(), "Cipher not initialized") << step;
    }
  };
  const auto everyOperation = [&](const char* when) {
    SCOPED_TRACE(when);
    expectNotInitialized("EncryptBlock", [&] { cipher.EncryptBlock(data.data(), data.data()); });
    expectNotInitialized("DecryptBlock", [&] { cipher.DecryptBlock(data.data(), data.data()); });
    expectNotInitialized("EncipherBuffer", [&] { cipher.EncipherBuffer(data.data(), data.data(), data.size()); });
    expectNotInitialized("DecipherBuffer", [&] { cipher.DecipherBuffer(data.data(), data.data(), 3); });
    expectNotInitialized("EncipherText", [&] { cipher.EncipherText("abc"); });
  };
  everyOperation("before a key was loaded");
  cipher.KeyFromPassword("pw", &TSha1Hash::Create);
  cipher.WipeKey();
  everyOperation("after the key was wiped");
}

TEST(TRijndaelCipher, WipeKeyLeavesTheDocumentedFillValues) {
  TRijndaelCipher cipher;
  cipher.KeyFromPassword("open sesame", &TSha1Hash::Create);
  Bytes data = testing::Pattern(40);
  cipher.EncipherBuffer(data.data(), data.data(), data.size());
  cipher.WipeKey();
  EXPECT_FALSE(cipher.Initialized());
  EXPECT_EQ(cipher.Rounds(), 0);
  EXPECT_EQ(Bytes(cipher.InitialValue().begin(), cipher.InitialValue().end()), Bytes(16, 0xFF));
  EXPECT_EQ(Bytes(cipher.ChainingValue().begin(), cipher.ChainingValue().end()), Bytes(16, 0xFF));
}

}  // namespace
}  // namespace quenlock
