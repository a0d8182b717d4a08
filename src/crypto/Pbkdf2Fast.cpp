#include "crypto/Pbkdf2Fast.h"

#include <algorithm>
#include <cstring>

#include "crypto/Sha1Ni.h"
#include "crypto/Sha1Portable.h"
#include "platform/system/Wipe.h"

namespace netvane::crypto {

bool ShaNiAvailable() {
  static const bool kAvailable = detail::CpuHasShaNi();
  return kAvailable;
}

Sha1Path ResolvedSha1Path() {
  return ShaNiAvailable() ? Sha1Path::kShaNi : Sha1Path::kPortable;
}

void Pbkdf2HmacSha1(Sha1Path path, const std::uint8_t* key, std::size_t keyLen,
                    const std::uint8_t* salt, std::size_t saltLen, std::uint32_t iterations,
                    std::uint8_t* out, std::size_t outLen) {
  if (path == Sha1Path::kAuto || (path == Sha1Path::kShaNi && !ShaNiAvailable())) {
    path = ResolvedSha1Path();
  }
  std::uint8_t pair[40];
  for (std::uint32_t block = 1; outLen > 0; block += 2) {
    detail::Pbkdf2TwoBlocks(path, key, keyLen, salt, saltLen, block, iterations, pair);
    const std::size_t n = std::min(outLen, sizeof pair);
    std::memcpy(out, pair, n);
    out += n;
    outLen -= n;
  }
  system::SecureWipe(pair, sizeof pair);
}

namespace detail {
namespace {

constexpr std::size_t kBlockBytes = 64;

void HashBytes(const std::uint8_t* data, std::size_t len, std::uint8_t digest[20]) {
  A_SHA_CTX ctx{};
  A_SHAInit(&ctx);
  A_SHAUpdate(&ctx, data, static_cast<std::int32_t>(len));
  A_SHAFinal(&ctx, digest);
  system::SecureWipe(&ctx, sizeof ctx);
}

// SHA-1 context that has absorbed the key's 64-byte pad block (key XOR fill).
void PadState(const std::uint8_t* key, std::size_t keyLen, std::uint8_t fill, A_SHA_CTX* ctx) {
  std::uint8_t pad[kBlockBytes];
  for (std::size_t i = 0; i < kBlockBytes; ++i) {
    pad[i] = static_cast<std::uint8_t>((i < keyLen ? key[i] : 0) ^ fill);
  }
  A_SHAInit(ctx);
  A_SHAUpdate(ctx, pad, kBlockBytes);
  system::SecureWipe(pad, sizeof pad);
}

// U1 of one block: HMAC(key, salt || INT(block)), as five words.
void FirstU(const A_SHA_CTX& inner, const A_SHA_CTX& outer, const std::uint8_t* salt,
            std::size_t saltLen, std::uint32_t block, std::uint32_t u[5]) {
  const std::uint8_t index[4] = {
      static_cast<std::uint8_t>(block >> 24), static_cast<std::uint8_t>(block >> 16),
      static_cast<std::uint8_t>(block >> 8), static_cast<std::uint8_t>(block)};
  std::uint8_t digest[20];
  A_SHA_CTX ctx = inner;
  A_SHAUpdate(&ctx, salt, static_cast<std::int32_t>(saltLen));
  A_SHAUpdate(&ctx, index, 4);
  A_SHAFinal(&ctx, digest);
  ctx = outer;
  A_SHAUpdate(&ctx, digest, 20);
  A_SHAFinal(&ctx, digest);
  for (std::size_t i = 0; i < 5; ++i) {
    u[i] = static_cast<std::uint32_t>(digest[4 * i]) << 24 |
           static_cast<std::uint32_t>(digest[4 * i + 1]) << 16 |
           static_cast<std::uint32_t>(digest[4 * i + 2]) << 8 |
           static_cast<std::uint32_t>(digest[4 * i + 3]);
  }
  system::SecureWipe(digest, sizeof digest);
  system::SecureWipe(&ctx, sizeof ctx);
}

}  // namespace

void Pbkdf2TwoBlocks(Sha1Path path, const std::uint8_t* key, std::size_t keyLen,
                     const std::uint8_t* salt, std::size_t saltLen, std::uint32_t firstBlock,
                     std::uint32_t iterations, std::uint8_t out[40]) {
  std::uint8_t hashedKey[20];
  if (keyLen > kBlockBytes) {
    HashBytes(key, keyLen, hashedKey);
    key = hashedKey;
    keyLen = sizeof hashedKey;
  }
  // The pad blocks are compressed once per derivation; every iteration then starts from these
  // states and costs two compressions instead of four.
  A_SHA_CTX inner{};
  A_SHA_CTX outer{};
  PadState(key, keyLen, 0x36, &inner);
  PadState(key, keyLen, 0x5C, &outer);

  std::uint32_t chains[2][5];
  FirstU(inner, outer, salt, saltLen, firstBlock, chains[0]);
  FirstU(inner, outer, salt, saltLen, firstBlock + 1, chains[1]);
  if (path == Sha1Path::kShaNi) {
    Pbkdf2TwoChainsShaNi(inner.H, outer.H, chains, iterations);
  } else {
    Pbkdf2TwoChainsPortable(inner.H, outer.H, chains, iterations);
  }
  for (int c = 0; c < 2; ++c) {
    for (int i = 0; i < 5; ++i) {
      const std::uint32_t w = chains[c][i];
      std::uint8_t* p = out + std::ptrdiff_t{20} * c + std::ptrdiff_t{4} * i;
      p[0] = static_cast<std::uint8_t>(w >> 24);
      p[1] = static_cast<std::uint8_t>(w >> 16);
      p[2] = static_cast<std::uint8_t>(w >> 8);
      p[3] = static_cast<std::uint8_t>(w);
    }
  }
  // Key-equivalent states (the pads compressed) and the result's words: once per derivation.
  system::SecureWipe(hashedKey, sizeof hashedKey);
  system::SecureWipe(&inner, sizeof inner);
  system::SecureWipe(&outer, sizeof outer);
  system::SecureWipe(chains, sizeof chains);
}

}  // namespace detail
}  // namespace netvane::crypto
