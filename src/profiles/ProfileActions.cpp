#include "profiles/ProfileActions.h"

#include "profiles/BuildProfileData.h"

namespace netvane {

void ApplyProfile(SharedState& state, ConnectionTarget& target, const ProfileRecord& record) {
  std::unique_ptr<PROFILE_DATA> data = BuildProfileData(record);
  target.StopSiteSurveyTimer();
  state.G_bRescan = 0;
  // A pending scan would make the executor drop this task unsent (it fetches the scan
  // instead), and the activation would be stored as done without reaching the driver.
  state.G_bBssidListScan = 0;
  target.SetTaskQueue(std::move(data));
  target.DoTask();
  target.StartSiteSurveyTimer();
}

StoreResult ActivateProfile(SharedState& state, ProfileStore& store, ConnectionTarget& target,
                            const ProfileRecord& shown, int32_t row) {
  StoreResult stored = store.ActivateProfile(shown, row);
  if (!stored.Saved()) return stored;
  ApplyProfile(state, target, shown);
  target.WatchJoin();
  target.resetFlag();
  state.G_bCheckedProfileConnect = 1;
  return stored;
}

}  // namespace netvane
