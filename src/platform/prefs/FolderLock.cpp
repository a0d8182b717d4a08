#include "platform/prefs/FolderLock.h"
#include "text/Translate.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <ctime>
#include <map>
#include <mutex>

namespace netvane::prefs {
namespace {

struct Holding {
  int fd = -1;
  int depth = 0;
};

// flock excludes two descriptors of one process as it excludes two processes: nested takers in
// this process share the first one's descriptor instead of waiting for themselves.
std::mutex& HoldingsMutex() {
  static std::mutex mutex;
  return mutex;
}
std::map<std::string, Holding>& Holdings() {
  static std::map<std::string, Holding> holdings;
  return holdings;
}

bool LockWithin(int fd, int milliseconds) {
  const timespec pause{0, 5'000'000};
  for (int waited = 0;; waited += 5) {
    if (flock(fd, LOCK_EX | LOCK_NB) == 0) return true;
    if (errno != EWOULDBLOCK && errno != EINTR) return false;
    if (waited >= milliseconds) return false;
    nanosleep(&pause, nullptr);
  }
}

}  // namespace

FolderLock::FolderLock(const PrefsFolder& folder) : path_(folder.FileNamed(kLockFile)) {
  const std::lock_guard<std::mutex> guard(HoldingsMutex());
  Holding& holding = Holdings()[path_];
  if (holding.depth > 0) {
    ++holding.depth;
    held_ = true;
    return;
  }
  if (!folder.Ensure()) {
    reason_ = text::Arg(text::Tr("FolderLock", "cannot use the folder %1"), {folder.Path()});
    return;
  }
  // Read-only is enough for flock, and lets a folder made read-only after the lock file was
  // created still be locked. Non-blocking and no symbolic links: a planted FIFO or link is
  // refused rather than followed.
  const int fd =
      open(path_.c_str(), O_RDONLY | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0600);
  if (fd < 0) {
    // Read before the catalogue is asked, which may itself set errno.
    const std::string error = std::strerror(errno);
    reason_ = text::Arg(text::Tr("FolderLock", "cannot open its lock file: %1"), {error});
    return;
  }
  struct stat st {};
  if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != geteuid()) {
    close(fd);
    reason_ = text::Arg(text::Tr("FolderLock", "its lock file %1 is not a regular file of ours"),
                        {path_});
    return;
  }
  if (!LockWithin(fd, kWaitMilliseconds)) {
    const int error = errno;
    close(fd);
    reason_ = error == EWOULDBLOCK
                  ? text::Tr("FolderLock", "another Netvane program is changing the preferences")
                  : text::Arg(text::Tr("FolderLock", "cannot lock it: %1"), {std::strerror(error)});
    return;
  }
  holding = {fd, 1};
  held_ = true;
}

FolderLock::~FolderLock() {
  if (!held_) return;
  const std::lock_guard<std::mutex> guard(HoldingsMutex());
  Holding& holding = Holdings()[path_];
  if (--holding.depth > 0) return;
  // Closing the last descriptor releases the lock.
  close(holding.fd);
  Holdings().erase(path_);
}

}  // namespace netvane::prefs
