// The application's preferences domain, "com.corvane.Netvane.plist" in the preferences folder:
// a dictionary loaded on first use and written by synchronize. One object serves the whole
// process. Keys it does not know are kept as they were found. When another process (the
// command line) has replaced the file since, the next read loads it again, unless this one
// holds changes of its own not yet written. A write that fails drops them: the next read shows
// the file as it is, and no later write can carry them over a newer file.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "platform/plist/Dictionary.h"
#include "platform/plist/PlistValue.h"
#include "platform/prefs/PrefsFile.h"

namespace netvane::prefs {

class UserDefaults {
 public:
  static constexpr const char* kDomainFile = "com.corvane.Netvane.plist";

  // `folder` must outlive the defaults.
  explicit UserDefaults(const PrefsFolder& folder) : folder_(folder), file_(folder, kDomainFile) {}
  UserDefaults(const UserDefaults&) = delete;
  UserDefaults& operator=(const UserDefaults&) = delete;

  // The array under `key` as records; nullopt when the key is missing or holds no array.
  std::optional<plist::RecordList> RecordsForKey(const std::string& key);
  // The list is shared, not copied: the same list can go into a file as well.
  void SetRecords(const std::string& key, std::shared_ptr<const plist::SharedRecords> records);

  // The boolean under `key`; nullopt when the key is missing or holds something else.
  std::optional<bool> BoolForKey(const std::string& key);
  void SetBool(const std::string& key, bool value);
  // One change on its own: under the folder's lock, from the file as it is now, written at once
  // (a failure on standard error). Another program's changes in between are kept.
  bool StoreBool(const std::string& key, bool value);
  // Store, for changes that `apply` makes through the setters.
  bool Store(const std::function<void(UserDefaults&)>& apply);

  // The string under `key`; nullopt when the key is missing or holds something else.
  std::optional<std::string> StringForKey(const std::string& key);
  void SetString(const std::string& key, const std::string& value);
  // The integer under `key`; nullopt when missing, not an integer or beyond 64 bits.
  std::optional<int64_t> IntegerForKey(const std::string& key);
  void SetInteger(const std::string& key, int64_t value);

  // Why the file on disk could not be read (it exists but cannot be opened, or is not a
  // regular file); empty when it was read, is missing or is damaged.
  std::string ReadProblem();
  // Forgets the loaded file unless changes of this process wait to be written: the next read
  // loads it again. For a change that must start from the file as it is now.
  void Refresh();

  // Writes the domain to disk; false with `reason` (one line) when that failed, and then the
  // changes not written are dropped.
  bool Write(std::string& reason);
  // Write, with the reason of a failure on standard error.
  bool synchronize();  // NOLINT(readability-identifier-naming) the platform's name for it

  std::string Path() const { return file_.Path(); }
  // What a killed write left (PrefsFile::RemoveDebris); only with the folder's lock held.
  void RemoveDebris() const { file_.RemoveDebris(); }

 private:
  plist::PlistValue& Root();

  const PrefsFolder& folder_;
  PrefsFile file_;
  std::optional<plist::PlistValue> root_;
  std::string problem_;     // the file's ReadProblem as last loaded
  PrefsFile::Stamp stamp_;  // the file as last loaded or written
  bool unsaved_ = false;
};

// A file whose root is an array of records: "Profile.plist".
class RecordListFile {
 public:
  RecordListFile(const PrefsFolder& folder, std::string name) : file_(folder, std::move(name)) {}

  // nullopt when the file is missing or cannot be used.
  std::optional<plist::RecordList> Load();
  // After Load: why an existing file could not be read (PrefsFile::Problem).
  std::string Problem() const { return file_.Problem(); }
  bool Save(const std::shared_ptr<const plist::SharedRecords>& records, std::string& reason,
            system::FolderSync sync = system::FolderSync::kNow);
  void RemoveDebris() const { file_.RemoveDebris(); }

  std::string Path() const { return file_.Path(); }

 private:
  PrefsFile file_;
};

}  // namespace netvane::prefs
