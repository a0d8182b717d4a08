// The profile page: the stored connection profiles in a table. Its table reload timer runs from
// set-up on; the list, the editor and activation come with the profile issues.
#pragma once

#include "platform/ui/RepeatingTimer.h"
#include "platform/ui/ShellPages.h"
#include "platform/ui/TableView.h"
#include "state/SharedState.h"
#include "survey/ProfileHooks.h"

namespace netvane {

class CV7000Access;

class ProfilePageController : public ProfileShellPage, public ProfileActivationHook {
 public:
  static constexpr double kTimerSeconds = 2.0;

  ProfilePageController(SharedState& state, CV7000Access& adapter, ui::TableView& profileList,
                        ui::RepeatingTimer& timer);

  void awakeFromNib();  // NOLINT(readability-identifier-naming) set-up hook of the layout
  void OnTimer();

  void RefreshProfileList() override;
  void CheckProfileSettingForConnect() override;
  // A manual connection on the site survey page stands the active profile down.
  void DisabledActivateProfile() override;

 private:
  SharedState& state_;
  // NOLINTBEGIN(readability-identifier-naming) the wiring names of the window layout
  [[maybe_unused]] CV7000Access& Adapter;
  ui::TableView& profileList;
  // NOLINTEND(readability-identifier-naming)
  ui::RepeatingTimer& timer_;
};

}  // namespace netvane
