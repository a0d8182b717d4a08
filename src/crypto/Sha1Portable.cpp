#include "crypto/Sha1Portable.h"

#include "platform/system/Wipe.h"

namespace netvane::crypto::detail {
namespace {

constexpr std::uint32_t kK0 = 0x5A827999u;
constexpr std::uint32_t kK1 = 0x6ED9EBA1u;
constexpr std::uint32_t kK2 = 0x8F1BBCDCu;
constexpr std::uint32_t kK3 = 0xCA62C1D6u;
// Every message in the loop is 20 bytes after a 64-byte pad block: 0x80, zeros, then the length
// of 84 bytes in bits. Only words 0..4 vary, so the compiler folds the rest of the schedule.
constexpr std::uint32_t kPadWord = 0x80000000u;
constexpr std::uint32_t kBitLength = (64 + 20) * 8;

inline std::uint32_t Rol(std::uint32_t x, int n) {
  return (x << n) | (x >> (32 - n));
}
inline std::uint32_t Ch(std::uint32_t b, std::uint32_t c, std::uint32_t d) {
  return d ^ (b & (c ^ d));
}
inline std::uint32_t Parity(std::uint32_t b, std::uint32_t c, std::uint32_t d) {
  return b ^ c ^ d;
}
inline std::uint32_t Maj(std::uint32_t b, std::uint32_t c, std::uint32_t d) {
  return (b & c) | (d & (b | c));
}

// Message word t of a 16-word ring, expanded in place once t reaches 16.
#define NV_W(t)                 \
  ((t) < 16 ? w[(t)&15]         \
            : (w[(t)&15] = Rol( \
                   w[((t) + 13) & 15] ^ w[((t) + 8) & 15] ^ w[((t) + 2) & 15] ^ w[(t)&15], 1)))

// One round; the names rotate instead of the values.
#define NV_STEP(fn, k, t, a, b, c, d, e)          \
  (e) += Rol(a, 5) + fn(b, c, d) + (k) + NV_W(t); \
  (b) = Rol(b, 30);

#define NV_FIVE(fn, k, t)                \
  NV_STEP(fn, k, (t), a, b, c, d, e)     \
  NV_STEP(fn, k, (t) + 1, e, a, b, c, d) \
  NV_STEP(fn, k, (t) + 2, d, e, a, b, c) \
  NV_STEP(fn, k, (t) + 3, c, d, e, a, b) \
  NV_STEP(fn, k, (t) + 4, b, c, d, e, a)

#define NV_TWENTY(fn, k, t) \
  NV_FIVE(fn, k, (t))       \
  NV_FIVE(fn, k, (t) + 5)   \
  NV_FIVE(fn, k, (t) + 10)  \
  NV_FIVE(fn, k, (t) + 15)

// Compresses the padded 20-byte message m from chaining value h into o, all 80 rounds unrolled.
// Kept out of line on purpose: one copy of the unrolled body stays in the CPU's decoded
// instruction cache, while four inlined copies in the loop measured about 40% slower.
[[gnu::noinline]] void Compress(const std::uint32_t h[5], const std::uint32_t m[5],
                                std::uint32_t o[5]) {
  std::uint32_t w[16] = {m[0], m[1], m[2], m[3], m[4], kPadWord, 0, 0,
                         0,    0,    0,    0,    0,    0,        0, kBitLength};
  std::uint32_t a = h[0], b = h[1], c = h[2], d = h[3], e = h[4];
  NV_TWENTY(Ch, kK0, 0)
  NV_TWENTY(Parity, kK1, 20)
  NV_TWENTY(Maj, kK2, 40)
  NV_TWENTY(Parity, kK3, 60)
  o[0] = h[0] + a;
  o[1] = h[1] + b;
  o[2] = h[2] + c;
  o[3] = h[3] + d;
  o[4] = h[4] + e;
}

#undef NV_TWENTY
#undef NV_FIVE
#undef NV_STEP
#undef NV_W

}  // namespace

void Pbkdf2TwoChainsPortable(const std::uint32_t inner[5], const std::uint32_t outer[5],
                             std::uint32_t chains[2][5], std::uint32_t iterations) {
  std::uint32_t in[5], out[5], ux[5], uy[5], accx[5], accy[5], tx[5], ty[5];
  for (int i = 0; i < 5; ++i) {
    in[i] = inner[i];
    out[i] = outer[i];
    ux[i] = accx[i] = chains[0][i];
    uy[i] = accy[i] = chains[1][i];
  }
  // The two chains are independent, so each compression of one is issued right after the
  // other's and the CPU overlaps them. Interleaving them round by round in the source needs
  // twice the registers and measured slower from the spills.
  for (std::uint32_t j = 1; j < iterations; ++j) {
    Compress(in, ux, tx);
    Compress(in, uy, ty);
    Compress(out, tx, ux);
    Compress(out, ty, uy);
    for (int i = 0; i < 5; ++i) {
      accx[i] ^= ux[i];
      accy[i] ^= uy[i];
    }
  }
  for (int i = 0; i < 5; ++i) {
    chains[0][i] = accx[i];
    chains[1][i] = accy[i];
  }
  // Once per derivation, never in the loop. The pad states are key-equivalent and the
  // accumulators are the result. (The last compression's own schedule stays in its dead
  // frame: one U value of the chain, not the key.)
  for (std::uint32_t* words : {in, out, ux, uy, accx, accy, tx, ty}) {
    system::SecureWipe(words, 5 * sizeof(std::uint32_t));
  }
}

}  // namespace netvane::crypto::detail
