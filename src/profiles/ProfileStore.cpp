#include "profiles/ProfileStore.h"

namespace netvane {
namespace {

ProfileRecordList WithKeyMaterial(ProfileRecordList records) {
  for (ProfileRecord& record : records) MarkKeyMaterial(record);
  return records;
}

}  // namespace

ProfileRecordList ProfileStore::LoadProfileRecords() {
  if (auto records = defaults_.RecordsForKey(kProfilesKey)) return WithKeyMaterial(*records);
  return WithKeyMaterial(file_.Load().value_or(ProfileRecordList{}));
}

ProfileRecordList ProfileStore::LoadActiveProfile(const ProfileRecordList& current) {
  auto active = defaults_.RecordsForKey(kActiveKey);
  if (!active) return current;
  // Only element 0 is ever used; a longer list was edited by hand.
  if (active->size() > 1) active->resize(1);
  return WithKeyMaterial(*active);
}

void ProfileStore::SaveProfileRecords(const ProfileRecordList& records) {
  file_.Save(records);
  defaults_.SetRecords(kProfilesKey, records);
  defaults_.synchronize();
}

void ProfileStore::SaveActiveProfile(ProfileRecordList& active, const ProfileRecord& record) {
  if (active.empty()) {
    active.push_back(record);
  } else {
    active.front() = record;
  }
  defaults_.SetRecords(kActiveKey, active);
  defaults_.synchronize();
}

}  // namespace netvane
