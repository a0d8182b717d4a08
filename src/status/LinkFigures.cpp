#include "status/LinkFigures.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string_view>

#include "driver/ChannelFreqTable.h"
#include "driver/ScanList.h"
#include "text/Translate.h"

namespace netvane {

std::string RateText(uint32_t currTxRate) {
  char text[24];
  if (currTxRate % 2 == 0) {
    std::snprintf(text, sizeof text, "%u Mbps", currTxRate / 2);
  } else {
    std::snprintf(text, sizeof text, "%.1f Mbps", currTxRate / 2.0);
  }
  return text;
}

std::string ThroughputText(uint32_t now, uint32_t before) {
  const uint32_t delta = now - before;
  char text[24];
  // Whole units only: the figure drops the remainder before it is printed with one decimal.
  const uint32_t units = delta / 250;
  std::snprintf(text, sizeof text, "%.1f", static_cast<double>(units));
  return text;
}

std::string ChannelText(uint32_t frequencyKHz) {
  // Outside the plan there is no channel to pair with the frequency: the label is the frequency.
  if (!ChannelForFrequency(frequencyKHz)) return ChannelLabel(frequencyKHz);
  return ChannelLabel(frequencyKHz) + " <--> " + std::to_string(frequencyKHz) + " KHz";
}

std::string AssociationText(const std::string& ssid, const std::array<uint8_t, kMacLength>& bssid) {
  return ssid + " <--> " + MacAddressText(bssid);
}

uint32_t SmoothedLinkQuality(uint32_t previous, uint32_t channelQuality) {
  // Capped while still a double: a quality beyond what 32 bits hold must not wrap to a small one.
  const double scaled = std::min(channelQuality * 1.2 + 10.0, 100.0);
  auto q = static_cast<uint32_t>(scaled);
  if (previous != 0) q = static_cast<uint32_t>(std::lround((previous + q) / 2.0));
  return q;
}

uint32_t SmoothedSignalQuality(uint32_t previous, uint32_t signalQuality) {
  return previous != 0 ? (previous + signalQuality) / 2 : signalQuality;
}

const char* QualityGrade(uint32_t quality) {
  if (quality > 70) return "GOOD ";
  if (quality > 40) return "NORMAL ";
  return "WEAK ";
}

std::string ShownQualityGrade(uint32_t quality) {
  const std::string_view grade = QualityGrade(quality);
  if (grade == "GOOD ") return text::Tr("LinkStatusPage", "GOOD ");
  if (grade == "NORMAL ") return text::Tr("LinkStatusPage", "NORMAL ");
  return text::Tr("LinkStatusPage", "WEAK ");
}

}  // namespace netvane
