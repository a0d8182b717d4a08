// The channels the card can tune and their centre frequencies.
#pragma once

#include <cstdint>

namespace netvane::driverkit {

bool IsKnownChannel(uint32_t channel);
bool Is5GHzChannel(uint32_t channel);
// Centre frequency in kHz; 0 for an unknown channel.
uint32_t ChannelFrequencyKHz(uint32_t channel);
// The channel centred on `kHz`; 0 when no channel is.
uint32_t ChannelOfFrequencyKHz(uint32_t kHz);

}  // namespace netvane::driverkit
