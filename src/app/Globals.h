// Process-wide state through which the pages coordinate. Touched only on the main thread.
#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "driver/ChannelFreqTable.h"
#include "driver/Records.h"

namespace netvane {

class BssidList;

// NOLINTBEGIN(readability-identifier-naming,cppcoreguidelines-avoid-non-const-global-variables)
extern int8_t __DEBUG__;
extern int8_t G_bDeviceExist;
extern int8_t G_bDialogRunning;
extern int8_t G_bRescan;
extern int8_t G_bBssidListScan;
// Row of the access-point list the adapter is associated with, -1 for none. Wider than a
// byte: a full scan list holds several hundred rows.
extern int32_t G_bCurSelItem;
extern int8_t G_bSupportAMode;
extern int8_t G_bRadio;
extern int8_t G_bCheckedProfileConnect;
// The last scan result; null before the first collection. Owned here, replaced whole by
// QueryBssidList.
extern std::unique_ptr<BssidList> G_pBssidList;
extern CV_802_11_PHY_MODE G_enumWirelessMode;
extern NDIS_802_11_WEP_STATUS G_encryCapa;

extern const std::array<const char*, 3> strAryNetworkType;
extern const std::array<const char*, 8> strAryEncryption;

// NOLINTEND(readability-identifier-naming,cppcoreguidelines-avoid-non-const-global-variables)

// Puts every flag back to its start-up value (tests run many start-ups in one process).
void ResetGlobals();

}  // namespace netvane
