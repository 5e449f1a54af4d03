#include "quenlock/hash_component.h"

#include <gtest/gtest.h>

#include <string>

#include "quenlock/cipher_errors.h"
#include "quenlock/testing/cipher_test_support.h"

namespace quenlock {
namespace {

using testing::Bytes;
using testing::BytesOf;
using testing::ToHex;

std::string Sha1(const std::string& message) { return testing::Sha1Hex(BytesOf(message)); }

TEST(TSha1Hash, IsTheSha1Component) {
  const auto hash = TSha1Hash::Create();
  EXPECT_EQ(hash->Id(), 2);
  EXPECT_EQ(hash->Algorithm(), "SHA1");
  EXPECT_EQ(hash->HashSize(), 160);
}

TEST(TSha1Hash, GivesTheKnownAnswersOfTheStandard) {
  // FIPS 180-1, appendix A and B, and the million "a" of appendix C; the empty message.
  const struct { std::string message; const char* digest; } cases[] = {
      {"abc", "a9993e364706816aba3e25717850c26c9cd0d89d"},
      {"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq", "84983e441c3bd26ebaae4aa1f95129e5e54670f1"},
      {std::string(1000000, 'a'), "34aa973cd4c4daa4f61eeb2bdbad27316534016f"},
      {"", "da39a3ee5e6b4b0d3255bfef95601890afd80709"},
  };
  for (const auto& c : cases) EXPECT_EQ(Sha1(c.message), c.digest) << c.message.substr(0, 60);
}

TEST(TSha1Hash, FeedingInPiecesGivesTheSameDigest) {
  TSha1Hash hash;
  hash.Init();
  const Bytes message = BytesOf("abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq");
  for (std::size_t i = 0; i < message.size(); i += 5) {
    hash.Update(std::span(message).subspan(i, std::min<std::size_t>(5, message.size() - i)));
  }
  Bytes digest(20);
  hash.Final(digest);
  EXPECT_EQ(ToHex(digest), "84983e441c3bd26ebaae4aa1f95129e5e54670f1");
}

TEST(TSha1Hash, MustBeStartedBeforeItIsFedOrFinished) {
  TSha1Hash hash;
  Bytes digest(20);
  const auto expectNotInitialized = [&](const char* step, auto&& call) {
    try {
      call();
      ADD_FAILURE() << step << " did not fail";
    } catch (const EHashError& e) {
      EXPECT_STREQ(e.what(), "Hash not initialized") << step;
    }
  };
  expectNotInitialized("Update before Init", [&] { hash.Update(BytesOf("abc")); });
  expectNotInitialized("Final before Init", [&] { hash.Final(digest); });
  // Finishing ends the hash: it must be started again.
  hash.Init();
  hash.Final(digest);
  expectNotInitialized("Update after Final", [&] { hash.Update(BytesOf("abc")); });
  hash.Init();
  hash.Update(BytesOf("abc"));
  hash.Final(digest);
  EXPECT_EQ(ToHex(digest), "a9993e364706816aba3e25717850c26c9cd0d89d") << "a restarted hash starts from scratch";
}

}  // namespace
}  // namespace quenlock
