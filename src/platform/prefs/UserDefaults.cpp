#include "platform/prefs/UserDefaults.h"

#include "platform/prefs/PlistCodec.h"
#include "platform/prefs/PlistXml.h"

namespace netvane::prefs {

PlistValue& UserDefaults::Root() {
  if (root_ && !unsaved_ && file_.CurrentStamp() != stamp_) root_.reset();
  if (!root_) {
    stamp_ = file_.CurrentStamp();
    root_ = file_.Load(RootKind::kDictionary);
    if (!root_) root_ = PlistValue::Dict();
  }
  return *root_;
}

std::optional<RecordList> UserDefaults::RecordsForKey(const std::string& key) {
  return RecordsFrom(Root().Member(key));
}

void UserDefaults::SetRecords(const std::string& key,
                              std::shared_ptr<const SharedRecords> records) {
  Root().SetMember(key, PlistValue::Records(std::move(records)));
  unsaved_ = true;
}

std::optional<bool> UserDefaults::BoolForKey(const std::string& key) {
  const PlistValue* value = Root().Member(key);
  if (value == nullptr || value->kind != PlistValue::Kind::kBoolean) return std::nullopt;
  return value->boolean;
}

void UserDefaults::SetBool(const std::string& key, bool value) {
  Root().SetMember(key, PlistValue::Boolean(value));
  unsaved_ = true;
}

bool UserDefaults::synchronize() {
  const bool saved = file_.Save(WritePlistDocument(Root()));
  if (saved) {
    stamp_ = file_.CurrentStamp();
    unsaved_ = false;
  }
  return saved;
}

std::optional<RecordList> RecordListFile::Load() {
  const std::optional<PlistValue> root = file_.Load(RootKind::kArray);
  return root ? RecordsFrom(&*root) : std::nullopt;
}

bool RecordListFile::Save(const std::shared_ptr<const SharedRecords>& records, FolderSync sync) {
  return file_.Save(WritePlistDocument(records), sync);
}

}  // namespace netvane::prefs
