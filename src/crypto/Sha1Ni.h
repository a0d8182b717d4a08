// PBKDF2-HMAC-SHA1 iterations with the x86 SHA extensions, two chains at a time.
#pragma once

#include <cstdint>

namespace netvane::crypto::detail {

// Whether the CPU has the SHA extensions and SSE4.1 (asked of the CPU on every call).
bool CpuHasShaNi();

// Same contract as Pbkdf2TwoChainsPortable; only call it when CpuHasShaNi() is true.
void Pbkdf2TwoChainsShaNi(const std::uint32_t inner[5], const std::uint32_t outer[5],
                          std::uint32_t chains[2][5], std::uint32_t iterations);

}  // namespace netvane::crypto::detail
