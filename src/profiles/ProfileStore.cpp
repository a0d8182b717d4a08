#include "profiles/ProfileStore.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <utility>

#include "platform/prefs/FolderLock.h"
#include "text/Translate.h"

namespace netvane {
namespace {

ProfileRecordList WithKeyMaterial(ProfileRecordList records) {
  for (ProfileRecord& record : records) MarkKeyMaterial(record);
  return records;
}

StoreResult SavedAt(int32_t row) {
  return {StoreResult::Status::kSaved, {}, row};
}

StoreResult Failed(std::string reason) {
  return {StoreResult::Status::kFailed, std::move(reason)};
}

StoreResult Gone(const ProfileRecord& shown) {
  return {StoreResult::Status::kGone,
          text::Arg(text::Tr("ProfileStore",
                             "profile %1 is no longer stored; another program changed the list"),
                    {shown.Text(profile_key::kProfileName)})};
}

// The stored row of a profile shown at `row`: that row while it still holds the same profile,
// else the first that does.
std::optional<int32_t> FindShown(const ProfileRecordList& records, const ProfileRecord& shown,
                                 int32_t row) {
  if (row >= 0 && static_cast<std::size_t>(row) < records.size() &&
      records[static_cast<std::size_t>(row)] == shown) {
    return row;
  }
  const auto it = std::find(records.begin(), records.end(), shown);
  if (it == records.end()) return std::nullopt;
  return static_cast<int32_t>(it - records.begin());
}

}  // namespace

StoredProfiles ProfileStore::Load() {
  StoredProfiles now;
  now.problem = defaults_.ReadProblem();
  if (!now.problem.empty()) {
    now.problem = text::Arg(text::Tr("ProfileStore", "%1 cannot be read: %2"),
                            {defaults_.Path(), now.problem});
    return now;
  }
  if (auto records = defaults_.RecordsForKey(kProfilesKey)) {
    now.records = WithKeyMaterial(std::move(*records));
  } else {
    now.records = WithKeyMaterial(file_.Load().value_or(ProfileRecordList{}));
    if (const std::string problem = file_.Problem(); !problem.empty()) {
      now.problem =
          text::Arg(text::Tr("ProfileStore", "%1 cannot be read: %2"), {file_.Path(), problem});
      now.records.clear();
      return now;
    }
  }
  if (auto active = defaults_.RecordsForKey(kActiveKey)) {
    // Only element 0 is ever used; a longer list was edited by hand.
    if (active->size() > 1) active->resize(1);
    now.active = WithKeyMaterial(std::move(*active));
  }
  return now;
}

ProfileRecordList ProfileStore::LoadActiveProfile(const ProfileRecordList& current) {
  StoredProfiles now = Load();
  if (now.active.empty() && !defaults_.RecordsForKey(kActiveKey)) return current;
  return std::move(now.active);
}

StoreResult ProfileStore::Change(const Edit& edit, bool replacing) {
  const prefs::FolderLock lock(folder_);
  if (!lock.Held()) {
    return Failed(
        text::Arg(text::Tr("ProfileStore", "could not save the profiles: %1"), {lock.Reason()}));
  }
  // Whichever file this change writes, a killed save of either leaves nothing behind.
  defaults_.RemoveDebris();
  file_.RemoveDebris();
  defaults_.Refresh();
  StoredProfiles now = Load();
  if (!now.problem.empty() && !replacing) return Failed(now.problem);
  Touched touched;
  StoreResult result = edit(now, touched);
  if (!result.Saved() || (!touched.list && !touched.active)) return result;
  std::string reason;
  if (!Write(now, touched, reason)) return Failed(std::move(reason));
  return result;
}

bool ProfileStore::Write(StoredProfiles& now, Touched touched, std::string& reason) {
  if (touched.list) {
    const auto shared = std::make_shared<const plist::SharedRecords>(std::move(now.records));
    // The defaults are flushed next, in the same folder: one folder flush serves both.
    if (!file_.Save(shared, reason, system::FolderSync::kLater)) return false;
    defaults_.SetRecords(kProfilesKey, shared);
  }
  if (touched.active) {
    defaults_.SetRecords(kActiveKey,
                         std::make_shared<const plist::SharedRecords>(std::move(now.active)));
  }
  return defaults_.Write(reason);
}

StoreResult ProfileStore::AddProfile(ProfileRecord record) {
  return Change([&record](StoredProfiles& now, Touched& touched) {
    now.records.push_back(std::move(record));
    touched.list = true;
    return SavedAt(static_cast<int32_t>(now.records.size() - 1));
  });
}

StoreResult ProfileStore::ReplaceProfile(const ProfileRecord& shown, int32_t row,
                                         ProfileRecord record) {
  return Change([&](StoredProfiles& now, Touched& touched) {
    const std::optional<int32_t> at = FindShown(now.records, shown, row);
    if (!at) return Gone(shown);
    now.records[static_cast<std::size_t>(*at)] = std::move(record);
    touched.list = true;
    return SavedAt(*at);
  });
}

StoreResult ProfileStore::DeleteProfile(const ProfileRecord& shown, int32_t row) {
  return Change([&](StoredProfiles& now, Touched& touched) {
    const std::optional<int32_t> at = FindShown(now.records, shown, row);
    if (!at) return Gone(shown);
    now.records.erase(now.records.begin() + *at);
    touched.list = true;
    if (!now.active.empty()) {
      const int32_t selected = IntOf(now.active.front(), profile_key::kSelected);
      if (selected == *at) {
        // Its keys go with it, and no later start reconnects to a profile no longer listed.
        now.active.clear();
        touched.active = true;
      } else if (selected > *at) {
        now.active.front().Set(profile_key::kSelected, DecimalText(selected - 1));
        touched.active = true;
      }
    }
    return SavedAt(*at);
  });
}

StoreResult ProfileStore::ActivateProfile(const ProfileRecord& shown, int32_t row) {
  return Change([&](StoredProfiles& now, Touched& touched) {
    const std::optional<int32_t> at = FindShown(now.records, shown, row);
    if (!at) return Gone(shown);
    now.active = {MakeActiveRecord(now.records[static_cast<std::size_t>(*at)], true, *at)};
    touched.active = true;
    return SavedAt(*at);
  });
}

StoreResult ProfileStore::StandDown() {
  return Change([](StoredProfiles& now, Touched& touched) {
    if (now.active.empty()) return SavedAt(-1);
    ProfileRecord& active = now.active.front();
    const int32_t selected = IntOf(active, profile_key::kSelected);
    active = MakeActiveRecord(active, false, selected);
    touched.active = true;
    return SavedAt(selected);
  });
}

StoreResult ProfileStore::SaveProfileRecords(ProfileRecordList records) {
  return Change(
      [&records](StoredProfiles& now, Touched& touched) {
        now.records = std::move(records);
        touched.list = true;
        return SavedAt(-1);
      },
      true);
}

StoreResult ProfileStore::SaveActiveProfile(ProfileRecordList& active,
                                            const ProfileRecord& record) {
  if (active.empty()) {
    active.push_back(record);
  } else {
    active.front() = record;
  }
  return Change(
      [&active](StoredProfiles& now, Touched& touched) {
        now.active = active;
        touched.active = true;
        return SavedAt(-1);
      },
      true);
}

void ProfileStore::RemoveDebris() {
  const prefs::FolderLock lock(folder_);
  if (!lock.Held()) return;
  defaults_.RemoveDebris();
  file_.RemoveDebris();
}

}  // namespace netvane
