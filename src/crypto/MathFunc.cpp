#include "crypto/MathFunc.h"

#include <cstdio>
#include <cstring>

#include "crypto/MathFuncInternal.h"
#include "crypto/Pbkdf2Fast.h"
#include "platform/system/Log.h"
#include "platform/system/Wipe.h"

namespace netvane::crypto {
namespace {

constexpr std::int32_t kMaxPassphraseBytes = 63;
constexpr std::int32_t kMaxSsidBytes = 32;
constexpr std::int32_t kPskIterations = 4096;
constexpr std::int32_t kHmacBlockBytes = 64;

std::uint32_t Rol(std::uint32_t x, int n) {
  return (x << n) | (x >> (32 - n));
}

// Control characters and bytes 0x80..0xFF fail; the latter are negative as signed characters.
bool PassphraseBytesValid(const char* password) {
  for (const char* p = password; *p != '\0'; ++p) {
    if (static_cast<signed char>(*p) <= 31) return false;
  }
  return true;
}

void ReportPasswordError() {
  system::LogWarning(system::LogCategory::kCrypto, "Password error!!");
}

}  // namespace

std::uint8_t BtoH(char ch) {
  const auto c = static_cast<signed char>(ch);
  if (c >= '0' && c <= '9') return static_cast<std::uint8_t>(c - 0x30);
  if (c >= 'A' && c <= 'F') return static_cast<std::uint8_t>(c - 0x37);
  if (c >= 'a' && c <= 'f') return static_cast<std::uint8_t>(c - 0x57);
  return 0xFF;
}

void AtoH(const char* src, std::uint8_t* dest, std::int32_t destlen) {
  for (std::int32_t k = 0; k < destlen; ++k) {
    // Wraps mod 256, so invalid digits give 0xF0 + low, high * 16 - 1, or 0xEF.
    const std::ptrdiff_t at = std::ptrdiff_t{2} * k;
    dest[k] = static_cast<std::uint8_t>(16 * BtoH(src[at]) + BtoH(src[at + 1]));
  }
}

void A_SHAInit(A_SHA_CTX* ctx) {
  ctx->H[0] = 0x67452301u;
  ctx->H[1] = 0xEFCDAB89u;
  ctx->H[2] = 0x98BADCFEu;
  ctx->H[3] = 0x10325476u;
  ctx->H[4] = 0xC3D2E1F0u;
  std::memset(ctx->W, 0, sizeof ctx->W);
  ctx->lenW = 0;
  ctx->sizeHi = 0;
  ctx->sizeLo = 0;
}

void shaHashBlock(A_SHA_CTX* ctx) {
  std::uint32_t* W = ctx->W;
  for (int t = 16; t < 80; ++t) W[t] = Rol(W[t - 3] ^ W[t - 8] ^ W[t - 14] ^ W[t - 16], 1);
  std::uint32_t a = ctx->H[0], b = ctx->H[1], c = ctx->H[2], d = ctx->H[3], e = ctx->H[4];
  for (int t = 0; t < 80; ++t) {
    std::uint32_t f, k;
    if (t < 20) {
      f = d ^ (b & (c ^ d));
      k = 0x5A827999u;
    } else if (t < 40) {
      f = b ^ c ^ d;
      k = 0x6ED9EBA1u;
    } else if (t < 60) {
      f = (b & c) | (d & (b | c));
      k = 0x8F1BBCDCu;
    } else {
      f = b ^ c ^ d;
      k = 0xCA62C1D6u;
    }
    const std::uint32_t temp = Rol(a, 5) + f + e + W[t] + k;
    e = d;
    d = c;
    c = Rol(b, 30);
    b = a;
    a = temp;
  }
  ctx->H[0] += a;
  ctx->H[1] += b;
  ctx->H[2] += c;
  ctx->H[3] += d;
  ctx->H[4] += e;
}

void A_SHAUpdate(A_SHA_CTX* ctx, const std::uint8_t* dataIn, std::int32_t len) {
  for (std::int32_t i = 0; i < len; ++i) {
    std::uint32_t& word = ctx->W[ctx->lenW / 4];
    word = (word << 8) | dataIn[i];
    if (++ctx->lenW == 64) {
      shaHashBlock(ctx);
      ctx->lenW = 0;
    }
    ctx->sizeLo += 8;
    if (ctx->sizeLo < 8) ++ctx->sizeHi;
  }
}

void A_SHAFinal(A_SHA_CTX* ctx, std::uint8_t* hashout) {
  std::uint8_t length[8];
  for (int i = 0; i < 4; ++i) {
    length[i] = static_cast<std::uint8_t>(ctx->sizeHi >> (24 - 8 * i));
    length[4 + i] = static_cast<std::uint8_t>(ctx->sizeLo >> (24 - 8 * i));
  }
  const std::uint8_t marker = 0x80;
  const std::uint8_t zero = 0;
  A_SHAUpdate(ctx, &marker, 1);
  while (ctx->lenW != 56) A_SHAUpdate(ctx, &zero, 1);
  A_SHAUpdate(ctx, length, 8);
  for (int i = 0; i < 20; ++i) {
    hashout[i] = static_cast<std::uint8_t>(ctx->H[i / 4] >> (24 - 8 * (i % 4)));
  }
  A_SHAInit(ctx);
}

void hmac_sha1(const std::uint8_t* text, std::int32_t text_len, std::uint8_t* key,
               std::int32_t key_len, std::uint8_t* digest) {
  A_SHA_CTX ctx{};
  if (key_len > kHmacBlockBytes) {
    A_SHAInit(&ctx);
    A_SHAUpdate(&ctx, key, key_len);
    A_SHAFinal(&ctx, key);
    key_len = 20;
  }
  std::uint8_t ipad[kHmacBlockBytes];
  std::uint8_t opad[kHmacBlockBytes];
  for (std::int32_t i = 0; i < kHmacBlockBytes; ++i) {
    const std::uint8_t k = i < key_len ? key[i] : 0;
    ipad[i] = static_cast<std::uint8_t>(k ^ 0x36);
    opad[i] = static_cast<std::uint8_t>(k ^ 0x5C);
  }
  A_SHAInit(&ctx);
  A_SHAUpdate(&ctx, ipad, kHmacBlockBytes);
  A_SHAUpdate(&ctx, text, text_len);
  A_SHAFinal(&ctx, digest);
  A_SHAUpdate(&ctx, opad, kHmacBlockBytes);
  A_SHAUpdate(&ctx, digest, 20);
  A_SHAFinal(&ctx, digest);
  // The pads are the key; the context's schedule still holds the last block hashed.
  system::SecureWipe(ipad, sizeof ipad);
  system::SecureWipe(opad, sizeof opad);
  system::SecureWipe(&ctx, sizeof ctx);
}

void F(const char* password, const std::uint8_t* ssid, std::int32_t ssidlength,
       std::int32_t iterations, std::int32_t count, std::uint8_t* output) {
  if (!PassphraseBytesValid(password)) {
    ReportPasswordError();
    return;
  }
  if (ssidlength < 0 || ssidlength > kMaxSsidBytes) return;

  // hmac_sha1 may write over its key, so it gets a copy; a long key is hashed up front, which
  // is what HMAC would do with it anyway.
  std::uint8_t key[kHmacBlockBytes];
  const std::size_t passLen = std::strlen(password);
  std::int32_t keyLen;
  if (passLen > kHmacBlockBytes) {
    A_SHA_CTX ctx{};
    A_SHAInit(&ctx);
    A_SHAUpdate(&ctx, reinterpret_cast<const std::uint8_t*>(password),
                static_cast<std::int32_t>(passLen));
    A_SHAFinal(&ctx, key);
    system::SecureWipe(&ctx, sizeof ctx);
    keyLen = 20;
  } else {
    // The pass phrase is key bytes here, not text: no terminator is wanted.
    // NOLINTNEXTLINE(bugprone-not-null-terminated-result)
    std::memcpy(key, password, passLen);
    keyLen = static_cast<std::int32_t>(passLen);
  }

  std::uint8_t salt[kMaxSsidBytes + 4];
  if (ssidlength > 0) std::memcpy(salt, ssid, static_cast<std::size_t>(ssidlength));
  const auto index = static_cast<std::uint32_t>(count);
  salt[ssidlength] = static_cast<std::uint8_t>(index >> 24);
  salt[ssidlength + 1] = static_cast<std::uint8_t>(index >> 16);
  salt[ssidlength + 2] = static_cast<std::uint8_t>(index >> 8);
  salt[ssidlength + 3] = static_cast<std::uint8_t>(index);

  std::uint8_t u[20];
  hmac_sha1(salt, ssidlength + 4, key, keyLen, u);
  std::memcpy(output, u, sizeof u);
  for (std::int32_t j = 1; j < iterations; ++j) {
    hmac_sha1(u, sizeof u, key, keyLen, u);
    for (int i = 0; i < 20; ++i) output[i] ^= u[i];
  }
  system::SecureWipe(key, sizeof key);
  system::SecureWipe(u, sizeof u);
}

std::int32_t PasswordHashOn(Sha1Path path, const char* password, const std::uint8_t* ssid,
                            std::int32_t ssidlength, std::uint8_t* output) {
  const std::size_t passLen = std::strlen(password);
  if (passLen > kMaxPassphraseBytes || ssidlength > kMaxSsidBytes || ssidlength < 0) return 0;
  if (!PassphraseBytesValid(password)) {
    // Once for each of the two 20-byte blocks, as deriving them one by one would report it.
    ReportPasswordError();
    ReportPasswordError();
    return 0;
  }
  if (path == Sha1Path::kAuto || (path == Sha1Path::kShaNi && !ShaNiAvailable())) {
    path = ResolvedSha1Path();
  }
  detail::Pbkdf2TwoBlocks(path, reinterpret_cast<const std::uint8_t*>(password), passLen, ssid,
                          static_cast<std::size_t>(ssidlength), 1, kPskIterations, output);
  return 1;
}

std::int32_t PasswordHash(const char* password, const std::uint8_t* ssid, std::int32_t ssidlength,
                          std::uint8_t* output) {
  return PasswordHashOn(Sha1Path::kAuto, password, ssid, ssidlength, output);
}

}  // namespace netvane::crypto
