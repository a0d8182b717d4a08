// One scan-list entry as the card reports a network: the fixed fields and the beacon's
// information elements.
#pragma once

#include <cstdint>

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

// The information elements: fixed fields, SSID, rates, DS parameter set, extended rates and,
// for WPA networks, the WPA vendor element, for WPA2, WPA3 and OWE networks the RSN element.
// A hidden network sends an empty SSID element.
Bytes BuildInformationElements(const ScanNetwork& network, uint64_t timestamp);

// The whole entry, padded to a multiple of 4 bytes.
Bytes BuildScanEntry(const ScanNetwork& network, uint64_t timestamp);

}  // namespace netvane::driverkit
