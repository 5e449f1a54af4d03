// Overwriting memory that held key material, in a way the compiler may not drop as a
// dead store, and a buffer for such material that is overwritten before it is freed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace quenlock {

// Fills `size` bytes at `data` with `fill`.
void WipeBytes(void* data, std::size_t size, std::uint8_t fill) noexcept;

// A buffer from libgcrypt's allocator (the one meant for secrets) that is filled with
// `fill` before it is released.
class WipedBuffer {
 public:
  WipedBuffer(std::size_t size, std::uint8_t fill);
  ~WipedBuffer();
  WipedBuffer(const WipedBuffer&) = delete;
  WipedBuffer& operator=(const WipedBuffer&) = delete;

  std::span<std::uint8_t> Bytes() noexcept { return {data_, size_}; }

 private:
  std::uint8_t* data_;
  std::size_t size_;
  std::uint8_t fill_;
};

}  // namespace quenlock
