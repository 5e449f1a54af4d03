#include "quenlock/gcrypt_library.h"

#include <stdexcept>

namespace quenlock {

namespace {

bool Initialise() {
  if (!gcry_check_version(GCRYPT_VERSION)) {
    throw std::runtime_error(std::string("libgcrypt ") + GCRYPT_VERSION + " or newer is needed; found " +
                             gcry_check_version(nullptr));
  }
  // No locked "secure memory" pool: it needs privileges the programs do not have.
  // Key material is wiped by its owners instead.
  gcry_control(GCRYCTL_DISABLE_SECMEM, 0);
  gcry_control(GCRYCTL_INITIALIZATION_FINISHED, 0);
  return true;
}

}  // namespace

void EnsureGcrypt() {
  static const bool initialised = Initialise();
  (void)initialised;
}

void ThrowIfGcryptFailed(gcry_error_t error, const char* what) {
  if (error) throw std::runtime_error(std::string(what) + ": " + gcry_strerror(error));
}

}  // namespace quenlock
