// A driver-ready connection record: everything the executor sends to apply one connection.
// It lives in memory only; the sub-records are the driver's own and go out exactly as stored.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "driver/Records.h"
#include "platform/system/Wipe.h"

namespace netvane {

constexpr std::size_t kWepKeySlots = 4;

// NOLINTBEGIN(readability-identifier-naming) field names shared with the stored profiles
struct PROFILE_DATA {
  uint8_t bBssid = 0;  // 1: associate by BSSID, 0: by SSID
  NDIS_802_11_SSID SSID{};
  uint8_t BSSID[kMacLength]{};
  uint8_t Reserved[2]{};
  NDIS_802_11_NETWORK_INFRASTRUCTURE enumNetworkType = Ndis802_11IBSS;
  CV_802_11_PREAMBLE enumPreamType = Cv802_11PreambleLong;
  uint32_t lRtsThre = 0;
  uint32_t lFragThre = 0;
  NDIS_802_11_AUTHENTICATION_MODE enumAuthenMode = Ndis802_11AuthModeOpen;
  NDIS_802_11_WEP_STATUS enumEncryStatus = Ndis802_11WEPEnabled;
  uint32_t lTxPower = 0;  // step: 0 = 100 %, 1 = 75 %, 2 = 50 %, 3 = 25 %, 4 = 12 %
  // Key blocks are whole NDIS_802_11_KEY records; a length field of 0 marks an empty slot.
  // Their buffers are wiped when the record (or a reallocation) releases them.
  system::SecretBytes pWPAKey;
  uint32_t lWPAKeyLen = 0;
  std::array<system::SecretBytes, kWepKeySlots> pWEPKey;  // slots 1 to 4 at 0 to 3
  std::array<uint32_t, kWepKeySlots> lWEPKeyLen{};
  NDIS_802_11_POWER_MODE enumPSMode = Ndis802_11PowerModeCAM;
  uint8_t bACCam = 0;       // kept with the profile; not sent
  uint32_t lFreq = 0;       // ad hoc channel centre frequency, kHz
  uint8_t bSetAdvance = 0;  // also send wireless mode, configSta and aryRates
  NDIS_802_11_RATES aryRates{};
  CV_802_11_STA_CONFIG configSta{};
  uint8_t bDisassociate = 0;
};
// NOLINTEND(readability-identifier-naming)

}  // namespace netvane
