// The frame counters as the statistics page shows them (and a second front end would).
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "driver/Records.h"

namespace netvane {

constexpr std::size_t kStatisticsFields = 10;

// In the page's order: FTS, FTSWR, FTSAR, FFTRAAA, RFSRC, RFFTRC, FRS, FRWCE, FDDTO, DFR.
// Every 64-bit counter shows in full; FTSWR (fragments minus retries) is exact, negative when
// the retries outnumber the fragments.
std::array<std::string, kStatisticsFields> StatisticsTexts(const NDIS_802_11_STATISTICS& stats,
                                                           uint32_t receivedOk,
                                                           uint32_t receivedNoBuffer);

}  // namespace netvane
