// Serialises changes to the preferences folder between programs (the window and the command
// line): an exclusive flock on ".lock" in the folder, held for one read-modify-write. Taking it
// again in the same process while it is held (a save inside a change) only counts, so a change
// that saves two files takes it once.
#pragma once

#include <string>

#include "platform/prefs/PrefsFolder.h"

namespace netvane::prefs {

class FolderLock {
 public:
  static constexpr const char* kLockFile = ".lock";
  // How long another program's change may keep us waiting before we give up.
  static constexpr int kWaitMilliseconds = 3000;

  // Creates the folder when missing. Check Held(): a refused folder, a lock file that cannot
  // be opened, or another program holding the lock too long leaves it not held.
  explicit FolderLock(const PrefsFolder& folder);
  FolderLock(const FolderLock&) = delete;
  FolderLock& operator=(const FolderLock&) = delete;
  ~FolderLock();

  bool Held() const { return held_; }
  // Why it is not held.
  const std::string& Reason() const { return reason_; }

 private:
  std::string path_;
  bool held_ = false;
  std::string reason_;
};

}  // namespace netvane::prefs
