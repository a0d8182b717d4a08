// The pieces behind PasswordHash: a general-purpose SHA-1, HMAC-SHA1, one PBKDF2 block, and the
// derivation with a chosen compression path. Not for use outside the security code and its tests.
#pragma once

#include <cstddef>
#include <cstdint>

namespace netvane::crypto {

// NOLINTBEGIN(readability-identifier-naming) the hash routines' established names
struct A_SHA_CTX {
  std::uint32_t H[5];
  std::uint32_t W[80];
  std::int32_t lenW;
  std::uint32_t sizeHi;
  std::uint32_t sizeLo;
};

void A_SHAInit(A_SHA_CTX* ctx);
void A_SHAUpdate(A_SHA_CTX* ctx, const std::uint8_t* dataIn, std::int32_t len);
// Writes the 20-byte digest and re-initialises ctx.
void A_SHAFinal(A_SHA_CTX* ctx, std::uint8_t* hashout);
// Compresses the block collected in ctx->W[0..15] into ctx->H.
void shaHashBlock(A_SHA_CTX* ctx);

// HMAC-SHA1 into 20 bytes of digest. A key longer than 64 bytes is first replaced by its digest,
// written over the caller's key buffer.
void hmac_sha1(const std::uint8_t* text, std::int32_t text_len, std::uint8_t* key,
               std::int32_t key_len, std::uint8_t* digest);
// NOLINTEND(readability-identifier-naming)

// PBKDF2-HMAC-SHA1 block number count (20 bytes) of the zero-terminated password with the SSID
// as salt (ssidlength at most 32). A pass-phrase byte outside 0x20..0x7F writes
// "Password error!!" to standard error and leaves output untouched.
void F(const char* password, const std::uint8_t* ssid, std::int32_t ssidlength,
       std::int32_t iterations, std::int32_t count, std::uint8_t* output);

// Which SHA-1 compression the fast derivation uses. kAuto is the CPU check made once per process.
enum class Sha1Path { kAuto, kPortable, kShaNi };

// Whether this CPU can run the kShaNi path (checked once).
bool ShaNiAvailable();

// The path kAuto resolves to on this machine.
Sha1Path ResolvedSha1Path();

// PasswordHash on a given path; kShaNi on a CPU without it falls back to kPortable.
std::int32_t PasswordHashOn(Sha1Path path, const char* password, const std::uint8_t* ssid,
                            std::int32_t ssidlength, std::uint8_t* output);

// General PBKDF2-HMAC-SHA1 with the fast two-chain derivation: any key, salt and iteration
// count (at least 1), outLen bytes.
void Pbkdf2HmacSha1(Sha1Path path, const std::uint8_t* key, std::size_t keyLen,
                    const std::uint8_t* salt, std::size_t saltLen, std::uint32_t iterations,
                    std::uint8_t* out, std::size_t outLen);

}  // namespace netvane::crypto
