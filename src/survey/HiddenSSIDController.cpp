#include "survey/HiddenSSIDController.h"

#include "driver/Records.h"

namespace netvane {

void HiddenSSIDController::OnOK() {
  // The field hands over UTF-8, so the limit is on bytes; the field itself has no length limit
  // that would cut characters where the user cannot see it.
  const std::string ssid = HiddenSSIDText.Text();
  // Cutting the name silently would connect to some other network or to none without a word.
  if (ssid.size() > kMaxSsidLength) {
    alert_.Run("Invalid SSID",
               "The SSID should use at most 32 bytes. A character outside ASCII takes two to "
               "four of them.");
    return;
  }
  if (siteSurvey_ != nullptr) siteSurvey_->ReceiveHiddenSSID(ssid);
  sheets_.StopModal(ui::kModalOK);
}

}  // namespace netvane
