#include "driver/ChannelFreqTable.h"

namespace netvane {

const std::array<PAIR_CHANNEL_FREQ_ENTRY, kChannelFreqEntries> ChannelFreqTable = {{
    {1, 2412000},   {2, 2417000},   {3, 2422000},   {4, 2427000},   {5, 2432000},   {6, 2437000},
    {7, 2442000},   {8, 2447000},   {9, 2452000},   {10, 2457000},  {11, 2462000},  {12, 2467000},
    {13, 2472000},  {14, 2484000},  {34, 5170000},  {36, 5180000},  {38, 5190000},  {40, 5200000},
    {42, 5210000},  {44, 5220000},  {46, 5230000},  {48, 5240000},  {52, 5260000},  {56, 5280000},
    {60, 5300000},  {64, 5320000},  {100, 5500000}, {104, 5520000}, {108, 5540000}, {112, 5560000},
    {116, 5580000}, {120, 5600000}, {124, 5620000}, {128, 5640000}, {132, 5660000}, {136, 5680000},
    {140, 5700000}, {149, 5745000}, {153, 5765000}, {157, 5785000}, {161, 5805000},
}};
const int32_t G_nChanFreqCount = kChannelFreqEntries;

std::optional<uint32_t> ChannelForFrequency(uint32_t freqKHz) {
  for (int32_t i = 0; i < G_nChanFreqCount; ++i) {
    const auto& row = ChannelFreqTable[static_cast<std::size_t>(i)];
    if (row.lFreq == freqKHz) return row.lChannel;
  }
  return std::nullopt;
}

std::optional<uint32_t> FrequencyForChannel(uint32_t channel) {
  if (channel < 1 || channel > 14) return std::nullopt;
  return ChannelFreqTable[channel - 1].lFreq;
}

}  // namespace netvane
