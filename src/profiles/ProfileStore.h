// Where profiles live between runs: the list under "Profiles" in the user defaults (first
// choice) and in "Profile.plist" (read only when the defaults have no list), and the active
// profile under "Profile Setting". Every change holds the preferences folder's lock, starts
// from the files as they are now (another program may have changed them), applies its one
// change and writes once; callers show what was written rather than keep lists of their own.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "platform/prefs/PrefsFolder.h"
#include "platform/prefs/UserDefaults.h"
#include "profiles/ProfileRecord.h"

namespace netvane {

// What is stored now, read at once.
struct StoredProfiles {
  ProfileRecordList records;
  ProfileRecordList active;  // zero or one record
  // A preferences file exists but cannot be read (one line); then both lists are empty.
  std::string problem;
};

// The outcome of a change.
struct StoreResult {
  enum class Status {
    kSaved,   // written (or nothing to write)
    kGone,    // the profile the caller showed is no longer stored: nothing written
    kFailed,  // not written, and the files are as they were
  };
  Status status = Status::kSaved;
  std::string reason;  // kGone and kFailed: one line
  int32_t row = -1;    // the row the changed profile has in the stored list
  bool Saved() const { return status == Status::kSaved; }
};

class ProfileStore {
 public:
  static constexpr const char* kProfilesKey = "Profiles";
  static constexpr const char* kActiveKey = "Profile Setting";
  static constexpr const char* kProfileFile = "Profile.plist";

  // Both must outlive the store.
  ProfileStore(prefs::UserDefaults& defaults, const prefs::PrefsFolder& folder)
      : defaults_(defaults), folder_(folder), file_(folder, kProfileFile) {}

  StoredProfiles Load();
  ProfileRecordList LoadProfileRecords() { return Load().records; }
  // The stored active list, else `current` unchanged.
  ProfileRecordList LoadActiveProfile(const ProfileRecordList& current);

  // One change each. A profile the caller showed is found again by its row when it is still
  // there, else by its contents; when it is gone nothing is written (kGone).
  StoreResult AddProfile(ProfileRecord record);
  StoreResult ReplaceProfile(const ProfileRecord& shown, int32_t row, ProfileRecord record);
  // Deleting the active profile (the row "Selected" names) clears the active record with its
  // keys; the mark of a later row moves up with it. One write of the defaults for both.
  StoreResult DeleteProfile(const ProfileRecord& shown, int32_t row);
  // The profile becomes the active record, flag on, with the row it has now (result.row).
  StoreResult ActivateProfile(const ProfileRecord& shown, int32_t row);
  // The active record as stored now, flag off (a manual connection).
  StoreResult StandDown();

  // Whole-list writes that replace what is stored without looking at it (setting up, tests).
  // The file first, then the defaults, then a flush; the list is written as text once for both.
  StoreResult SaveProfileRecords(ProfileRecordList records);
  // `record` becomes element 0 of `active`, which is stored.
  StoreResult SaveActiveProfile(ProfileRecordList& active, const ProfileRecord& record);

  // Removes what killed saves left in the folder; at start-up.
  void RemoveDebris();

 private:
  struct Touched {
    bool list = false;
    bool active = false;
  };
  using Edit = std::function<StoreResult(StoredProfiles& now, Touched& touched)>;
  // Lock, load afresh, edit, write what the edit touched. A file that cannot be read fails the
  // change unless `replacing` (the edit ignores what is stored).
  StoreResult Change(const Edit& edit, bool replacing = false);
  bool Write(StoredProfiles& now, Touched touched, std::string& reason);

  prefs::UserDefaults& defaults_;
  const prefs::PrefsFolder& folder_;
  prefs::RecordListFile file_;
};

}  // namespace netvane
