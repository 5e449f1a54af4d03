// The cipher engine's component classes:
//   TCipherComponent  identity, key from a password, progress event
//   TBlockCipher      block size, chaining mode, buffer, stream and text transforms
//   TBlockCipher128   128-bit blocks: the chaining value, CBC with the tail rule, CFB-8
// The concrete block cipher (TRijndaelCipher) supplies key expansion and block operations.
//
// Encrypted data has exactly the length of the plain data. Whole 16-byte blocks are
// chained (CBC) from the chaining value; a tail shorter than a block is XORed with the
// first bytes of E(chaining value), so the same operation encrypts and decrypts it.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <iosfwd>
#include <span>
#include <string>
#include <string_view>

#include "quenlock/hash_component.h"

namespace quenlock {

enum class TCipherMode { cmCBC };

// Progress of a stream transform: bytes processed so far and the bytes of the whole job.
using TNotifyEncodeProgress = std::function<void(std::int64_t Porgress, std::int64_t Size)>;

class TCipherComponent {
 public:
  TCipherComponent() = default;
  virtual ~TCipherComponent() = default;
  TCipherComponent(const TCipherComponent&) = delete;
  TCipherComponent& operator=(const TCipherComponent&) = delete;

  virtual int Id() const = 0;
  virtual std::string_view Algorithm() const = 0;
  virtual int MaxKeySize() const = 0;  // bits

  // Called after every chunk of a stream transform; may stay empty.
  TNotifyEncodeProgress OnProgress;

  bool Initialized() const noexcept { return fInitialized; }

  // Loads the digest of `password` (its bytes as given, no terminator) under `hashClass`
  // as the key: key size = the smaller of MaxKeySize() and the hash size; no IV. The
  // digest buffer is overwritten with 0xFF before it is released. Any failure is thrown
  // as ECipherError "Unable to allocate sufficient memory for hash digest".
  void KeyFromPassword(std::string_view password, THashClass hashClass);

  // Loads a key of `keySize` bits from the first keySize / 8 bytes of `key`, and the IV
  // from `iv` (empty: derived from the key). Throws ECipherError "Invalid key size".
  virtual void LoadKey(std::span<const std::uint8_t> key, int keySize, std::span<const std::uint8_t> iv = {}) = 0;

  // Erases the key material and marks the engine uninitialised.
  virtual void WipeKey() noexcept = 0;

 protected:
  bool fInitialized = false;
};

class TBlockCipher : public TCipherComponent {
 public:
  virtual int BlockSize() const = 0;  // bits
  TCipherMode CipherMode() const noexcept { return fCipherMode; }

  // Sets the chaining value back to the IV.
  virtual void RestartChain() = 0;

  // Transform `length` bytes in the current mode, continuing the chaining value. `in` and
  // `out` may be the same buffer. Throw EBlockCipherError "Cipher not initialized".
  virtual void EncipherBuffer(const std::uint8_t* in, std::uint8_t* out, std::size_t length) = 0;
  virtual void DecipherBuffer(const std::uint8_t* in, std::uint8_t* out, std::size_t length) = 0;

  // Transform `size` bytes from `source` to `target` in chunks of kStreamChunk bytes,
  // reporting progress after each chunk; return the number of bytes read. A source that
  // ends early or a target that cannot be written throws std::ios_base::failure.
  std::int64_t EncipherStream(std::istream& source, std::ostream& target, std::int64_t size);
  std::int64_t DecipherStream(std::istream& source, std::ostream& target, std::int64_t size);

  // The text's bytes in 8-bit cipher feedback from the chaining value, as Base64.
  virtual std::string EncipherText(std::string_view text) = 0;

  // One block of BlockSize() / 8 bytes.
  virtual void EncryptBlock(const std::uint8_t* in, std::uint8_t* out) = 0;
  virtual void DecryptBlock(const std::uint8_t* in, std::uint8_t* out) = 0;

  static constexpr std::size_t kStreamChunk = 8192;

 private:
  std::int64_t TransformStream(std::istream& source, std::ostream& target, std::int64_t size, bool encipher);

  TCipherMode fCipherMode = TCipherMode::cmCBC;
};

using TBlock128 = std::array<std::uint8_t, 16>;

class TBlockCipher128 : public TBlockCipher {
 public:
  static constexpr std::size_t kBlockBytes = 16;

  int BlockSize() const override { return 128; }

  // Refuses a key size of 0, one that is not a multiple of 4 bits, one above
  // MaxKeySize() and a key shorter than keySize / 8 bytes. Without an IV:
  // IV := E(16 zero bytes). The chaining value starts at the IV.
  void LoadKey(std::span<const std::uint8_t> key, int keySize, std::span<const std::uint8_t> iv = {}) override;
  // Round keys erased, IV and chaining value filled with 0xFF, engine uninitialised.
  void WipeKey() noexcept override;
  void RestartChain() override;

  void EncipherBuffer(const std::uint8_t* in, std::uint8_t* out, std::size_t length) override;
  void DecipherBuffer(const std::uint8_t* in, std::uint8_t* out, std::size_t length) override;
  std::string EncipherText(std::string_view text) override;

  const TBlock128& InitialValue() const noexcept { return fIV; }
  const TBlock128& ChainingValue() const noexcept { return fChain; }

 protected:
  // Expands `keyBytes` (keySize / 8 bytes) into round keys.
  virtual void ExpandKey(std::span<const std::uint8_t> keyBytes) = 0;
  // Erases the round keys.
  virtual void BurnRoundKeys() noexcept = 0;
  // CBC over `blocks` whole blocks from `chain`, which is updated to the last
  // ciphertext block. `in` and `out` are the same buffer or do not overlap.
  virtual void EncipherBlocks(const std::uint8_t* in, std::uint8_t* out, std::size_t blocks, TBlock128& chain) = 0;
  virtual void DecipherBlocks(const std::uint8_t* in, std::uint8_t* out, std::size_t blocks, TBlock128& chain) = 0;

  void RequireInitialized() const;

 private:
  // The tail rule: chain := E(chain); out := in XOR the first `length` bytes of chain.
  void TransformTail(const std::uint8_t* in, std::uint8_t* out, std::size_t length);

  TBlock128 fIV{};
  TBlock128 fChain{};
};

}  // namespace quenlock
