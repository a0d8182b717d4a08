#include "platform/prefs/UserDefaults.h"

#include <plist/plist.h>

namespace netvane::prefs {

void* UserDefaults::Root() {
  if (root_ == nullptr) {
    root_ = file_.Load(RootKind::kDictionary);
    if (root_ == nullptr) root_.reset(plist_new_dict());
  }
  return root_.get();
}

std::optional<RecordList> UserDefaults::RecordsForKey(const std::string& key) {
  return RecordsFrom(plist_dict_get_item(static_cast<plist_t>(Root()), key.c_str()));
}

void UserDefaults::SetRecords(const std::string& key, const RecordList& records) {
  plist_dict_set_item(static_cast<plist_t>(Root()), key.c_str(), ToArrayNode(records).release());
}

bool UserDefaults::synchronize() {
  return file_.Save(Root());
}

std::optional<RecordList> RecordListFile::Load() {
  const PlistPtr root = file_.Load(RootKind::kArray);
  return RecordsFrom(root.get());
}

bool RecordListFile::Save(const RecordList& records) {
  const PlistPtr root = ToArrayNode(records);
  return file_.Save(root.get());
}

}  // namespace netvane::prefs
