// The key a WPA pass phrase stands for, as NetworkManager and the card receive it: PBKDF2 with
// HMAC-SHA1 over the SSID's bytes, 4096 rounds, 32 bytes, written as 64 lowercase hex digits.
// Computed by libcrypto, independently of the utility's own derivation (link OpenSSL::Crypto).
#pragma once

#include <openssl/evp.h>

#include <string>

namespace netvane::testing {

inline std::string PskHex(const std::string& phrase, const std::string& ssid) {
  unsigned char key[32];
  PKCS5_PBKDF2_HMAC_SHA1(phrase.data(), static_cast<int>(phrase.size()),
                         reinterpret_cast<const unsigned char*>(ssid.data()),  // NOLINT bytes
                         static_cast<int>(ssid.size()), 4096, sizeof key, key);
  std::string hex;
  for (const unsigned char b : key) {
    hex += "0123456789abcdef"[b >> 4];
    hex += "0123456789abcdef"[b & 15];
  }
  return hex;
}

}  // namespace netvane::testing
