// Nothing of a key stays in memory that libgcrypt's allocator gives back: every block
// libgcrypt frees (cipher and hash contexts, the digest buffer) is searched for the key.
#include <gcrypt.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <vector>

#include "quenlock/rijndael_cipher.h"
#include "quenlock/testing/cipher_test_support.h"

namespace quenlock {
namespace {

using testing::Bytes;

// Every block libgcrypt frees, as it was at the moment it was freed.
struct FreedBlocks {
  std::mutex mutex;
  std::vector<Bytes> blocks;
  long live = 0;  // blocks allocated and not yet freed
};
FreedBlocks& Freed() {
  static FreedBlocks freed;
  return freed;
}

// Each block carries its size in front of it, so the content can be read when it is freed.
constexpr std::size_t kHeader = 16;

void* TrackedAlloc(std::size_t size) {
  auto* raw = static_cast<unsigned char*>(std::malloc(size + kHeader));
  if (!raw) return nullptr;
  std::memcpy(raw, &size, sizeof(size));
  {
    std::lock_guard lock(Freed().mutex);
    ++Freed().live;
  }
  return raw + kHeader;
}

void TrackedFree(void* pointer) {
  if (!pointer) return;
  auto* raw = static_cast<unsigned char*>(pointer) - kHeader;
  std::size_t size = 0;
  std::memcpy(&size, raw, sizeof(size));
  {
    std::lock_guard lock(Freed().mutex);
    Freed().blocks.emplace_back(static_cast<unsigned char*>(pointer), static_cast<unsigned char*>(pointer) + size);
    --Freed().live;
  }
  std::free(raw);
}

void* TrackedRealloc(void* pointer, std::size_t size) {
  void* fresh = TrackedAlloc(size);
  if (fresh && pointer) {
    std::size_t old = 0;
    std::memcpy(&old, static_cast<unsigned char*>(pointer) - kHeader, sizeof(old));
    std::memcpy(fresh, pointer, std::min(old, size));
    TrackedFree(pointer);
  }
  return fresh;
}

int NeverSecure(const void*) { return 0; }

// Installed before anything initialises libgcrypt (the engine does so on first use).
const bool kInstalled = [] {
  gcry_set_allocation_handler(&TrackedAlloc, &TrackedAlloc, &NeverSecure, &TrackedRealloc, &TrackedFree);
  return true;
}();

// Whether any 8 bytes in a row of `secret` occur in the block, in memory order or with
// each 32-bit word reversed (the layout of a key schedule held as numbers).
bool Contains(const Bytes& block, const Bytes& secret) {
  Bytes swapped = secret;
  for (std::size_t i = 0; i + 4 <= swapped.size(); i += 4) std::reverse(swapped.begin() + i, swapped.begin() + i + 4);
  for (const Bytes* form : std::array<const Bytes*, 2>{&secret, &swapped}) {
    for (std::size_t at = 0; at + 8 <= form->size(); at += 4) {
      if (std::search(block.begin(), block.end(), form->begin() + at, form->begin() + at + 8) != block.end()) {
        return true;
      }
    }
  }
  return false;
}

long LiveBlocks() {
  std::lock_guard lock(Freed().mutex);
  return Freed().live;
}

std::vector<Bytes> TakeFreedBlocks() {
  std::lock_guard lock(Freed().mutex);
  return std::exchange(Freed().blocks, {});
}

TEST(KeyWipe, TheSearchFindsAKeyLeftInFreedMemory) {
  ASSERT_TRUE(kInstalled);
  const Bytes key = testing::FromHex("5bcaff7f22ff533ca099b3408ead876c0ebba9a7");
  TakeFreedBlocks();
  void* careless = gcry_malloc(64);
  std::memcpy(static_cast<char*>(careless) + 10, key.data(), key.size());
  gcry_free(careless);
  const auto freed = TakeFreedBlocks();
  ASSERT_EQ(freed.size(), 1u);
  EXPECT_TRUE(Contains(freed[0], key));
}

TEST(KeyWipe, NoKeyMaterialStaysInFreedMemory) {
  // SHA-1("open sesame"): the 160-bit key.
  const Bytes key = testing::FromHex("5bcaff7f22ff533ca099b3408ead876c0ebba9a7");
  { TRijndaelCipher initialisesLibgcrypt; }
  TakeFreedBlocks();
  const long liveBefore = LiveBlocks();
  {
    TRijndaelCipher cipher;
    cipher.KeyFromPassword("open sesame", &TSha1Hash::Create);
    Bytes data = testing::Pattern(100);
    cipher.EncipherBuffer(data.data(), data.data(), data.size());
    cipher.RestartChain();
    cipher.DecipherBuffer(data.data(), data.data(), data.size());
    cipher.EncipherText("text");
    cipher.KeyFromPassword("another password", &TSha1Hash::Create);  // wipes the first key
    cipher.WipeKey();
  }
  EXPECT_EQ(LiveBlocks(), liveBefore) << "every block libgcrypt took for the key was given back";
  const auto freed = TakeFreedBlocks();
  // The digest buffer, two hash states and at least two cipher contexts per key.
  ASSERT_GE(freed.size(), 6u) << "libgcrypt's blocks were not seen";
  bool digestBufferSeen = false;
  for (const auto& block : freed) {
    EXPECT_FALSE(Contains(block, key)) << "a freed block of " << block.size() << " bytes holds the key";
    digestBufferSeen |= block == Bytes(20, 0xFF);
  }
  EXPECT_TRUE(digestBufferSeen) << "the digest buffer is released filled with 0xFF";
}

}  // namespace
}  // namespace quenlock
