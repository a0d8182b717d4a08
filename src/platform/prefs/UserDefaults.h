// The application's preferences domain, "com.corvane.Netvane.plist" in the preferences folder:
// a dictionary loaded on first use and written by synchronize. One object serves the whole
// process. Keys it does not know are kept as they were found. When another process (the
// command line) has replaced the file since, the next read loads it again, unless this one
// holds changes of its own not yet written.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/prefs/Dictionary.h"
#include "platform/prefs/PlistValue.h"
#include "platform/prefs/PrefsFile.h"

namespace netvane::prefs {

class UserDefaults {
 public:
  static constexpr const char* kDomainFile = "com.corvane.Netvane.plist";

  // `folder` must outlive the defaults.
  explicit UserDefaults(const PrefsFolder& folder) : file_(folder, kDomainFile) {}
  UserDefaults(const UserDefaults&) = delete;
  UserDefaults& operator=(const UserDefaults&) = delete;

  // The array under `key` as records; nullopt when the key is missing or holds no array.
  std::optional<RecordList> RecordsForKey(const std::string& key);
  // The list is shared, not copied: the same list can go into a file as well.
  void SetRecords(const std::string& key, std::shared_ptr<const SharedRecords> records);

  // The boolean under `key`; nullopt when the key is missing or holds something else.
  std::optional<bool> BoolForKey(const std::string& key);
  void SetBool(const std::string& key, bool value);

  // Writes the domain to disk; false when that failed (the values stay in memory).
  bool synchronize();  // NOLINT(readability-identifier-naming) the platform's name for it

  std::string Path() const { return file_.Path(); }

 private:
  PlistValue& Root();

  PrefsFile file_;
  std::optional<PlistValue> root_;
  PrefsFile::Stamp stamp_;  // the file as last loaded or written
  bool unsaved_ = false;
};

// A file whose root is an array of records: "Profile.plist".
class RecordListFile {
 public:
  RecordListFile(const PrefsFolder& folder, std::string name) : file_(folder, std::move(name)) {}

  // nullopt when the file is missing or cannot be used.
  std::optional<RecordList> Load();
  bool Save(const std::shared_ptr<const SharedRecords>& records,
            FolderSync sync = FolderSync::kNow);

  std::string Path() const { return file_.Path(); }

 private:
  PrefsFile file_;
};

}  // namespace netvane::prefs
