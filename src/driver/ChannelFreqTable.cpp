#include "driver/ChannelFreqTable.h"

#include <cstdio>

namespace netvane {
namespace {

constexpr uint32_t kKHzPerMHz = 1000;

constexpr uint32_t CentreKHz(uint32_t channel) {
  if (channel == 14) return 2484 * kKHzPerMHz;
  if (channel < 14) return (2407 + 5 * channel) * kKHzPerMHz;
  return (5000 + 5 * channel) * kKHzPerMHz;
}

// Only channels a 20 MHz network can be centred on: a scan entry names its primary channel, so
// the centres of wider channels (50, 58, ...) would only clutter the lists. 34-46 even are the
// older Japanese plan's, kept so entries on them still read as channels.
constexpr std::array<uint32_t, kChannelFreqEntries> kChannels = {
    1,   2,   3,   4,   5,   6,   7,   8,   9,   10,  11,  12,  13,  14,  32,  34,  36,  38,  40,
    42,  44,  46,  48,  52,  56,  60,  64,  68,  72,  76,  80,  84,  88,  92,  96,  100, 104, 108,
    112, 116, 120, 124, 128, 132, 136, 140, 144, 149, 153, 157, 161, 165, 169, 173, 177};

constexpr std::array<PAIR_CHANNEL_FREQ_ENTRY, kChannelFreqEntries> BuildTable() {
  std::array<PAIR_CHANNEL_FREQ_ENTRY, kChannelFreqEntries> table{};
  for (std::size_t i = 0; i < kChannels.size(); ++i) {
    table[i] = {kChannels[i], CentreKHz(kChannels[i])};
  }
  return table;
}

}  // namespace

const std::array<PAIR_CHANNEL_FREQ_ENTRY, kChannelFreqEntries> ChannelFreqTable = BuildTable();
const int32_t G_nChanFreqCount = kChannelFreqEntries;

std::optional<uint32_t> ChannelForFrequency(uint32_t freqKHz) {
  for (int32_t i = 0; i < G_nChanFreqCount; ++i) {
    const auto& row = ChannelFreqTable[static_cast<std::size_t>(i)];
    if (row.lFreq == freqKHz) return row.lChannel;
  }
  return std::nullopt;
}

std::optional<uint32_t> FrequencyForChannel(uint32_t channel) {
  if (channel < 1 || channel > kLastAdhocChannel) return std::nullopt;
  return ChannelFreqTable[channel - 1].lFreq;
}

std::string ChannelLabel(uint32_t freqKHz) {
  if (const auto channel = ChannelForFrequency(freqKHz)) return std::to_string(*channel);
  const uint32_t fraction = freqKHz % kKHzPerMHz;
  if (fraction == 0) return std::to_string(freqKHz / kKHzPerMHz) + " MHz";
  char text[32];
  std::snprintf(text, sizeof text, "%u.%03u", freqKHz / kKHzPerMHz, fraction);
  std::string label(text);
  label.erase(label.find_last_not_of('0') + 1);
  return label + " MHz";
}

std::vector<uint32_t> ChoosableChannels(bool adhoc) {
  std::vector<uint32_t> channels;
  for (const auto& row : ChannelFreqTable) {
    if (!adhoc || row.lChannel <= kLastAdhocChannel) channels.push_back(row.lChannel);
  }
  return channels;
}

}  // namespace netvane
