#include "platform/system/InstanceLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdlib>

namespace netvane::system {

InstanceLock::InstanceLock(const std::string& path)
    : fd_(open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK,
               S_IRUSR | S_IWUSR)) {
  struct stat st {};
  if (fd_.Get() < 0 || fstat(fd_.Get(), &st) != 0 || !S_ISREG(st.st_mode)) return;
  if (flock(fd_.Get(), LOCK_EX | LOCK_NB) == 0) {
    state_ = State::kHeld;
    const std::string pid = std::to_string(getpid()) + "\n";
    // Only a help for the message of a later start: the lock holds whether this works or not.
    if (ftruncate(fd_.Get(), 0) == 0) {
      [[maybe_unused]] const ssize_t written = pwrite(fd_.Get(), pid.data(), pid.size(), 0);
    }
    return;
  }
  if (errno != EWOULDBLOCK) return;
  state_ = State::kBusy;
  std::array<char, 24> text{};
  const ssize_t n = pread(fd_.Get(), text.data(), text.size() - 1, 0);
  if (n > 0) holder_ = std::max(0L, std::strtol(text.data(), nullptr, 10));
}

}  // namespace netvane::system
