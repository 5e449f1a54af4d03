#include "quenlock/hash_component.h"

#include <cstring>
#include <stdexcept>

#include "quenlock/cipher_errors.h"

namespace quenlock {

std::unique_ptr<THashComponent> TSha1Hash::Create() { return std::make_unique<TSha1Hash>(); }

void TSha1Hash::Init() {
  EnsureGcrypt();
  gcry_md_hd_t handle = nullptr;
  ThrowIfGcryptFailed(gcry_md_open(&handle, GCRY_MD_SHA1, 0), "Cannot start SHA-1");
  fState.reset(handle);  // closing a previous state wipes it
}

void TSha1Hash::Update(std::span<const std::uint8_t> bytes) {
  if (!fState) throw EHashError("Hash not initialized");
  gcry_md_write(fState.get(), bytes.data(), bytes.size());
}

void TSha1Hash::Final(std::span<std::uint8_t> digest) {
  if (!fState) throw EHashError("Hash not initialized");
  constexpr std::size_t kDigestBytes = 20;
  if (digest.size() < kDigestBytes) throw std::invalid_argument("The SHA-1 digest buffer is smaller than 20 bytes");
  const unsigned char* result = gcry_md_read(fState.get(), GCRY_MD_SHA1);
  std::memcpy(digest.data(), result, kDigestBytes);
  fState.reset();  // libgcrypt wipes the state, buffer and lengths on close
}

}  // namespace quenlock
