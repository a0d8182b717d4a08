#include "driverkit/Channels.h"

#include <algorithm>
#include <array>

namespace netvane::driverkit {
namespace {

// The 20 MHz channels of the 5 GHz plan (34-46 even from the older Japanese plan).
constexpr std::array<uint32_t, 41> k5GHzChannels = {
    32,  34,  36,  38,  40,  42,  44,  46,  48,  52,  56,  60,  64,  68,
    72,  76,  80,  84,  88,  92,  96,  100, 104, 108, 112, 116, 120, 124,
    128, 132, 136, 140, 144, 149, 153, 157, 161, 165, 169, 173, 177};
constexpr uint32_t kLast24GHzChannel = 14;

}  // namespace

bool Is5GHzChannel(uint32_t channel) {
  return std::find(k5GHzChannels.begin(), k5GHzChannels.end(), channel) != k5GHzChannels.end();
}

bool IsKnownChannel(uint32_t channel) {
  return (channel >= 1 && channel <= kLast24GHzChannel) || Is5GHzChannel(channel);
}

uint32_t ChannelFrequencyKHz(uint32_t channel) {
  constexpr uint32_t kKHzPerMHz = 1000;
  if (channel == kLast24GHzChannel) return 2484 * kKHzPerMHz;
  if (channel >= 1 && channel < kLast24GHzChannel) return (2407 + 5 * channel) * kKHzPerMHz;
  if (Is5GHzChannel(channel)) return (5000 + 5 * channel) * kKHzPerMHz;
  return 0;
}

uint32_t ChannelOfFrequencyKHz(uint32_t kHz) {
  for (uint32_t channel = 1; channel <= k5GHzChannels.back(); ++channel) {
    if (IsKnownChannel(channel) && ChannelFrequencyKHz(channel) == kHz) return channel;
  }
  return 0;
}

}  // namespace netvane::driverkit
