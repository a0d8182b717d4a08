#include "profiles/ProfileStore.h"

#include <memory>
#include <utility>

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

void ProfileStore::SaveProfileRecords(ProfileRecordList records) {
  const auto shared = std::make_shared<const prefs::SharedRecords>(std::move(records));
  // The defaults are flushed next, in the same folder: one folder flush serves both.
  file_.Save(shared, prefs::FolderSync::kLater);
  defaults_.SetRecords(kProfilesKey, shared);
  defaults_.synchronize();
}

void ProfileStore::SaveActiveProfile(ProfileRecordList& active, const ProfileRecord& record) {
  if (active.empty()) {
    active.push_back(record);
  } else {
    active.front() = record;
  }
  defaults_.SetRecords(kActiveKey, std::make_shared<const prefs::SharedRecords>(active));
  defaults_.synchronize();
}

}  // namespace netvane
