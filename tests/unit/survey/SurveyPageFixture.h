// The site survey rig on the fake driver registry, and scan lists built in process with the
// driver's layout.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "IeBuilders.h"
#include "driver/Oids.h"
#include "driver/ScanList.h"
#include "fake_driver/FakeUserClient.h"
#include "support/survey/SurveyRig.h"

namespace netvane::testing {

// One scanned network, as the fields the pages read.
struct Network {
  Network(std::string ssid_, uint8_t tag_, uint32_t privacy_ = 0,
          uint32_t mode_ = Ndis802_11Infrastructure, uint32_t frequency_ = 2412000,
          int32_t rssi_ = -48, Bytes8 wpa_ = {})
      : ssid(std::move(ssid_)),
        tag(tag_),
        privacy(privacy_),
        mode(mode_),
        frequency(frequency_),
        rssi(rssi_),
        wpa(std::move(wpa_)) {}
  std::string ssid;
  uint8_t tag;  // last byte of the BSSID 02-C0-7A-00-00-tag
  uint32_t privacy;
  uint32_t mode;
  uint32_t frequency;
  int32_t rssi;
  Bytes8 wpa;  // a WPA element, or none
};

inline Bytes8 Entry(const Network& n) {
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
  return e;
}

// Replaces the process-wide scan list, as a collection would.
inline void InstallScanList(SharedState& state, const std::vector<Network>& networks) {
  Bytes8 list(4, 0);
  const auto count = static_cast<uint32_t>(networks.size());
  std::memcpy(list.data(), &count, 4);
  for (const Network& n : networks) {
    const Bytes8 e = Entry(n);
    list.insert(list.end(), e.begin(), e.end());
  }
  state.G_pBssidList = std::make_unique<BssidList>();
  state.G_pBssidList->AppendPart(list);
}

// Group TKIP or AES (2 or 4), one pairwise suite, one key-management suite (1 802.1X, 2 PSK).
inline Bytes8 Wpa(uint8_t group, uint8_t keyMgmt) {
  return WpaElement(group, {group}, {keyMgmt});
}

// Holds the fake registry so that it is there before the rig that uses it.
struct FakeDriverHolder {
  FakeUserClient driver;
};

class SurveyPageFixture : public ::testing::Test, protected FakeDriverHolder, public SurveyRig {
 protected:
  SurveyPageFixture() : SurveyRig(driver) { state.G_bDeviceExist = 1; }

  // Structure calls from now on.
  void ForgetCalls() { driver.calls.clear(); }
  std::vector<FakeCall> Sets() const {
    std::vector<FakeCall> sets;
    for (const FakeCall& c : driver.StructCalls()) {
      if ((c.selector & kOidSetFlag) != 0) sets.push_back(c);
    }
    return sets;
  }
  std::vector<FakeCall> SetsOf(uint32_t oid) const {
    std::vector<FakeCall> out;
    for (const FakeCall& c : Sets()) {
      if (c.selector == SetForm(oid)) out.push_back(c);
    }
    return out;
  }
};

}  // namespace netvane::testing
