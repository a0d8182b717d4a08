#include "app/Globals.h"

#include "driver/ScanList.h"

namespace netvane {

// NOLINTBEGIN(readability-identifier-naming,cppcoreguidelines-avoid-non-const-global-variables)
int8_t __DEBUG__ = 0;
int8_t G_bDeviceExist = 0;
int8_t G_bDialogRunning = 0;
int8_t G_bRescan = 0;
int8_t G_bBssidListScan = 0;
int32_t G_bCurSelItem = 0;
int8_t G_bSupportAMode = 0;
int8_t G_bRadio = 1;
int8_t G_bCheckedProfileConnect = 0;
std::unique_ptr<BssidList> G_pBssidList;
CV_802_11_PHY_MODE G_enumWirelessMode = PHY_11BG_MIXED;
NDIS_802_11_WEP_STATUS G_encryCapa = Ndis802_11Encryption3Enabled;

const std::array<const char*, 3> strAryNetworkType = {"Ad Hoc", "Infrastructure", "Automatic"};
const std::array<const char*, 8> strAryEncryption = {"WEP",  "Not Use", "",    "",
                                                     "TKIP", "",        "AES", ""};
// NOLINTEND(readability-identifier-naming,cppcoreguidelines-avoid-non-const-global-variables)

void ResetGlobals() {
  __DEBUG__ = 0;
  G_bDeviceExist = 0;
  G_bDialogRunning = 0;
  G_bRescan = 0;
  G_bBssidListScan = 0;
  G_bCurSelItem = 0;
  G_bSupportAMode = 0;
  G_bRadio = 1;
  G_bCheckedProfileConnect = 0;
  G_pBssidList.reset();
  G_enumWirelessMode = PHY_11BG_MIXED;
  G_encryCapa = Ndis802_11Encryption3Enabled;
}

}  // namespace netvane
