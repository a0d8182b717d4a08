#include "profiles/ProfilePageController.h"

namespace netvane {

ProfilePageController::ProfilePageController(SharedState& state, CV7000Access& adapter,
                                             ui::TableView& list, ui::RepeatingTimer& timer)
    : state_(state), Adapter(adapter), profileList(list), timer_(timer) {}

void ProfilePageController::awakeFromNib() {
  profileList.SetImageColumn("PI");
  profileList.SetAllowsEmptySelection(true);
  timer_.Start(kTimerSeconds, [this] { OnTimer(); });
}

void ProfilePageController::OnTimer() {
  // Keeps the active-profile mark in step with flags that other pages change.
  if (state_.G_bDeviceExist != 0) profileList.Reload();
}

void ProfilePageController::RefreshProfileList() {
  profileList.Reload();
}

void ProfilePageController::CheckProfileSettingForConnect() {}

// Nothing is active until profiles can be stored and activated.
void ProfilePageController::DisabledActivateProfile() {}

}  // namespace netvane
