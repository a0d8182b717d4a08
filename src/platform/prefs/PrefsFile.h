// One property-list file in the preferences folder. A file that exists but cannot be used
// (unreadable, too large, not a property list, a root of the wrong kind) reads as absent, and
// before the first write replaces it, it is kept beside it as "<name>.damaged" with one line on
// standard error, so a hand edit gone wrong is never lost silently.
#pragma once

#include <string>

#include <optional>

#include "platform/prefs/AtomicFile.h"
#include "platform/prefs/PlistValue.h"
#include "platform/prefs/PlistXml.h"
#include "platform/prefs/PrefsFolder.h"

namespace netvane::prefs {

enum class RootKind { kArray, kDictionary };

class PrefsFile {
 public:
  // `folder` must outlive the file.
  PrefsFile(const PrefsFolder& folder, std::string name)
      : folder_(folder), name_(std::move(name)) {}

  // The root value, or nullopt when the file is missing, damaged or its folder is refused.
  std::optional<PlistValue> Load(RootKind kind);
  // Writes the document atomically, mode 0600; false (with a line on standard error) when it
  // could not, and then the old file is whole. With FolderSync::kLater the caller's next save
  // to the same folder flushes the folder for both.
  bool Save(const XmlDocument& document, FolderSync sync = FolderSync::kNow);

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
  void KeepDamagedAside();

  const PrefsFolder& folder_;
  std::string name_;
  std::string damage_;  // why the file on disk could not be used; empty when it could
};

}  // namespace netvane::prefs
