// A process-wide scan list made of chosen networks, as a collection would leave it, for unit
// tests of the pages that read it.
#pragma once

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "driver/ScanList.h"
#include "fake_driver/FakeUserClient.h"
#include "state/SharedState.h"
#include "unit/survey/IeBuilders.h"

namespace netvane::testing {

// One scanned network, as the fields the pages read.
struct Network {
  std::string ssid;
  uint8_t tag = 0;  // last byte of the BSSID 02-C0-7A-00-00-tag
  uint32_t privacy = 0;
  uint32_t mode = Ndis802_11Infrastructure;
  uint32_t frequency = 2412000;
  int32_t rssi = -48;
  Bytes8 wpa = {};  // a WPA element, or none
};

// Replaces the process-wide scan list, as a collection would.
inline void InstallScanList(SharedState& state, const std::vector<Network>& networks) {
  state.G_pBssidList = std::make_unique<BssidList>();
  for (const Network& n : networks) {
    Bytes8 e = EntryWithElements(Concat({CommonElements(), n.wpa}), n.mode);
    NDIS_WLAN_BSSID_EX fixed{};
    std::memcpy(&fixed, e.data(), kBssidEntryFixedLength);
    const uint8_t mac[kMacLength] = {0x02, 0xC0, 0x7A, 0x00, 0x00, n.tag};
    std::memcpy(fixed.MacAddress, mac, kMacLength);
    fixed.Ssid.SsidLength = static_cast<uint32_t>(n.ssid.size());
    std::memcpy(fixed.Ssid.Ssid, n.ssid.data(), n.ssid.size());
    fixed.Privacy = n.privacy;
    fixed.Rssi = n.rssi;
    fixed.Configuration.DSConfig = n.frequency;
    std::memcpy(e.data(), &fixed, kBssidEntryFixedLength);
    state.G_pBssidList->AppendPart(Concat({Bytes(1U), e}));  // a part of one entry
  }
}

}  // namespace netvane::testing
