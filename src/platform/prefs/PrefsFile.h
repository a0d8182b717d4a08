// One property-list file in the preferences folder. A file that exists but cannot be used
// (unreadable, too large, not a property list, a root of the wrong kind) reads as absent, and
// before the first write replaces it, it is kept beside it as "<name>.damaged.N" with one line
// on standard error, so a hand edit gone wrong is never lost silently. N counts up: a copy never
// replaces an earlier one, and only the last five are kept.
#pragma once

#include <string>

#include <optional>

#include "platform/plist/PlistValue.h"
#include "platform/plist/PlistXml.h"
#include "platform/prefs/PrefsFolder.h"
#include "platform/system/AtomicFile.h"

namespace netvane::prefs {

enum class RootKind { kArray, kDictionary };

class PrefsFile {
 public:
  // `folder` must outlive the file.
  PrefsFile(const PrefsFolder& folder, std::string name)
      : folder_(folder), name_(std::move(name)) {}

  // The root value, or nullopt when the file is missing, damaged or its folder is refused.
  std::optional<plist::PlistValue> Load(RootKind kind);
  // Why the file on disk could not be read at the last Load (it exists, but cannot be opened
  // or is not a regular file); empty when it could, or is merely missing or damaged.
  std::string Problem() const { return unreadable_ ? damage_ : std::string(); }

  // Writes the document atomically, mode 0600, holding the folder's lock; false with `reason`
  // (one line naming the file) when it could not, and then the old file is whole. With
  // FolderSync::kLater the caller's next save to the same folder flushes the folder for both.
  bool Save(const plist::XmlDocument& document, std::string& reason,
            system::FolderSync sync = system::FolderSync::kNow);

  // Removes what a killed save of this file left: "<name>." and six letters or digits, a
  // regular file of ours. Only with the folder's lock held, so no running save loses its file.
  void RemoveDebris() const;

  std::string Path() const { return folder_.FileNamed(name_); }

  // Which version of the file is on disk (identity, size, modification time); equal stamps mean
  // nobody replaced it in between. A missing file has the empty stamp.
  struct Stamp {
    unsigned long long inode = 0, size = 0;
    long long seconds = 0, nanoseconds = 0;
    bool operator==(const Stamp&) const = default;
  };
  Stamp CurrentStamp() const;

 private:
  bool KeepDamagedAside();
  void ReportDamageOnce() const;

  const PrefsFolder& folder_;
  std::string name_;
  std::string damage_;       // why the file on disk could not be used; empty when it could
  bool unreadable_ = false;  // damage_ says why it could not even be read
};

}  // namespace netvane::prefs
