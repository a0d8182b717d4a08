#include "status/StatisticsPageController.h"

#include "driver/CV7000Access.h"
#include "driver/Oids.h"
#include "platform/system/Log.h"

namespace netvane {

StatisticsPageController::StatisticsPageController(const SharedState& state, CV7000Access& adapter,
                                                   const StatisticsFields& fields,
                                                   ui::RepeatingTimer& timer)
    : state_(state), adapter_(adapter), fields_(fields), timer_(timer) {}

void StatisticsPageController::awakeFromNib() {
  if (state_.__DEBUG__ != 0) {
    system::LogDebug(system::LogCategory::kStatus,
                     "#### StatisticsPageController - awakeFromNib ####");
  }
  timer_.Start(kTimerSeconds, [this] { OnTimer(); });
}

void StatisticsPageController::OnTimer() {
  if (state_.G_bDeviceExist == 0) return;
  if (state_.__DEBUG__ != 0) {
    system::LogDebug(system::LogCategory::kStatus, "#### StatisticsPageController - OnTimer ####");
  }
  // A failed query leaves its zeros, which show as 0.
  NDIS_802_11_STATISTICS stats{};
  uint32_t receivedOk = 0;
  uint32_t receivedNoBuffer = 0;
  uint32_t returned = 0;
  adapter_.OidQueryInformation(OID_802_11_STATISTICS, &stats, sizeof stats, &returned);
  adapter_.OidQueryInformation(OID_GEN_RCV_OK, &receivedOk, sizeof receivedOk, &returned);
  adapter_.OidQueryInformation(OID_GEN_RCV_NO_BUFFER, &receivedNoBuffer, sizeof receivedNoBuffer,
                               &returned);
  Show(StatisticsTexts(stats, receivedOk, receivedNoBuffer));
}

void StatisticsPageController::OnResetCounter(const void* /*sender*/) {
  std::array<std::string, kStatisticsFields> zeros;
  zeros.fill("0");
  Show(zeros);
  // The set form of the reset, sent through a query with no payload.
  uint32_t word = 0;
  uint32_t returned = 0;
  adapter_.OidQueryInformation(SetForm(OID_CV_802_11_RESET_COUNTERS), &word, 0, &returned);
}

void StatisticsPageController::Show(const std::array<std::string, kStatisticsFields>& texts) {
  ui::TextField* order[] = {&fields_.FTS,   &fields_.FTSWR,  &fields_.FTSAR, &fields_.FFTRAAA,
                            &fields_.RFSRC, &fields_.RFFTRC, &fields_.FRS,   &fields_.FRWCE,
                            &fields_.FDDTO, &fields_.DFR};
  for (std::size_t i = 0; i < kStatisticsFields; ++i) order[i]->SetText(texts[i]);
}

}  // namespace netvane
