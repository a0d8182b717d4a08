// An exclusive lock on a file (flock), tried once and held while the object lives: whoever holds
// it is the one running instance. The kernel drops it when the holder exits or dies, so there is
// nothing stale to clean up and no moment in which two processes both hold it.
#pragma once

#include <string>

#include "platform/system/UniqueFd.h"

namespace netvane::system {

class InstanceLock {
 public:
  enum class State { kHeld, kBusy, kUnavailable };

  // Opens or creates `path` (0600, not through a symbolic link) and tries to lock it without
  // waiting. The holder writes its process id into the file for others to name it.
  explicit InstanceLock(const std::string& path);

  // kBusy: another process holds it; kUnavailable: the file cannot be opened or locked.
  State Get() const { return state_; }
  // The process id the holder wrote, when another process holds it; 0 when unknown.
  long Holder() const { return holder_; }

 private:
  UniqueFd fd_;
  State state_ = State::kUnavailable;
  long holder_ = 0;
};

}  // namespace netvane::system
