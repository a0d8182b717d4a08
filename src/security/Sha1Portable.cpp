#include "security/Sha1Portable.h"

namespace netvane::detail {
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
#define NV_W(w, t)              \
  ((t) < 16 ? w[(t)&15]         \
            : (w[(t)&15] = Rol( \
                   w[((t) + 13) & 15] ^ w[((t) + 8) & 15] ^ w[((t) + 2) & 15] ^ w[(t)&15], 1)))

// One round on both chains; the names rotate instead of the values.
#define NV_STEP(fn, k, t, a, b, c, d, e)                           \
  x##e += Rol(x##a, 5) + fn(x##b, x##c, x##d) + (k) + NV_W(wx, t); \
  x##b = Rol(x##b, 30);                                            \
  y##e += Rol(y##a, 5) + fn(y##b, y##c, y##d) + (k) + NV_W(wy, t); \
  y##b = Rol(y##b, 30);

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

// Compresses the padded 20-byte messages mx and my from chaining value h, interleaving the two
// so their independent rounds overlap in the CPU.
[[gnu::always_inline]] inline void Compress2(const std::uint32_t h[5], const std::uint32_t mx[5],
                                             const std::uint32_t my[5], std::uint32_t ox[5],
                                             std::uint32_t oy[5]) {
  std::uint32_t wx[16] = {mx[0], mx[1], mx[2], mx[3], mx[4], kPadWord, 0, 0,
                          0,     0,     0,     0,     0,     0,        0, kBitLength};
  std::uint32_t wy[16] = {my[0], my[1], my[2], my[3], my[4], kPadWord, 0, 0,
                          0,     0,     0,     0,     0,     0,        0, kBitLength};
  std::uint32_t xa = h[0], xb = h[1], xc = h[2], xd = h[3], xe = h[4];
  std::uint32_t ya = h[0], yb = h[1], yc = h[2], yd = h[3], ye = h[4];
  NV_TWENTY(Ch, kK0, 0)
  NV_TWENTY(Parity, kK1, 20)
  NV_TWENTY(Maj, kK2, 40)
  NV_TWENTY(Parity, kK3, 60)
  ox[0] = h[0] + xa;
  ox[1] = h[1] + xb;
  ox[2] = h[2] + xc;
  ox[3] = h[3] + xd;
  ox[4] = h[4] + xe;
  oy[0] = h[0] + ya;
  oy[1] = h[1] + yb;
  oy[2] = h[2] + yc;
  oy[3] = h[3] + yd;
  oy[4] = h[4] + ye;
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
  for (std::uint32_t j = 1; j < iterations; ++j) {
    Compress2(in, ux, uy, tx, ty);
    Compress2(out, tx, ty, ux, uy);
    for (int i = 0; i < 5; ++i) {
      accx[i] ^= ux[i];
      accy[i] ^= uy[i];
    }
  }
  for (int i = 0; i < 5; ++i) {
    chains[0][i] = accx[i];
    chains[1][i] = accy[i];
  }
}

}  // namespace netvane::detail
