// libgcrypt, which supplies the AES block cipher and SHA-1: its one-time initialisation
// and owners for its handles. Closing a libgcrypt handle overwrites the key schedule or
// hash state it held before the memory is released.
#pragma once

#include <gcrypt.h>

#include <memory>
#include <string>

namespace quenlock {

// Initialises libgcrypt once per process (thread-safe); every user calls it first.
void EnsureGcrypt();

// Throws std::runtime_error "<what>: <libgcrypt's reason>" when `error` is not 0.
void ThrowIfGcryptFailed(gcry_error_t error, const char* what);

struct GcryCipherClose {
  void operator()(gcry_cipher_hd_t handle) const noexcept { gcry_cipher_close(handle); }
};
using GcryCipher = std::unique_ptr<std::remove_pointer_t<gcry_cipher_hd_t>, GcryCipherClose>;

struct GcryHashClose {
  void operator()(gcry_md_hd_t handle) const noexcept { gcry_md_close(handle); }
};
using GcryHash = std::unique_ptr<std::remove_pointer_t<gcry_md_hd_t>, GcryHashClose>;

}  // namespace quenlock
