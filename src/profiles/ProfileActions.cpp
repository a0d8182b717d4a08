#include "profiles/ProfileActions.h"

#include "profiles/BuildProfileData.h"

namespace netvane {

int32_t AfterRemoval(int32_t row, int32_t removed) {
  if (row == removed) return -1;
  return row > removed ? row - 1 : row;
}

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

void ActivateProfile(SharedState& state, ProfileStore& store, ConnectionTarget& target,
                     ProfileRecordList& active, const ProfileRecord& record, int32_t row) {
  ApplyProfile(state, target, record);
  store.SaveActiveProfile(active, MakeActiveRecord(record, true, row));
  target.resetFlag();
  state.G_bCheckedProfileConnect = 1;
}

void DeleteProfile(ProfileStore& store, ProfileRecordList records, ProfileRecordList& active,
                   int32_t row) {
  if (row < 0 || row >= static_cast<int32_t>(records.size())) return;
  records.erase(records.begin() + row);
  store.SaveProfileRecords(std::move(records));
  if (active.empty()) return;
  ProfileRecord moved = active.front();
  const int32_t stored = IntOf(moved, profile_key::kSelected);
  const int32_t after = AfterRemoval(stored, row);
  if (after == stored) return;
  moved.Set(profile_key::kSelected, DecimalText(after));
  store.SaveActiveProfile(active, moved);
}

}  // namespace netvane
