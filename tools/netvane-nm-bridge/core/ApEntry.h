// A scan-list entry for an access point as NetworkManager reports it, and the conversions the
// queries share with it: signal, channel and frequency.
#pragma once

#include <cstdint>
#include <optional>

#include "core/NmState.h"
#include "driverkit/Bytes.h"

namespace netvane::nmbridge {

// dBm = -100 + round(0.6 x Strength): NetworkManager publishes a percent, not the signal.
int32_t RssiOfStrength(uint8_t strengthPercent);

// The channel number of a centre frequency: 2.4 GHz (14 at 2484), 4.9 and 5 GHz, 6 GHz; 0 off
// every plan.
uint8_t ChannelOfFrequency(uint32_t mhz);

// 5 GHz and 6 GHz networks are OFDM5, the rest DS, as the simulator reports them.
uint32_t NetworkTypeOfFrequency(uint32_t mhz);

// The whole NDIS_WLAN_BSSID_EX entry; nothing for an access point that is neither ad hoc nor
// infrastructure (an access point of this host, a mesh point).
std::optional<driverkit::Bytes> EntryOf(const AccessPointState& ap);

}  // namespace netvane::nmbridge
