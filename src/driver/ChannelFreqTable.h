// Channel numbers and centre frequencies (kHz) of the 802.11 channel plan the adapter uses.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "driver/Records.h"

namespace netvane {

// NOLINTBEGIN(readability-identifier-naming) the driver's names for the channel table
constexpr int32_t kChannelFreqEntries = 41;
extern const std::array<PAIR_CHANNEL_FREQ_ENTRY, kChannelFreqEntries> ChannelFreqTable;
extern const int32_t G_nChanFreqCount;
// NOLINTEND(readability-identifier-naming)

// The channel of the first row holding this frequency; nullopt when no row does.
std::optional<uint32_t> ChannelForFrequency(uint32_t freqKHz);

// The frequency of a 2.4 GHz channel 1 to 14; nullopt for any other channel.
std::optional<uint32_t> FrequencyForChannel(uint32_t channel);

}  // namespace netvane
