// The process-wide flags and name tables through which the pages coordinate. One instance per
// process, owned by the composition root and handed by reference to whoever reads or writes it;
// each test builds its own. Touched only on the main thread.
#pragma once

#include <array>
#include <cstdint>
#include <memory>

namespace netvane {

class BssidList;
// Declared here without their values so that this folder needs nothing above it; the driver
// records define them.
enum CV_802_11_PHY_MODE : uint32_t;      // NOLINT(readability-identifier-naming) driver's name
enum NDIS_802_11_WEP_STATUS : uint32_t;  // NOLINT(readability-identifier-naming) driver's name

// NOLINTBEGIN(readability-identifier-naming,bugprone-reserved-identifier,cert-dcl37-c,cert-dcl51-cpp)
// the names the pages share
struct SharedState {
  // The pages' debug lines are written when nonzero; the front ends set it from --verbose.
  int8_t __DEBUG__ = 0;
  // The driver was found and opened at the last detection.
  int8_t G_bDeviceExist = 0;
  // A card initialisation step is running: the main poll skips its tick.
  int8_t G_bDialogRunning = 0;
  // The access-point list is to be rebuilt at the next connection-status probe.
  int8_t G_bRescan = 0;
  // A task-started scan is waiting to be collected.
  int8_t G_bBssidListScan = 0;
  // Row of the access-point list the adapter is associated with, -1 for none. Wider than a
  // byte: a full scan list holds several hundred rows.
  int32_t G_bCurSelItem = 0;
  int8_t G_bSupportAMode = 0;
  int8_t G_bRadio = 1;
  // The active profile is in force (its mark is shown).
  int8_t G_bCheckedProfileConnect = 0;
  // The last scan result; null before the first collection, replaced whole by each one.
  // Shared ownership only so that this header can leave the list's type incomplete.
  std::shared_ptr<BssidList> G_pBssidList;
  CV_802_11_PHY_MODE G_enumWirelessMode = static_cast<CV_802_11_PHY_MODE>(0);  // 11b/g mixed
  // The encryption offered for WPA-PSK choices: TKIP and AES. Never changed.
  NDIS_802_11_WEP_STATUS G_encryCapa = static_cast<NDIS_802_11_WEP_STATUS>(6);

  // Display names indexed by the network's infrastructure mode and by its WEP status.
  static constexpr std::array<const char*, 3> strAryNetworkType = {"Ad Hoc", "Infrastructure",
                                                                   "Automatic"};
  static constexpr std::array<const char*, 8> strAryEncryption = {"WEP",  "Not Use", "",    "",
                                                                  "TKIP", "",        "AES", ""};
};
// NOLINTEND(readability-identifier-naming,bugprone-reserved-identifier,cert-dcl37-c,cert-dcl51-cpp)

}  // namespace netvane
