#include "quenlock/wipe.h"

#include <new>

#include "quenlock/gcrypt_library.h"

namespace quenlock {

void WipeBytes(void* data, std::size_t size, std::uint8_t fill) noexcept {
  // Stores through a volatile pointer are observable behaviour: they are never removed.
  volatile std::uint8_t* bytes = static_cast<volatile std::uint8_t*>(data);
  for (std::size_t i = 0; i < size; ++i) bytes[i] = fill;
}

WipedBuffer::WipedBuffer(std::size_t size, std::uint8_t fill) : size_(size), fill_(fill) {
  EnsureGcrypt();
  data_ = static_cast<std::uint8_t*>(gcry_calloc_secure(size ? size : 1, 1));
  if (!data_) throw std::bad_alloc();
}

WipedBuffer::~WipedBuffer() {
  WipeBytes(data_, size_, fill_);
  gcry_free(data_);
}

}  // namespace quenlock
