// The two-block PBKDF2-HMAC-SHA1 derivation behind PasswordHash, on a chosen compression path.
#pragma once

#include <cstddef>
#include <cstdint>

#include "crypto/MathFuncInternal.h"

namespace netvane::crypto::detail {

// Blocks firstBlock and firstBlock + 1 of PBKDF2-HMAC-SHA1, 40 bytes into out. kAuto must be
// resolved by the caller.
void Pbkdf2TwoBlocks(Sha1Path path, const std::uint8_t* key, std::size_t keyLen,
                     const std::uint8_t* salt, std::size_t saltLen, std::uint32_t firstBlock,
                     std::uint32_t iterations, std::uint8_t out[40]);

}  // namespace netvane::crypto::detail
