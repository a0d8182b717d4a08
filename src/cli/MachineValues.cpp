#include "cli/MachineValues.h"

#include <array>
#include <utility>

namespace netvane::cli {
namespace {

using Pair = std::pair<std::string_view, std::string_view>;

template <std::size_t N>
std::string Lookup(const std::array<Pair, N>& table, std::string_view shown) {
  for (const auto& [word, value] : table) {
    if (word == shown) return std::string(value);
  }
  return kUnknownValue;
}

}  // namespace

std::string AuthValue(std::string_view shown) {
  static constexpr std::array<Pair, 10> kTable = {{{"Open", "open"},
                                                   {"Shared", "shared"},
                                                   {"WPA-PSK", "wpa-psk"},
                                                   {"WPA2-PSK", "wpa2-psk"},
                                                   {"WPA2/WPA3", "wpa2-wpa3"},
                                                   {"WPA3-SAE", "wpa3-sae"},
                                                   {"WPA", "wpa"},
                                                   {"WPA2", "wpa2"},
                                                   {"WPA-NONE", "wpa-none"},
                                                   {"OWE", "owe"}}};
  return Lookup(kTable, shown);
}

std::string ScanAuthValue(std::string_view shownAuth, std::string_view shownEncryption) {
  std::string value = AuthValue(shownAuth);
  if (value != kUnknownValue) return value;
  const std::string cipher = EncryptionValue(shownEncryption);
  return cipher == "none" || cipher == "wep" ? "open" : kUnknownValue;
}

std::string EncryptionValue(std::string_view shown) {
  // A profile without WPA shows "UnKnown" for no WEP.
  static constexpr std::array<Pair, 8> kTable = {{{"Not Use", "none"},
                                                  {"UnKnown", "none"},
                                                  {"WEP", "wep"},
                                                  {"TKIP", "tkip"},
                                                  {"AES", "aes"},
                                                  {"AES-CCMP", "aes"},
                                                  {"AES-WRAP", "aes-wrap"},
                                                  {"TKIP+AES-CCMP", "tkip+aes"}}};
  return Lookup(kTable, shown);
}

std::string NetworkTypeValue(std::string_view shown) {
  static constexpr std::array<Pair, 3> kTable = {
      {{"Infrastructure", "infrastructure"}, {"Ad Hoc", "adhoc"}, {"Automatic", "automatic"}}};
  return Lookup(kTable, shown);
}

std::string GradeValue(std::string_view shown) {
  while (!shown.empty() && shown.back() == ' ') shown.remove_suffix(1);
  static constexpr std::array<Pair, 3> kTable = {
      {{"GOOD", "good"}, {"NORMAL", "normal"}, {"WEAK", "weak"}}};
  return Lookup(kTable, shown);
}

}  // namespace netvane::cli
