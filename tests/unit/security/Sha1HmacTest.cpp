#include <gtest/gtest.h>
#include <openssl/hmac.h>
#include <openssl/sha.h>

#include <cstdint>
#include <string>
#include <vector>

#include "security/MathFuncInternal.h"
#include "unit/security/TestHex.h"

namespace netvane {
namespace {

using test::ToHex;

std::vector<std::uint8_t> Bytes(const std::string& s) {
  return {s.begin(), s.end()};
}

// Feeds data in pieces of the given size, to cross block boundaries at odd places.
std::string Sha1Hex(const std::vector<std::uint8_t>& data, std::size_t piece) {
  A_SHA_CTX ctx;
  A_SHAInit(&ctx);
  for (std::size_t off = 0; off < data.size(); off += piece) {
    const std::size_t n = std::min(piece, data.size() - off);
    A_SHAUpdate(&ctx, data.data() + off, static_cast<std::int32_t>(n));
  }
  std::uint8_t digest[20];
  A_SHAFinal(&ctx, digest);
  return ToHex(digest, sizeof digest);
}

TEST(Sha1Test, PublishedVectors) {
  EXPECT_EQ(Sha1Hex(Bytes("abc"), 64), "a9993e364706816aba3e25717850c26c9cd0d89d");
  EXPECT_EQ(Sha1Hex(Bytes("abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq"), 7),
            "84983e441c3bd26ebaae4aa1f95129e5e54670f1");
  EXPECT_EQ(Sha1Hex(std::vector<std::uint8_t>(1000000, 'a'), 1000),
            "34aa973cd4c4daa4f61eeb2bdbad27316534016f");
  std::string repeated;
  for (int i = 0; i < 80; ++i) repeated += "01234567";
  EXPECT_EQ(Sha1Hex(Bytes(repeated), 13), "dea356a2cddd90c7a7ecedc5ebb563934f460452");
}

TEST(Sha1Test, MatchesReferenceAroundPaddingBoundaries) {
  for (std::size_t len = 0; len <= 130; ++len) {
    std::vector<std::uint8_t> data(len);
    for (std::size_t i = 0; i < len; ++i) data[i] = static_cast<std::uint8_t>(i * 37 + 11);
    std::uint8_t expected[20];
    SHA1(data.data(), len, expected);
    EXPECT_EQ(Sha1Hex(data, 64), ToHex(expected, 20)) << "length " << len;
  }
}

TEST(HmacSha1Test, MatchesReferenceForShortAndLongKeys) {
  const std::vector<std::uint8_t> text = Bytes("what do ya want for nothing?");
  for (int keyLen : {0, 1, 20, 63, 64, 65, 80, 131}) {
    std::vector<std::uint8_t> key(static_cast<std::size_t>(keyLen));
    for (std::size_t i = 0; i < key.size(); ++i) key[i] = static_cast<std::uint8_t>(0xA0 + i);
    std::uint8_t expected[20];
    unsigned expectedLen = 0;
    HMAC(EVP_sha1(), key.data(), keyLen, text.data(), text.size(), expected, &expectedLen);

    std::uint8_t digest[20];
    std::vector<std::uint8_t> keyBuffer = key;
    hmac_sha1(text.data(), static_cast<std::int32_t>(text.size()), keyBuffer.data(), keyLen,
              digest);
    EXPECT_EQ(ToHex(digest, 20), ToHex(expected, 20)) << "key length " << keyLen;
    if (keyLen > 64) {
      // A key longer than a block is replaced by its digest in the caller's buffer.
      std::uint8_t keyDigest[20];
      SHA1(key.data(), key.size(), keyDigest);
      EXPECT_EQ(ToHex(keyBuffer.data(), 20), ToHex(keyDigest, 20));
    }
  }
}

}  // namespace
}  // namespace netvane
