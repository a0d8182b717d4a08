// A stored connection profile: text keys to byte-string values. Numbers are decimal text and
// are read the forgiving way hand-edited files need (IntValue).
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/plist/Dictionary.h"
#include "platform/plist/IntValue.h"

namespace netvane {

using ProfileRecord = plist::Dictionary;
using ProfileRecordList = plist::RecordList;

namespace profile_key {
constexpr const char* kProfileName = "Profile Name";
constexpr const char* kAcPowerCam = "AC Power CAM";
constexpr const char* kAuthentication = "Authentication Type";
constexpr const char* kChannel = "Channel";
constexpr const char* kEncryption = "Encryption Type";
constexpr const char* kFragThreshold = "Fragmentation Threshold";
constexpr const char* kNetworkType = "Network Type";
constexpr const char* kPreamble = "Preamble Type";
constexpr const char* kPowerSave = "Power Save Mode";
constexpr const char* kRtsThreshold = "RTS Threshold";
constexpr const char* kSsid = "SSID";
constexpr const char* kBssid = "BSSID";
constexpr const char* kTxPower = "Tx Power";
constexpr const char* kWepKeyUse = "WEPKeyUse";
constexpr const char* kWpaPsk = "WPAPSK";
constexpr const char* kActiveFlag = "Active Profile Flag";
constexpr const char* kSelected = "Selected";
constexpr std::array<const char*, 4> kWepKeys = {"WEPKey1", "WEPKey2", "WEPKey3", "WEPKey4"};
}  // namespace profile_key

// The 23 keys of a profile, in the order an active-profile record copies them.
constexpr std::array<const char*, 23> kProfileKeys = {"Profile Name",
                                                      "AC Power CAM",
                                                      "Authentication Type",
                                                      "Channel",
                                                      "Encryption Type",
                                                      "Fragmentation Threshold",
                                                      "Network Type",
                                                      "Preamble Type",
                                                      "Power Save Mode",
                                                      "RTS Threshold",
                                                      "SSID",
                                                      "BSSID",
                                                      "Tx Power",
                                                      "WEPKey1",
                                                      "WEPKey1 Type",
                                                      "WEPKey2",
                                                      "WEPKey2 Type",
                                                      "WEPKey3",
                                                      "WEPKey3 Type",
                                                      "WEPKey4",
                                                      "WEPKey4 Type",
                                                      "WEPKeyUse",
                                                      "WPAPSK"};

using plist::IntValue;
inline int32_t IntOf(const ProfileRecord& record, std::string_view key) {
  return IntValue(record.Text(key));
}
std::string DecimalText(int32_t value);  // "%d"

// The record the activation logic keeps: the flag, the row, then the 23 keys copied from
// `source` ("" for a key it lacks).
ProfileRecord MakeActiveRecord(const ProfileRecord& source, bool active, int32_t selected);

// "PROF" and one more than the highest number read at character 4 of any name that holds
// "PROF" (upper-cased), counting from 0: PROF1 for an empty list.
std::string NextProfileName(const ProfileRecordList& records);

// The WEP keys are key material: written one character per byte whatever their bytes.
void MarkKeyMaterial(ProfileRecord& record);

}  // namespace netvane
