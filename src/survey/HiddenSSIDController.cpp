#include "survey/HiddenSSIDController.h"

#include "driver/Records.h"

namespace netvane {

void HiddenSSIDController::OnOK() {
  const std::string ssid = HiddenSSIDText.Text();
  // Cutting the name silently would connect to some other network or to none without a word.
  if (ssid.size() > kMaxSsidLength) {
    alert_.Run("Invalid SSID", "The SSID should use at most 32 characters.");
    return;
  }
  if (siteSurvey_ != nullptr) siteSurvey_->ReceiveHiddenSSID(ssid);
  sheets_.StopModal(ui::kModalOK);
}

}  // namespace netvane
