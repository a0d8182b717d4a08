// The link status page's figures from the driver's answers, in plain functions so that a
// second front end shows the same numbers.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "driver/Records.h"

namespace netvane {

// 500 kbit/s units: 108 is "54 Mbps", 11 is "5.5 Mbps".
std::string RateText(uint32_t currTxRate);

// Bytes since the last tick over the 2-second tick, in kbit/s: 250 bytes a tick is one.
// The difference is taken modulo 2^32, so a counter that wrapped still gives the right delta.
std::string ThroughputText(uint32_t now, uint32_t before);

// "6 <--> 2437000 KHz"; a frequency outside the channel plan as "5950 MHz".
std::string ChannelText(uint32_t frequencyKHz);

// "SSID <--> 00-11-22-33-44-55".
std::string AssociationText(const std::string& ssid, const std::array<uint8_t, kMacLength>& bssid);

// The driver's channel quality scaled to a percentage (capped at 100 before it is made an
// integer) and averaged with the previous figure, rounded half up; `previous` 0 means none.
uint32_t SmoothedLinkQuality(uint32_t previous, uint32_t channelQuality);
// The signal quality averaged with the previous figure, rounded down; `previous` 0 means none.
uint32_t SmoothedSignalQuality(uint32_t previous, uint32_t signalQuality);

// "GOOD " above 70, "NORMAL " above 40, else "WEAK ": the command line's, always English.
const char* QualityGrade(uint32_t quality);
// The same grade as the window shows it, in the person's language (padded alike).
std::string ShownQualityGrade(uint32_t quality);

}  // namespace netvane
