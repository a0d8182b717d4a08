#include "crypto/Sha1Ni.h"

#if defined(__x86_64__) || defined(__i386__)

#include <cpuid.h>
#include <immintrin.h>

#include <utility>

// Only these functions carry the instruction set; the rest of the program stays baseline so it
// runs on any x86-64 CPU.
#define NV_SHANI __attribute__((target("sha,sse4.1")))
#define NV_SHANI_INLINE __attribute__((target("sha,sse4.1"), always_inline)) inline

namespace netvane::crypto::detail {
namespace {

// One chain's working registers. Words are kept in the instructions' own order (lane 3 holds
// the first word), so a digest feeds the next message without any shuffling.
struct Chain {
  __m128i abcd;
  __m128i e[2];
  __m128i m[4];
};

// Four rounds (group g of 20) with the message schedule steps that belong to them.
template <int g>
NV_SHANI_INLINE void Group(Chain& c) {
  constexpr int kFunc = g / 5;
  if constexpr (g == 0) {
    c.e[0] = _mm_add_epi32(c.e[0], c.m[0]);
  } else {
    c.e[g & 1] = _mm_sha1nexte_epu32(c.e[g & 1], c.m[g & 3]);
  }
  c.e[(g + 1) & 1] = c.abcd;
  if constexpr (g >= 3 && g <= 18) {
    c.m[(g + 1) & 3] = _mm_sha1msg2_epu32(c.m[(g + 1) & 3], c.m[g & 3]);
  }
  c.abcd = _mm_sha1rnds4_epu32(c.abcd, c.e[g & 1], kFunc);
  if constexpr (g >= 1 && g <= 16) {
    c.m[(g + 3) & 3] = _mm_sha1msg1_epu32(c.m[(g + 3) & 3], c.m[g & 3]);
  }
  if constexpr (g >= 2 && g <= 17) {
    c.m[(g + 2) & 3] = _mm_xor_si128(c.m[(g + 2) & 3], c.m[g & 3]);
  }
}

template <int... g>
NV_SHANI_INLINE void AllGroups(Chain& x, Chain& y, std::integer_sequence<int, g...>) {
  // Alternating the chains group by group lets one chain's rounds fill the other's latency.
  ((Group<g>(x), Group<g>(y)), ...);
}

// Compresses two padded 20-byte messages (mabcd/me: words 0..3 and word 4 in lane 3, other
// lanes zero) from the chaining value habcd/he; results come back in the same form.
NV_SHANI_INLINE void Compress2(__m128i habcd, __m128i he, __m128i& xabcd, __m128i& xe,
                               __m128i& yabcd, __m128i& ye) {
  // Message words 5..15: 0x80 then zeros, and the bit length of 64 + 20 bytes last.
  const __m128i pad = _mm_set_epi32(0, static_cast<int>(0x80000000u), 0, 0);
  const __m128i length = _mm_set_epi32(0, 0, 0, (64 + 20) * 8);
  const __m128i zero = _mm_setzero_si128();
  Chain x{habcd, {he, zero}, {xabcd, _mm_or_si128(xe, pad), zero, length}};
  Chain y{habcd, {he, zero}, {yabcd, _mm_or_si128(ye, pad), zero, length}};
  AllGroups(x, y, std::make_integer_sequence<int, 20>{});
  xabcd = _mm_add_epi32(x.abcd, habcd);
  xe = _mm_sha1nexte_epu32(x.e[0], he);
  yabcd = _mm_add_epi32(y.abcd, habcd);
  ye = _mm_sha1nexte_epu32(y.e[0], he);
}

NV_SHANI __m128i LoadAbcd(const std::uint32_t w[5]) {
  return _mm_set_epi32(static_cast<int>(w[0]), static_cast<int>(w[1]), static_cast<int>(w[2]),
                       static_cast<int>(w[3]));
}

NV_SHANI __m128i LoadE(const std::uint32_t w[5]) {
  return _mm_set_epi32(static_cast<int>(w[4]), 0, 0, 0);
}

NV_SHANI void Store(__m128i abcd, __m128i e, std::uint32_t w[5]) {
  w[0] = static_cast<std::uint32_t>(_mm_extract_epi32(abcd, 3));
  w[1] = static_cast<std::uint32_t>(_mm_extract_epi32(abcd, 2));
  w[2] = static_cast<std::uint32_t>(_mm_extract_epi32(abcd, 1));
  w[3] = static_cast<std::uint32_t>(_mm_extract_epi32(abcd, 0));
  w[4] = static_cast<std::uint32_t>(_mm_extract_epi32(e, 3));
}

}  // namespace

bool CpuHasShaNi() {
  unsigned a = 0, b = 0, c = 0, d = 0;
  if (__get_cpuid(1, &a, &b, &c, &d) == 0) return false;
  const bool sse41 = (c & bit_SSE4_1) != 0;
  if (__get_cpuid_count(7, 0, &a, &b, &c, &d) == 0) return false;
  const bool sha = (b & bit_SHA) != 0;
  return sse41 && sha;
}

NV_SHANI void Pbkdf2TwoChainsShaNi(const std::uint32_t inner[5], const std::uint32_t outer[5],
                                   std::uint32_t chains[2][5], std::uint32_t iterations) {
  const __m128i inAbcd = LoadAbcd(inner), inE = LoadE(inner);
  const __m128i outAbcd = LoadAbcd(outer), outE = LoadE(outer);
  __m128i xabcd = LoadAbcd(chains[0]), xe = LoadE(chains[0]);
  __m128i yabcd = LoadAbcd(chains[1]), ye = LoadE(chains[1]);
  __m128i accXabcd = xabcd, accXe = xe, accYabcd = yabcd, accYe = ye;
  for (std::uint32_t j = 1; j < iterations; ++j) {
    Compress2(inAbcd, inE, xabcd, xe, yabcd, ye);
    Compress2(outAbcd, outE, xabcd, xe, yabcd, ye);
    accXabcd = _mm_xor_si128(accXabcd, xabcd);
    accXe = _mm_xor_si128(accXe, xe);
    accYabcd = _mm_xor_si128(accYabcd, yabcd);
    accYe = _mm_xor_si128(accYe, ye);
  }
  Store(accXabcd, accXe, chains[0]);
  Store(accYabcd, accYe, chains[1]);
}

}  // namespace netvane::crypto::detail

#else  // not x86

namespace netvane::crypto::detail {

bool CpuHasShaNi() {
  return false;
}

void Pbkdf2TwoChainsShaNi(const std::uint32_t*, const std::uint32_t*, std::uint32_t (*)[5],
                          std::uint32_t) {}

}  // namespace netvane::crypto::detail

#endif
