#include "quenlock/cipher_component.h"

#include <algorithm>
#include <cstring>
#include <istream>
#include <ostream>
#include <vector>

#include "quenlock/base64.h"
#include "quenlock/cipher_errors.h"
#include "quenlock/wipe.h"

namespace quenlock {

void TCipherComponent::KeyFromPassword(std::string_view password, THashClass hashClass) {
  if (fInitialized) WipeKey();
  try {
    std::unique_ptr<THashComponent> hash = hashClass();
    const int hashSize = hash->HashSize();
    if (hashSize <= 0 || hashSize % 8 != 0) throw ECipherError("The hash has no whole-byte digest");
    WipedBuffer digest(static_cast<std::size_t>(hashSize / 8), 0xFF);
    hash->Init();
    hash->Update({reinterpret_cast<const std::uint8_t*>(password.data()), password.size()});
    hash->Final(digest.Bytes());
    hash.reset();
    LoadKey(digest.Bytes(), std::min(MaxKeySize(), hashSize));
  } catch (const std::exception&) {
    throw ECipherError("Unable to allocate sufficient memory for hash digest");
  }
}

std::int64_t TBlockCipher::EncipherStream(std::istream& source, std::ostream& target, std::int64_t size) {
  return TransformStream(source, target, size, true);
}

std::int64_t TBlockCipher::DecipherStream(std::istream& source, std::ostream& target, std::int64_t size) {
  return TransformStream(source, target, size, false);
}

std::int64_t TBlockCipher::TransformStream(std::istream& source, std::ostream& target, std::int64_t size,
                                           bool encipher) {
  // One buffer for the whole stream, whatever its size; it holds plain data, so it is
  // overwritten before it is released.
  struct ChunkBuffer {
    std::vector<std::uint8_t> bytes = std::vector<std::uint8_t>(kStreamChunk);
    ~ChunkBuffer() { WipeBytes(bytes.data(), bytes.size(), 0); }
  } buffer;
  std::int64_t done = 0;
  const auto transformChunk = [&](std::size_t count) {
    auto* data = buffer.bytes.data();
    source.read(reinterpret_cast<char*>(data), static_cast<std::streamsize>(count));
    if (static_cast<std::size_t>(source.gcount()) != count) {
      throw std::ios_base::failure("The source ended after " + std::to_string(done + source.gcount()) + " of " +
                                   std::to_string(size) + " bytes");
    }
    if (encipher) {
      EncipherBuffer(data, data, count);
    } else {
      DecipherBuffer(data, data, count);
    }
    if (!target.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(count))) {
      throw std::ios_base::failure("Cannot write the target after " + std::to_string(done) + " bytes");
    }
    done += static_cast<std::int64_t>(count);
    if (OnProgress) OnProgress(done, size);
  };
  const std::int64_t chunk = static_cast<std::int64_t>(kStreamChunk);
  for (std::int64_t i = 0; i < size / chunk; ++i) transformChunk(kStreamChunk);
  if (size > 0 && size % chunk != 0) transformChunk(static_cast<std::size_t>(size % chunk));
  return done;
}

void TBlockCipher128::LoadKey(std::span<const std::uint8_t> key, int keySize, std::span<const std::uint8_t> iv) {
  if (fInitialized) WipeKey();
  if (keySize <= 0 || keySize % 4 != 0 || keySize > MaxKeySize() || key.size() < static_cast<std::size_t>(keySize / 8)) {
    throw ECipherError("Invalid key size");
  }
  if (!iv.empty() && iv.size() != kBlockBytes) throw ECipherError("Invalid IV size");
  fInitialized = true;
  try {
    ExpandKey(key.first(static_cast<std::size_t>(keySize / 8)));
    if (iv.empty()) {
      const TBlock128 zero{};
      EncryptBlock(zero.data(), fIV.data());
    } else {
      std::copy(iv.begin(), iv.end(), fIV.begin());
    }
  } catch (...) {
    WipeKey();
    throw;
  }
  RestartChain();
}

void TBlockCipher128::WipeKey() noexcept {
  BurnRoundKeys();
  WipeBytes(fIV.data(), fIV.size(), 0xFF);
  WipeBytes(fChain.data(), fChain.size(), 0xFF);
  fInitialized = false;
}

void TBlockCipher128::RestartChain() { fChain = fIV; }

void TBlockCipher128::RequireInitialized() const {
  if (!fInitialized) throw EBlockCipherError("Cipher not initialized");
}

void TBlockCipher128::TransformTail(const std::uint8_t* in, std::uint8_t* out, std::size_t length) {
  EncryptBlock(fChain.data(), fChain.data());
  for (std::size_t i = 0; i < length; ++i) out[i] = static_cast<std::uint8_t>(in[i] ^ fChain[i]);
}

void TBlockCipher128::EncipherBuffer(const std::uint8_t* in, std::uint8_t* out, std::size_t length) {
  RequireInitialized();
  const std::size_t blocks = length / kBlockBytes;
  if (blocks > 0) EncipherBlocks(in, out, blocks, fChain);
  if (length % kBlockBytes != 0) {
    const std::size_t whole = blocks * kBlockBytes;
    TransformTail(in + whole, out + whole, length - whole);
  }
}

void TBlockCipher128::DecipherBuffer(const std::uint8_t* in, std::uint8_t* out, std::size_t length) {
  RequireInitialized();
  const std::size_t blocks = length / kBlockBytes;
  if (blocks > 0) DecipherBlocks(in, out, blocks, fChain);
  if (length % kBlockBytes != 0) {
    // The tail is encrypted and decrypted by the same operation: block encryption.
    const std::size_t whole = blocks * kBlockBytes;
    TransformTail(in + whole, out + whole, length - whole);
  }
}

std::string TBlockCipher128::EncipherText(std::string_view text) {
  RequireInitialized();
  std::vector<std::uint8_t> cipherText(text.size());
  TBlock128 keyStream{};
  for (std::size_t i = 0; i < text.size(); ++i) {
    // 8-bit cipher feedback: the chaining value is the shift register.
    EncryptBlock(fChain.data(), keyStream.data());
    const auto c = static_cast<std::uint8_t>(static_cast<std::uint8_t>(text[i]) ^ keyStream[0]);
    std::memmove(fChain.data(), fChain.data() + 1, kBlockBytes - 1);
    fChain[kBlockBytes - 1] = c;
    cipherText[i] = c;
  }
  WipeBytes(keyStream.data(), keyStream.size(), 0);
  return Base64Encode(cipherText);
}

}  // namespace quenlock
