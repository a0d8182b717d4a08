// The statistics page: the adapter's frame counters, refreshed on its own timer, and a button
// that resets them.
#pragma once

#include <array>

#include "state/SharedState.h"
#include "status/StatisticsFigures.h"
#include "ui/RepeatingTimer.h"
#include "ui/TextField.h"

namespace netvane {

class CV7000Access;

struct StatisticsFields {
  ui::TextField& FTS;      // frames transmitted
  ui::TextField& FTSWR;    // transmitted without retry
  ui::TextField& FTSAR;    // transmitted after retry
  ui::TextField& FFTRAAA;  // failed to receive an acknowledgement
  ui::TextField& RFSRC;    // RTS succeeded
  ui::TextField& RFFTRC;   // RTS failed
  ui::TextField& FRS;      // received
  ui::TextField& FRWCE;    // received with a checksum error
  ui::TextField& FDDTO;    // dropped for lack of buffers
  ui::TextField& DFR;      // duplicates
};

class StatisticsPageController {
 public:
  static constexpr double kTimerSeconds = 2.0;

  // Every reference must outlive the page.
  StatisticsPageController(const SharedState& state, CV7000Access& adapter,
                           const StatisticsFields& fields, ui::RepeatingTimer& timer);
  StatisticsPageController(const StatisticsPageController&) = delete;
  StatisticsPageController& operator=(const StatisticsPageController&) = delete;

  void awakeFromNib();  // NOLINT(readability-identifier-naming) set-up hook of the layout
  // While the adapter is away the fields keep what they last showed.
  void OnTimer();
  // Zeros at once; the next tick shows what the driver then counts.
  void OnResetCounter(const void* sender);

 private:
  void Show(const std::array<std::string, kStatisticsFields>& texts);

  const SharedState& state_;
  CV7000Access& adapter_;
  StatisticsFields fields_;
  ui::RepeatingTimer& timer_;
};

}  // namespace netvane
