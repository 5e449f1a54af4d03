// The Rijndael block cipher with 128-bit blocks (AES, FIPS-197), on libgcrypt.
//
// Keys are taken by their length in whole bytes: up to 16 bytes as a 128-bit key
// (10 rounds), 17 to 24 bytes as a 192-bit key (12 rounds), longer as a 256-bit key
// (14 rounds); missing bytes are zero. A 160-bit password digest thus makes an AES-192
// key: the digest followed by four zero bytes.
#pragma once

#include "quenlock/cipher_component.h"
#include "quenlock/gcrypt_library.h"

namespace quenlock {

class TRijndaelCipher final : public TBlockCipher128 {
 public:
  TRijndaelCipher();
  ~TRijndaelCipher() override;  // wipes the key

  int Id() const override { return 9; }
  std::string_view Algorithm() const override { return "Rijndael"; }
  int MaxKeySize() const override { return 256; }

  // 10, 12 or 14 with a key loaded, 0 otherwise.
  int Rounds() const noexcept { return fRounds; }

  void EncryptBlock(const std::uint8_t* in, std::uint8_t* out) override;
  void DecryptBlock(const std::uint8_t* in, std::uint8_t* out) override;

 protected:
  void ExpandKey(std::span<const std::uint8_t> keyBytes) override;
  void BurnRoundKeys() noexcept override;
  void EncipherBlocks(const std::uint8_t* in, std::uint8_t* out, std::size_t blocks, TBlock128& chain) override;
  void DecipherBlocks(const std::uint8_t* in, std::uint8_t* out, std::size_t blocks, TBlock128& chain) override;

 private:
  int fRounds = 0;
  // The same round keys twice: one handle for single blocks, one that chains whole
  // runs of blocks in libgcrypt's CBC code (hardware AES where the processor has it).
  GcryCipher fBlock;
  GcryCipher fChained;
};

}  // namespace quenlock
