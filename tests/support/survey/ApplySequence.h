// The structure calls, as the simulator's trace writes their selectors, that applying one
// connection record makes: the fixed settings, then `keys`, then an ad hoc network's channel
// (its configuration read and written back) or the power mode, then the association.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "driver/Oids.h"

namespace netvane::testing {

inline std::vector<std::string> ApplySelectors(const std::vector<uint32_t>& keys, bool adHoc,
                                               bool bySsid) {
  std::vector<uint32_t> oids{
      OID_802_11_DISASSOCIATE,  OID_802_11_INFRASTRUCTURE_MODE,     OID_CV_802_11_PREAMBLE,
      OID_802_11_RTS_THRESHOLD, OID_802_11_FRAGMENTATION_THRESHOLD, OID_802_11_AUTHENTICATION_MODE,
      OID_802_11_WEP_STATUS,    OID_CV_802_11_TX_POWER_LEVEL};
  oids.insert(oids.end(), keys.begin(), keys.end());
  oids.push_back(adHoc ? OID_802_11_CONFIGURATION : OID_802_11_POWER_MODE);
  oids.push_back(bySsid ? OID_802_11_SSID : OID_802_11_BSSID);
  for (uint32_t& oid : oids) oid = SetForm(oid);
  if (adHoc) oids.insert(oids.end() - 2, OID_802_11_CONFIGURATION);
  std::vector<std::string> selectors;
  for (uint32_t oid : oids) {
    char text[11];
    std::snprintf(text, sizeof text, "0x%08x", oid);
    selectors.emplace_back(text);
  }
  return selectors;
}

}  // namespace netvane::testing
