// PBKDF2-HMAC-SHA1 iterations in plain C++, two chains at a time.
#pragma once

#include <cstdint>

namespace netvane::crypto::detail {

// Runs iterations 2..iterations of two PBKDF2-HMAC-SHA1 chains that share one key. inner and
// outer are the SHA-1 chaining values after the key's ipad and opad blocks. chains holds each
// chain's U1 as five words on entry and the XOR of all its U on return.
void Pbkdf2TwoChainsPortable(const std::uint32_t inner[5], const std::uint32_t outer[5],
                             std::uint32_t chains[2][5], std::uint32_t iterations);

}  // namespace netvane::crypto::detail
