// Where profiles live between runs: the list under "Profiles" in the user defaults (first
// choice) and in "Profile.plist" (read only when the defaults have no list), and the active
// profile under "Profile Setting". Callers keep their own copies of the lists.
#pragma once

#include "platform/prefs/PrefsFolder.h"
#include "platform/prefs/UserDefaults.h"
#include "profiles/ProfileRecord.h"

namespace netvane {

class ProfileStore {
 public:
  static constexpr const char* kProfilesKey = "Profiles";
  static constexpr const char* kActiveKey = "Profile Setting";
  static constexpr const char* kProfileFile = "Profile.plist";

  // Both must outlive the store.
  ProfileStore(prefs::UserDefaults& defaults, const prefs::PrefsFolder& folder)
      : defaults_(defaults), file_(folder, kProfileFile) {}

  ProfileRecordList LoadProfileRecords();
  // The stored active list, else `current` unchanged.
  ProfileRecordList LoadActiveProfile(const ProfileRecordList& current);
  // The file first, then the defaults, then a flush; the list is written as text once for
  // both. Failures are reported on standard error by the file layer. Callers that reload the
  // list afterwards hand theirs over (std::move) rather than copy it.
  void SaveProfileRecords(ProfileRecordList records);
  // `record` becomes element 0 of `active`, which is stored and flushed.
  void SaveActiveProfile(ProfileRecordList& active, const ProfileRecord& record);

 private:
  prefs::UserDefaults& defaults_;
  prefs::RecordListFile file_;
};

}  // namespace netvane
