#include "status/LinkStatusPageController.h"

#include <vector>

#include "driver/CV7000Access.h"
#include "driver/Oids.h"
#include "driver/ScanList.h"
#include "status/LinkFigures.h"
#include "text/Translate.h"

namespace netvane {

LinkStatusPageController::LinkStatusPageController(
    const SharedState& state, CV7000Access& adapter, const LinkStatusFields& fields,
    ui::RepeatingTimer& timer, std::function<void(const std::string&)> updateConnectStatus)
    : state_(state),
      adapter_(adapter),
      f_(fields),
      timer_(timer),
      updateConnectStatus_(std::move(updateConnectStatus)) {}

void LinkStatusPageController::awakeFromNib() {
  // The first throughput shown covers one tick, not the driver's whole history.
  CV_802_11_LINK_STATUS link{};
  uint32_t returned = 0;
  adapter_.OidQueryInformation(OID_CV_802_11_QUERY_LINK_STATUS, &link, sizeof link, &returned);
  TxCount = link.TxByteCount;
  RxCount = link.RxByteCount;
  timer_.Start(kTimerSeconds, [this] { OnTimer(); });
}

void LinkStatusPageController::Clear(const std::string& status) {
  f_.Status.SetText(status);
  for (ui::TextField* field : {&f_.CurrentChannel, &f_.CurrentTxRate, &f_.ThroughputTx,
                               &f_.ThroughputRx, &f_.LinkQualityState, &f_.SignalStrengthState}) {
    field->SetText("");
  }
  f_.LinkQuality.SetValue(0.0);
  f_.SignalStrength.SetValue(0.0);
  f_.dBm.SetState(false);
  if (updateConnectStatus_) updateConnectStatus_(text::Tr("SiteSurveyPage", "** Disconnected **"));
  Record({});
}

void LinkStatusPageController::Record(ui::HistorySample sample) {
  history_.push_back(sample);
  while (history_.size() > kHistorySamples) history_.pop_front();
  f_.History.ShowHistory(std::vector<ui::HistorySample>(history_.begin(), history_.end()));
}

void LinkStatusPageController::Report(LinkState state, const std::string& ssid) const {
  if (observer_) observer_({state, ssid, state == LinkState::kJoined ? ChannelQuality : 0});
}

void LinkStatusPageController::OnTimer() {
  if (state_.G_bDeviceExist == 0) {
    baselineStale_ = true;
    Report(LinkState::kNoAdapter);
    return;
  }
  NDIS_MEDIA_STATE media{};
  uint32_t returned = 0;
  if (!adapter_.OidQueryInformation(OID_GEN_MEDIA_CONNECT_STATUS, &media, sizeof media,
                                    &returned)) {
    baselineStale_ = true;
    Clear(text::Tr("LinkStatusPage", "No Driver!!"));
    Report(LinkState::kNoAdapter);
    return;
  }
  if (media != NdisMediaStateConnected) {
    bool radioOn = false;
    if (state_.G_bRadio != 0) {
      CV_802_11_STA_CONFIG config{};
      adapter_.OidQueryInformation(OID_CV_802_11_STA_CONFIG, &config, sizeof config, &returned);
      radioOn = config.HwRadioStatus != 0;
    }
    Clear(radioOn ? text::Tr("LinkStatusPage", "Disconnected")
                  : text::Tr("LinkStatusPage", "Radio Status <--> OFF"));
    Report(radioOn ? LinkState::kDisconnected : LinkState::kRadioOff);
    return;
  }

  // Failed queries read as the zeros they start with.
  NDIS_802_11_SSID ssid{};
  std::array<uint8_t, kMacLength> bssid{};
  NDIS_802_11_CONFIGURATION config{};
  CV_802_11_LINK_STATUS link{};
  int32_t rssi = 0;
  adapter_.OidQueryInformation(OID_802_11_SSID, &ssid, sizeof ssid, &returned);
  adapter_.OidQueryInformation(OID_802_11_BSSID, bssid.data(), bssid.size(), &returned);
  adapter_.OidQueryInformation(OID_802_11_CONFIGURATION, &config, sizeof config, &returned);
  adapter_.OidQueryInformation(OID_CV_802_11_QUERY_LINK_STATUS, &link, sizeof link, &returned);
  adapter_.OidQueryInformation(OID_802_11_RSSI, &rssi, sizeof rssi, &returned);

  const std::string name = SsidText(ssid);
  std::string tx = ThroughputText(link.TxByteCount, TxCount);
  std::string rx = ThroughputText(link.RxByteCount, RxCount);
  if (baselineStale_) {
    tx = rx = "0.0";
    baselineStale_ = false;
  }
  TxCount = link.TxByteCount;
  RxCount = link.RxByteCount;

  ChannelQuality = SmoothedLinkQuality(ChannelQuality, link.ChannelQuality);
  SignalQuality =
      SmoothedSignalQuality(SignalQuality, CV7000Access::ConvertRssiToSignalQuality(rssi));
  const std::string linkText =
      ShownQualityGrade(ChannelQuality) + std::to_string(ChannelQuality) + "%";
  const std::string signalText =
      ShownQualityGrade(SignalQuality) +
      (f_.dBm.State() ? std::to_string(rssi) + " dBm" : std::to_string(SignalQuality) + "%");

  f_.Status.SetText(AssociationText(name, bssid));
  f_.CurrentChannel.SetText(ChannelText(config.DSConfig));
  f_.CurrentTxRate.SetText(RateText(link.CurrTxRate));
  f_.ThroughputTx.SetText(tx);
  f_.ThroughputRx.SetText(rx);
  f_.LinkQualityState.SetText(linkText);
  f_.SignalStrengthState.SetText(signalText);
  f_.LinkQuality.SetValue(ChannelQuality);
  f_.SignalStrength.SetValue(SignalQuality);
  if (updateConnectStatus_) {
    updateConnectStatus_(text::Arg(text::Tr("SiteSurveyPage", "Connected <--> %1"), {name}));
  }
  Record({static_cast<int>(ChannelQuality), static_cast<int>(SignalQuality)});
  Report(LinkState::kJoined, name);
}

}  // namespace netvane
