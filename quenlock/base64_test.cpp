#include "quenlock/base64.h"

#include <gtest/gtest.h>

#include "quenlock/testing/cipher_test_support.h"

namespace quenlock {
namespace {

TEST(Base64Encode, GivesTheVectorsOfRfc4648) {
  const struct { const char* bytes; const char* text; } cases[] = {
      {"", ""},         {"f", "Zg=="},         {"fo", "Zm8="},         {"foo", "Zm9v"},
      {"foob", "Zm9vYg=="}, {"fooba", "Zm9vYmE="}, {"foobar", "Zm9vYmFy"},
  };
  for (const auto& c : cases) EXPECT_EQ(Base64Encode(testing::BytesOf(c.bytes)), c.text) << c.bytes;
}

TEST(Base64Encode, UsesTheStandardAlphabetForEverySextet) {
  // Bytes 00 10 83 10 51 87 20 92 8b 30 d3 8f 41 14 93 51 55 97 61 96 9b 71 d7 9f 82 18 a3
  // 92 59 a7 a2 9a ab b2 db af c3 1c b3 d3 5d b7 e3 9e bb f3 df bf hold the sextets 0..63.
  const auto bytes = testing::FromHex(
      "00108310518720928b30d38f41149351559761969b71d79f8218a39259a7a29aabb2dbafc31cb3d35db7e39ebbf3dfbf");
  EXPECT_EQ(Base64Encode(bytes), "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/");
}

}  // namespace
}  // namespace quenlock
