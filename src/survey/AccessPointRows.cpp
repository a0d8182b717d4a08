#include "survey/AccessPointRows.h"

#include <algorithm>

#include "driver/CV7000Access.h"
#include "driver/ChannelFreqTable.h"
#include "platform/system/Consistency.h"
#include "state/SharedState.h"
#include "survey/WpaElement.h"

namespace netvane {
namespace {

std::string ChannelText(uint32_t frequency) {
  const auto channel = ChannelForFrequency(frequency);
  if (!channel) {
    platform::ReportConsistencyFailure(__FILE__, __LINE__);
    return "?";
  }
  return std::to_string(*channel);
}

std::string NetworkTypeText(uint32_t mode) {
  return mode < SharedState::strAryNetworkType.size() ? SharedState::strAryNetworkType[mode]
                                                      : "Unknown";
}

}  // namespace

std::string BssidText(const uint8_t (&mac)[kMacLength]) {
  // By hand: printf formatting took half the time of a whole rebuild.
  constexpr const char* kDigits = "0123456789ABCDEF";
  std::string text(3 * kMacLength - 1, '-');
  for (std::size_t i = 0; i < kMacLength; ++i) {
    text[3 * i] = kDigits[mac[i] >> 4];
    text[3 * i + 1] = kDigits[mac[i] & 0x0F];
  }
  return text;
}

std::string PrivacyCipherText(const NDIS_WLAN_BSSID_EX& fields) {
  return SharedState::strAryEncryption[fields.Privacy != 0 ? 0 : 1];
}

AccessPoint MakeAccessPoint(const ScanEntry& entry) {
  const NDIS_WLAN_BSSID_EX& f = entry.fields;
  const WpaTexts texts = ParseWPAElement(entry, {PrivacyCipherText(f), "Unknow"});
  return {SsidText(f.Ssid),
          BssidText(f.MacAddress),
          std::to_string(static_cast<int32_t>(CV7000Access::ConvertRssiToSignalQuality(f.Rssi))),
          ChannelText(f.Configuration.DSConfig),
          texts.authentication,
          texts.cipher,
          NetworkTypeText(f.InfrastructureMode)};
}

std::vector<AccessPoint> BuildAccessPoints(const BssidList* list) {
  std::vector<AccessPoint> rows;
  if (list == nullptr) return rows;
  const ScanListView view = list->View();
  rows.reserve(view.Count());
  for (const ScanEntry& entry : view.Entries()) rows.push_back(MakeAccessPoint(entry));
  return rows;
}

}  // namespace netvane
