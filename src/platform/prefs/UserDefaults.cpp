#include "platform/prefs/UserDefaults.h"

#include <charconv>

#include "platform/plist/PlistCodec.h"
#include "platform/plist/PlistXml.h"
#include "platform/prefs/FolderLock.h"
#include "platform/system/Log.h"

namespace netvane::prefs {

plist::PlistValue& UserDefaults::Root() {
  if (root_ && !unsaved_ && file_.CurrentStamp() != stamp_) root_.reset();
  if (!root_) {
    stamp_ = file_.CurrentStamp();
    root_ = file_.Load(RootKind::kDictionary);
    problem_ = file_.Problem();
    if (!root_) root_ = plist::PlistValue::Dict();
  }
  return *root_;
}

std::optional<plist::RecordList> UserDefaults::RecordsForKey(const std::string& key) {
  return plist::RecordsFrom(Root().Member(key));
}

void UserDefaults::SetRecords(const std::string& key,
                              std::shared_ptr<const plist::SharedRecords> records) {
  Root().SetMember(key, plist::PlistValue::Records(std::move(records)));
  unsaved_ = true;
}

std::optional<bool> UserDefaults::BoolForKey(const std::string& key) {
  const plist::PlistValue* value = Root().Member(key);
  if (value == nullptr || value->kind != plist::PlistValue::Kind::kBoolean) return std::nullopt;
  return value->boolean;
}

void UserDefaults::SetBool(const std::string& key, bool value) {
  Root().SetMember(key, plist::PlistValue::Boolean(value));
  unsaved_ = true;
}

std::string UserDefaults::ReadProblem() {
  Root();
  return problem_;
}

void UserDefaults::Refresh() {
  if (!unsaved_) root_.reset();
}

bool UserDefaults::Write(std::string& reason) {
  const bool saved = file_.Save(plist::WritePlistDocument(Root()), reason);
  unsaved_ = false;
  if (saved) {
    stamp_ = file_.CurrentStamp();
  } else {
    root_.reset();
  }
  return saved;
}

bool UserDefaults::StoreBool(const std::string& key, bool value) {
  return Store([&](UserDefaults& defaults) { defaults.SetBool(key, value); });
}

bool UserDefaults::Store(const std::function<void(UserDefaults&)>& apply) {
  const FolderLock lock(folder_);
  if (!lock.Held()) {
    system::LogWarning(system::LogCategory::kPrefs,
                       "netvane: could not save " + Path() + ": " + lock.Reason());
    return false;
  }
  Refresh();
  apply(*this);
  return synchronize();
}

std::optional<std::string> UserDefaults::StringForKey(const std::string& key) {
  const plist::PlistValue* value = Root().Member(key);
  if (value == nullptr || value->kind != plist::PlistValue::Kind::kString) return std::nullopt;
  return value->text;
}

void UserDefaults::SetString(const std::string& key, const std::string& value) {
  Root().SetMember(key, plist::PlistValue::Text(plist::PlistValue::Kind::kString, value));
  unsaved_ = true;
}

std::optional<int64_t> UserDefaults::IntegerForKey(const std::string& key) {
  const plist::PlistValue* value = Root().Member(key);
  if (value == nullptr || value->kind != plist::PlistValue::Kind::kInteger) return std::nullopt;
  const std::string& text = value->text;
  int64_t number = 0;
  const char* end = text.data() + text.size();
  const auto [at, error] = std::from_chars(text.data(), end, number);
  if (error != std::errc() || at != end) return std::nullopt;
  return number;
}

void UserDefaults::SetInteger(const std::string& key, int64_t value) {
  Root().SetMember(
      key, plist::PlistValue::Text(plist::PlistValue::Kind::kInteger, std::to_string(value)));
  unsaved_ = true;
}

bool UserDefaults::synchronize() {
  std::string reason;
  if (Write(reason)) return true;
  system::LogWarning(system::LogCategory::kPrefs, "netvane: " + reason);
  return false;
}

std::optional<plist::RecordList> RecordListFile::Load() {
  const std::optional<plist::PlistValue> root = file_.Load(RootKind::kArray);
  return root ? plist::RecordsFrom(&*root) : std::nullopt;
}

bool RecordListFile::Save(const std::shared_ptr<const plist::SharedRecords>& records,
                          std::string& reason, system::FolderSync sync) {
  return file_.Save(plist::WritePlistDocument(records), reason, sync);
}

}  // namespace netvane::prefs
