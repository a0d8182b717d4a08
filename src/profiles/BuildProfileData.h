// A stored profile turned into the driver-ready connection record that activation applies.
// Start-up and the activate button convert in exactly the same way (so does the command line).
#pragma once

#include <memory>

#include "profiles/ProfileRecord.h"
#include "survey/ProfileDataRecord.h"

namespace netvane {

// Values a hand-edited file may hold are kept safe: an SSID over 32 bytes is cut to 32 (for the
// association and the key derivation alike), a "BSSID" that is not 12 hexadecimal digits means
// associate by SSID, and an ad hoc channel outside 1 to 14 is reported and sets no channel.
std::unique_ptr<PROFILE_DATA> BuildProfileData(const ProfileRecord& record);

}  // namespace netvane
