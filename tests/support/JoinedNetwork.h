// What the adapter reports joined, asked as every page asks it.
#pragma once

#include <cstdint>

#include "driver/CV7000Access.h"
#include "driver/Oids.h"

namespace netvane::testing {

// The last byte of the BSSID the card is joined to; 0 when it is not joined.
inline uint8_t JoinedTag(CV7000Access& adapter) {
  uint32_t state = NdisMediaStateDisconnected;
  uint32_t returned = 0;
  adapter.OidQueryInformation(OID_GEN_MEDIA_CONNECT_STATUS, &state, 4, &returned);
  uint8_t bssid[6] = {};
  adapter.OidQueryInformation(OID_802_11_BSSID, bssid, 6, &returned);
  return state == NdisMediaStateConnected ? bssid[5] : 0;
}

}  // namespace netvane::testing
