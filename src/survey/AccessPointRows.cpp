#include "survey/AccessPointRows.h"

#include <algorithm>

#include "driver/CV7000Access.h"
#include "driver/ChannelFreqTable.h"
#include "platform/system/Consistency.h"
#include "state/SharedState.h"
#include "survey/WpaElement.h"

namespace netvane {
namespace {

std::string NetworkTypeText(uint32_t mode) {
  return mode < SharedState::strAryNetworkType.size() ? SharedState::strAryNetworkType[mode]
                                                      : "Unknown";
}

}  // namespace

std::string PrivacyCipherText(const NDIS_WLAN_BSSID_EX& fields) {
  return SharedState::strAryEncryption[fields.Privacy != 0 ? 0 : 1];
}

AccessPoint MakeAccessPoint(const ScanEntry& entry) {
  const NDIS_WLAN_BSSID_EX& f = entry.fields;
  const WpaTexts texts = ParseWPAElement(entry, {PrivacyCipherText(f), "Unknow"});
  return {SsidText(f.Ssid),
          MacAddressText(f.MacAddress),
          std::to_string(static_cast<int32_t>(CV7000Access::ConvertRssiToSignalQuality(f.Rssi))),
          ChannelLabel(f.Configuration.DSConfig),
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
