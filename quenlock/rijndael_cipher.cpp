#include "quenlock/rijndael_cipher.h"

#include <cstring>

#include "quenlock/cipher_errors.h"
#include "quenlock/wipe.h"

namespace quenlock {

namespace {

GcryCipher OpenCipher(int algorithm, int mode, const std::uint8_t* key, std::size_t keyLength) {
  gcry_cipher_hd_t handle = nullptr;
  ThrowIfGcryptFailed(gcry_cipher_open(&handle, algorithm, mode, 0), "Cannot open the AES cipher");
  GcryCipher cipher(handle);
  ThrowIfGcryptFailed(gcry_cipher_setkey(handle, key, keyLength), "Cannot load the AES key");
  return cipher;
}

void ThrowIfBlockFailed(gcry_error_t error) {
  if (error) throw EBlockCipherError(std::string("AES block operation failed: ") + gcry_strerror(error));
}

}  // namespace

TRijndaelCipher::TRijndaelCipher() { EnsureGcrypt(); }

TRijndaelCipher::~TRijndaelCipher() { WipeKey(); }

void TRijndaelCipher::ExpandKey(std::span<const std::uint8_t> keyBytes) {
  int algorithm = GCRY_CIPHER_AES256;
  std::size_t keyLength = 32;
  fRounds = 14;
  if (keyBytes.size() <= 16) {
    algorithm = GCRY_CIPHER_AES128;
    keyLength = 16;
    fRounds = 10;
  } else if (keyBytes.size() <= 24) {
    algorithm = GCRY_CIPHER_AES192;
    keyLength = 24;
    fRounds = 12;
  }
  struct KeyBuffer {
    std::uint8_t bytes[32] = {};
    ~KeyBuffer() { WipeBytes(bytes, sizeof(bytes), 0); }
  } key;
  std::memcpy(key.bytes, keyBytes.data(), keyBytes.size());
  fBlock = OpenCipher(algorithm, GCRY_CIPHER_MODE_ECB, key.bytes, keyLength);
  fChained = OpenCipher(algorithm, GCRY_CIPHER_MODE_CBC, key.bytes, keyLength);
}

void TRijndaelCipher::BurnRoundKeys() noexcept {
  // Closing a handle makes libgcrypt overwrite its key schedule with zeros.
  fBlock.reset();
  fChained.reset();
  fRounds = 0;
}

void TRijndaelCipher::EncryptBlock(const std::uint8_t* in, std::uint8_t* out) {
  RequireInitialized();
  ThrowIfBlockFailed(gcry_cipher_encrypt(fBlock.get(), out, kBlockBytes, in, kBlockBytes));
}

void TRijndaelCipher::DecryptBlock(const std::uint8_t* in, std::uint8_t* out) {
  RequireInitialized();
  ThrowIfBlockFailed(gcry_cipher_decrypt(fBlock.get(), out, kBlockBytes, in, kBlockBytes));
}

void TRijndaelCipher::EncipherBlocks(const std::uint8_t* in, std::uint8_t* out, std::size_t blocks,
                                     TBlock128& chain) {
  const std::size_t length = blocks * kBlockBytes;
  ThrowIfBlockFailed(gcry_cipher_setiv(fChained.get(), chain.data(), chain.size()));
  ThrowIfBlockFailed(in == out ? gcry_cipher_encrypt(fChained.get(), out, length, nullptr, 0)
                               : gcry_cipher_encrypt(fChained.get(), out, length, in, length));
  std::memcpy(chain.data(), out + length - kBlockBytes, kBlockBytes);
}

void TRijndaelCipher::DecipherBlocks(const std::uint8_t* in, std::uint8_t* out, std::size_t blocks,
                                     TBlock128& chain) {
  const std::size_t length = blocks * kBlockBytes;
  TBlock128 lastCipherBlock;  // kept before an in-place transform overwrites it
  std::memcpy(lastCipherBlock.data(), in + length - kBlockBytes, kBlockBytes);
  ThrowIfBlockFailed(gcry_cipher_setiv(fChained.get(), chain.data(), chain.size()));
  ThrowIfBlockFailed(in == out ? gcry_cipher_decrypt(fChained.get(), out, length, nullptr, 0)
                               : gcry_cipher_decrypt(fChained.get(), out, length, in, length));
  chain = lastCipherBlock;
}

}  // namespace quenlock
