// The link status page: association, channel, rate, throughput and the smoothed link and
// signal quality with a word grade, refreshed on its own timer, with five minutes of history;
// it also gives the site survey page its one-line connection status.
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <string>

#include "state/SharedState.h"
#include "status/ConnectionEvents.h"
#include "ui/HistoryView.h"
#include "ui/ProgressBar.h"
#include "ui/RepeatingTimer.h"
#include "ui/TextField.h"
#include "ui/Toggle.h"

namespace netvane {

class CV7000Access;

struct LinkStatusFields {
  ui::TextField& Status;
  ui::TextField& CurrentChannel;
  ui::TextField& CurrentTxRate;
  ui::TextField& ThroughputTx;
  ui::TextField& ThroughputRx;
  ui::TextField& LinkQualityState;
  ui::TextField& SignalStrengthState;
  ui::ProgressBar& LinkQuality;
  ui::ProgressBar& SignalStrength;
  ui::Toggle& dBm;
  ui::HistoryView& History;
};

class LinkStatusPageController {
 public:
  static constexpr double kTimerSeconds = 2.0;
  // Five minutes of two-second ticks.
  static constexpr std::size_t kHistorySamples = 150;

  // Every reference must outlive the page. `updateConnectStatus` is the site survey page's
  // connection line.
  LinkStatusPageController(const SharedState& state, CV7000Access& adapter,
                           const LinkStatusFields& fields, ui::RepeatingTimer& timer,
                           std::function<void(const std::string&)> updateConnectStatus);
  LinkStatusPageController(const LinkStatusPageController&) = delete;
  LinkStatusPageController& operator=(const LinkStatusPageController&) = delete;

  void awakeFromNib();  // NOLINT(readability-identifier-naming) set-up hook of the layout
  void OnTimer();
  // Hears every tick's outcome: the tray and the connection events read the link from here
  // rather than asking the driver again.
  void SetObserver(std::function<void(const LinkObservation&)> observer) {
    observer_ = std::move(observer);
  }

 private:
  // The no-driver, radio-off and disconnected states: empty figures, the dBm switch off.
  void Clear(const std::string& status);
  void Record(ui::HistorySample sample);
  void Report(LinkState state, const std::string& ssid = {}) const;

  const SharedState& state_;
  CV7000Access& adapter_;
  LinkStatusFields f_;
  ui::RepeatingTimer& timer_;
  std::function<void(const std::string&)> updateConnectStatus_;
  std::function<void(const LinkObservation&)> observer_;
  // NOLINTBEGIN(readability-identifier-naming) the page's own operation names
  uint32_t TxCount = 0;
  uint32_t RxCount = 0;
  uint32_t ChannelQuality = 0;
  uint32_t SignalQuality = 0;
  // NOLINTEND(readability-identifier-naming)
  // The byte counters are stale after the adapter was away or a tick failed: the next
  // associated tick takes them afresh and shows no throughput.
  bool baselineStale_ = false;
  std::deque<ui::HistorySample> history_;
};

}  // namespace netvane
