// One scan-list entry as the card reports a network: the fixed fields and the beacon's
// information elements.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "driverkit/Bytes.h"
#include "driverkit/ScanNetwork.h"

namespace netvane::driverkit {

// WPA suite types after the 00-50-F2 OUI.
constexpr uint8_t kSuiteTkip = 2;
constexpr uint8_t kSuiteAes = 4;
constexpr uint8_t kAkm8021X = 1;
constexpr uint8_t kAkmPsk = 2;

// RSN suite types after the 00-0F-AC OUI, where they differ from WPA's.
constexpr uint8_t kAkmSae = 8;
constexpr uint8_t kAkmOwe = 18;

// Suites are an OUI and a type byte.
using Oui = std::array<uint8_t, 3>;
constexpr Oui kWpaOui = {0x00, 0x50, 0xF2};
constexpr Oui kRsnOui = {0x00, 0x0F, 0xAC};
constexpr uint8_t kElementRsn = 48;
constexpr uint8_t kElementVendor = 0xDD;

// 500 kbit/s units; the high bit marks a basic rate. The four 802.11b rates lead the b/g set.
constexpr std::array<uint8_t, 12> kRates24 = {0x82, 0x84, 0x8B, 0x96, 0x0C, 0x12,
                                              0x18, 0x24, 0x30, 0x48, 0x60, 0x6C};
constexpr std::size_t kRates11bCount = 4;
constexpr std::array<uint8_t, 8> kRates5 = {0x8C, 0x12, 0x98, 0x24, 0xB0, 0x48, 0x60, 0x6C};

void AppendSuite(Bytes& out, uint8_t type, const Oui& oui);

// An information element after the rates and the DS parameter set: its ID and its body.
struct Element {
  uint8_t id = 0;
  Bytes body;
};

// What an entry says besides its security elements, whoever heard the network.
struct EntryFields {
  Mac bssid{};
  std::string ssid;  // raw bytes, at most 32; empty for a hidden network
  bool adhoc = false;
  bool privacy = false;
  int32_t rssi = 0;
  uint32_t networkType = 0;  // NDIS_802_11_NETWORK_TYPE
  uint32_t frequencyKHz = 0;
  uint8_t channel = 0;  // the DS parameter set
  Bytes rates;          // at most 16; the first eight in the rates element, the rest extended
  uint64_t timestamp = 0;
};

// The entry from its fields and the elements that follow the rates (RSN, WPA), padded to a
// multiple of 4 bytes.
Bytes BuildEntry(const EntryFields& fields, const std::vector<Element>& extra);

// The information elements: fixed fields, SSID, rates, DS parameter set, extended rates and,
// for WPA networks, the WPA vendor element, for WPA2, WPA3 and OWE networks the RSN element.
// A hidden network sends an empty SSID element.
Bytes BuildInformationElements(const ScanNetwork& network, uint64_t timestamp);

// The whole entry, padded to a multiple of 4 bytes.
Bytes BuildScanEntry(const ScanNetwork& network, uint64_t timestamp);

}  // namespace netvane::driverkit
