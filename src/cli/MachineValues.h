// The lowercase values scripts compare against, beside the words the window shows. The words
// may be reworded or translated; these values stay as docs/cli.md lists them.
#pragma once

#include <string>
#include <string_view>

namespace netvane::cli {

// What a word names that no table here knows.
inline constexpr const char* kUnknownValue = "unknown";

// A scan row's or a profile row's authentication: "open", "shared", "wpa-psk", "wpa2-psk",
// "wpa2-wpa3", "wpa3-sae", "wpa", "wpa2", "wpa-none", "owe".
std::string AuthValue(std::string_view shown);
// A scan row names no key management for a network without WPA: that is open system, which is
// also what a WEP join uses unless told otherwise. Only when a cipher was named is it unknown.
std::string ScanAuthValue(std::string_view shownAuth, std::string_view shownEncryption);
// "none", "wep", "tkip", "aes", "aes-wrap", "tkip+aes".
std::string EncryptionValue(std::string_view shown);
// "infrastructure", "adhoc", "automatic".
std::string NetworkTypeValue(std::string_view shown);
// "good", "normal", "weak": the grade's word without its padding.
std::string GradeValue(std::string_view shown);

}  // namespace netvane::cli
