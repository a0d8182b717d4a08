// Turns scan entries into the texts of the access point list, and the small texts the connect
// flow reads from an entry too.
#pragma once

#include <string>
#include <vector>

#include "driver/ScanList.h"
#include "survey/AccessPoint.h"

namespace netvane {

// "WEP" when the entry uses privacy, else "Not Use": what a WPA element's cipher replaces.
std::string PrivacyCipherText(const NDIS_WLAN_BSSID_EX& fields);

// One row. A frequency missing from the channel table is reported and shows as "?"; an
// infrastructure mode without a name shows as "Unknown".
AccessPoint MakeAccessPoint(const ScanEntry& entry);

// One row per well-formed entry, in list order; none without a list.
std::vector<AccessPoint> BuildAccessPoints(const BssidList* list);

}  // namespace netvane
