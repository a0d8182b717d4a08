// The connection record a connect from the site survey page builds out of a scan entry, what
// the user answered in the prompts, and the pre-shared key derived on the way; and the new
// profile a scanned network starts.
#pragma once

#include <array>
#include <memory>
#include <optional>
#include <span>
#include <string>

#include "driver/ScanList.h"
#include "survey/KeyBlock.h"
#include "survey/ProfileDataRecord.h"
#include "survey/ProfileHooks.h"
#include "survey/SheetResults.h"

namespace netvane {

// What the user answered; a prompt that was not shown leaves its part empty.
struct ConnectChoices {
  std::optional<NDIS_802_11_SSID> hiddenSsid;  // typed for a network that hides its name
  std::optional<SecuritySettings> security;    // the security sheet's result
};

// An infrastructure network that does not broadcast its SSID: the user has to type it.
bool IsHiddenInfrastructure(const NDIS_WLAN_BSSID_EX& fields);
// Privacy, or a pre-shared key WPA element (`wpaKind` as IsItemWPA gives it).
bool NeedsSecuritySheet(const NDIS_WLAN_BSSID_EX& fields, int32_t wpaKind);

// Authentication and encryption indexes the security sheet opens with.
struct SheetPreset {
  int32_t authentication = 0;
  int32_t encryption = 0;
};
SheetPreset PresetFor(int32_t wpaKind, const std::string& cipher);

// The SSID the connect is for: the typed one for a hidden network, else the entry's own (its
// length held to the 32 bytes of the field).
NDIS_802_11_SSID ConnectSsid(const NDIS_WLAN_BSSID_EX& fields, const ConnectChoices& choices);

// 64 hexadecimal digits convert as they are; anything shorter is a pass phrase hashed with
// `salt` (the SSID). A pass phrase the derivation refuses gives an all-zero key.
system::SecretArray<kPskLength> DerivePsk(const SecuritySettings& settings,
                                          std::span<const uint8_t> salt);

// The whole record: associates by BSSID with an infrastructure network whose name is known,
// else by SSID. An ad hoc network's record carries its channel's frequency when that is a 2.4
// GHz channel, else 0 (no channel is set).
std::unique_ptr<PROFILE_DATA> BuildConnectRecord(const ScanEntry& entry,
                                                 const ConnectChoices& choices);

// A new profile's start from a scanned network; a frequency missing from the channel table
// gives channel 0.
ScannedNetwork ScannedNetworkFor(const ScanEntry& entry);

}  // namespace netvane
