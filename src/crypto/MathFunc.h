// Key material helpers: hexadecimal text to bytes, and the WPA pass phrase to its pre-shared key.
#pragma once

#include <cstdint>

namespace netvane::crypto {

// Value of one hexadecimal digit, or 0xFF for any other character.
std::uint8_t BtoH(char ch);

// Packs 2 * destlen hexadecimal characters of src into destlen bytes. src needs no terminator;
// invalid digits are not reported, they simply take the value 0xFF in the arithmetic.
void AtoH(const char* src, std::uint8_t* dest, std::int32_t destlen);

// Derives the 40-byte PBKDF2-HMAC-SHA1 output (4096 iterations, the SSID as salt) of which the
// first 32 bytes are the WPA pre-shared key. password is zero-terminated; ssid is ssidlength raw
// bytes. Returns 1 when derived. Returns 0, with output untouched, for a pass phrase over 63
// bytes, an SSID over 32 bytes, or a pass-phrase byte outside 0x20..0x7F (the last also writes
// "Password error!!" to standard error once per 20-byte block).
std::int32_t PasswordHash(const char* password, const std::uint8_t* ssid, std::int32_t ssidlength,
                          std::uint8_t* output);

}  // namespace netvane::crypto
