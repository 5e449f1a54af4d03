// Hash components: the SHA-1 hash (FIPS 180-1) that turns a password into a cipher key.
// A hash is started, fed any number of times and finished into a digest buffer;
// finishing erases its state, so it must be started again before further use.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string_view>

#include "quenlock/gcrypt_library.h"

namespace quenlock {

class THashComponent {
 public:
  virtual ~THashComponent() = default;

  virtual int Id() const = 0;
  virtual std::string_view Algorithm() const = 0;
  virtual int HashSize() const = 0;  // bits

  virtual void Init() = 0;
  // Throws EHashError "Hash not initialized" before Init.
  virtual void Update(std::span<const std::uint8_t> bytes) = 0;
  // Writes HashSize() / 8 bytes into `digest` and erases the state.
  // Throws EHashError "Hash not initialized" before Init.
  virtual void Final(std::span<std::uint8_t> digest) = 0;
};

// The class of hash a key is derived with: makes a new hash component.
using THashClass = std::unique_ptr<THashComponent> (*)();

class TSha1Hash final : public THashComponent {
 public:
  static std::unique_ptr<THashComponent> Create();

  int Id() const override { return 2; }
  std::string_view Algorithm() const override { return "SHA1"; }
  int HashSize() const override { return 160; }

  void Init() override;
  void Update(std::span<const std::uint8_t> bytes) override;
  void Final(std::span<std::uint8_t> digest) override;

 private:
  GcryHash fState;  // null until Init and again after Final
};

}  // namespace quenlock
