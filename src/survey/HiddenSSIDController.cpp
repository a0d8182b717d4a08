#include "survey/HiddenSSIDController.h"

#include "driver/Records.h"
#include "text/Translate.h"

namespace netvane {

bool TypedSsidFits(const std::string& ssid, ui::Alert& alert) {
  // Fields hand over UTF-8, so the limit is on bytes; they have no length limit of their own
  // that would cut characters where the user cannot see it. Cutting the name silently would
  // connect to some other network or to none without a word.
  if (ssid.size() <= kMaxSsidLength) return true;
  alert.Run(text::Tr("HiddenSSIDController", "Invalid SSID"),
            text::Tr("HiddenSSIDController",
                     "The SSID should use at most 32 bytes. A character outside ASCII takes two "
                     "to four of them."));
  return false;
}

void HiddenSSIDController::OnOK() {
  const std::string ssid = HiddenSSIDText.Text();
  if (!TypedSsidFits(ssid, alert_)) return;
  if (siteSurvey_ != nullptr) siteSurvey_->ReceiveHiddenSSID(ssid);
  sheets_.StopModal(ui::kModalOK);
}

}  // namespace netvane
