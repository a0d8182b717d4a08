// Channel numbers and centre frequencies (kHz) of the 802.11 channel plan the adapter uses.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "driver/Records.h"

namespace netvane {

// NOLINTBEGIN(readability-identifier-naming) the driver's names for the channel table
// 2.4 GHz 1-14, then the 5 GHz 20 MHz channels 32-177 in order.
constexpr int32_t kChannelFreqEntries = 55;
extern const std::array<PAIR_CHANNEL_FREQ_ENTRY, kChannelFreqEntries> ChannelFreqTable;
extern const int32_t G_nChanFreqCount;
// NOLINTEND(readability-identifier-naming)

// The highest channel an ad hoc network may use: ad hoc stays on 2.4 GHz.
constexpr uint32_t kLastAdhocChannel = 14;

// The channel of the first row holding this frequency; nullopt when no row does.
std::optional<uint32_t> ChannelForFrequency(uint32_t freqKHz);

// The frequency of an ad hoc channel (2.4 GHz, 1 to 14); nullopt for any other channel.
std::optional<uint32_t> FrequencyForChannel(uint32_t channel);

// The channel number as text ("165"); a frequency outside the plan as itself ("5950 MHz").
std::string ChannelLabel(uint32_t freqKHz);

// The channels a profile may choose, in table order: 1-14 for ad hoc, every row otherwise.
std::vector<uint32_t> ChoosableChannels(bool adhoc);

}  // namespace netvane
