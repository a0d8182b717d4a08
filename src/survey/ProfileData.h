// A connection task: what to do (its type) and the record it carries, which it owns.
#pragma once

#include <cstdint>
#include <memory>

#include "survey/ProfileDataRecord.h"

namespace netvane {

enum TaskType : int32_t {
  kTaskNone = 0,
  kTaskRescan = 1,  // start a scan; the record is carried but never read
  kTaskApply = 2,   // apply the record to the driver and associate
};

class ProfileData {
 public:
  // A task of type 0 with a new, all-zero record.
  ProfileData();
  ProfileData(const ProfileData&) = delete;
  ProfileData& operator=(const ProfileData&) = delete;
  ~ProfileData();

  // NOLINTBEGIN(readability-identifier-naming) the task's established call names
  // A new task that owns `record`.
  static std::unique_ptr<ProfileData> setProfileData(std::unique_ptr<PROFILE_DATA> record);

  // Takes `record` and releases the one held before.
  void setProfile(std::unique_ptr<PROFILE_DATA> record);
  // The record; null only when a null record was handed in.
  PROFILE_DATA* Profile() const { return profile_.get(); }

  void setTaskType(int32_t type) { taskType_ = type; }
  int32_t getTaskType() const { return taskType_; }
  // NOLINTEND(readability-identifier-naming)

 private:
  std::unique_ptr<PROFILE_DATA> profile_;
  int32_t taskType_ = kTaskNone;
};

}  // namespace netvane
