// Profiles as the window's editor writes them, and the files an earlier run leaves behind.
#pragma once

#include <initializer_list>
#include <string>
#include <utility>

#include "platform/prefs/PrefsFolder.h"
#include "platform/prefs/UserDefaults.h"
#include "profiles/ProfileStore.h"

namespace netvane::testing {

// Every key, an infrastructure network on channel 1 with the default thresholds, then `values`.
inline ProfileRecord FullProfile(
    std::initializer_list<std::pair<const char*, std::string>> values) {
  ProfileRecord r;
  for (const char* key : kProfileKeys) r.Set(key, "");
  r.Set("Network Type", "1");
  r.Set("Channel", "1");
  r.Set("RTS Threshold", "2347");
  r.Set("Fragmentation Threshold", "2346");
  for (const auto& [key, value] : values) r.Set(key, value);
  return r;
}

// Saves `records` in the preferences folder the environment names and, when given, `active` as
// the active copy of row `row`.
inline void StoreProfiles(const ProfileRecordList& records, const ProfileRecord* active = nullptr,
                          int row = 0) {
  prefs::PrefsFolder folder;
  prefs::UserDefaults defaults(folder);
  ProfileStore store(defaults, folder);
  store.SaveProfileRecords(records);
  if (active == nullptr) return;
  ProfileRecordList current;
  store.SaveActiveProfile(current, MakeActiveRecord(*active, true, row));
}

}  // namespace netvane::testing
