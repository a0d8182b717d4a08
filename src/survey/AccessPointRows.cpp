#include "survey/AccessPointRows.h"

#include <algorithm>

#include "driver/CV7000Access.h"
#include "driver/ChannelFreqTable.h"
#include "platform/system/Consistency.h"
#include "state/SharedState.h"
#include "survey/WpaElement.h"
#include "text/Translate.h"

namespace netvane {
namespace {

// The words of SharedState's name tables, as the list shows them.
std::string NetworkTypeText(uint32_t mode) {
  switch (mode) {
    case 0:
      return text::Tr("SiteSurveyPage", "Ad Hoc");
    case 1:
      return text::Tr("SiteSurveyPage", "Infrastructure");
    case 2:
      return text::Tr("SiteSurveyPage", "Automatic");
    default:
      return text::Tr("SiteSurveyPage", "Unknown");
  }
}

}  // namespace

std::string PrivacyCipherText(const NDIS_WLAN_BSSID_EX& fields) {
  return fields.Privacy != 0 ? SharedState::strAryEncryption[0]
                             : text::Tr("SiteSurveyPage", "Not Use");
}

AccessPoint MakeAccessPoint(const ScanEntry& entry) {
  const NDIS_WLAN_BSSID_EX& f = entry.fields;
  const WpaTexts texts =
      ParseWPAElement(entry, {PrivacyCipherText(f), text::Tr("SiteSurveyPage", "Unknow")});
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
