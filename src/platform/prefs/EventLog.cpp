#include "platform/prefs/EventLog.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "platform/system/AtomicFile.h"
#include "platform/system/Log.h"
#include "platform/system/UniqueFd.h"
#include "platform/system/UserFolders.h"

namespace netvane::prefs {
namespace {

// A hard link would put our lines (and our mode) into a file someone else named.
bool OwnRegularFile(const struct stat& st) {
  return S_ISREG(st.st_mode) && st.st_nlink == 1;
}

}  // namespace

EventLog::EventLog() : folder_(system::StateHome() + "/netvane") {}

bool EventLog::Fail(const std::string& reason) const {
  if (!failing_) {
    system::LogWarning(system::LogCategory::kPrefs,
                       "netvane: not keeping the event history in " + Path() + ": " + reason);
  }
  failing_ = true;
  return false;
}

bool EventLog::Append(std::string_view line) const {
  // A refused folder is reported once by the folder check itself.
  if (!system::EnsurePrivateFolderAndParents(folder_)) return false;
  const std::string path = Path();
  struct stat st {};
  if (lstat(path.c_str(), &st) == 0 && OwnRegularFile(st) &&
      static_cast<std::size_t>(st.st_size) + line.size() + 1 > kLimitBytes) {
    // A failed rename leaves the file growing rather than losing the newest event.
    std::rename(path.c_str(), (path + ".1").c_str());
  }
  // O_NONBLOCK: a FIFO put in the file's place fails to open or opens at once, never waits for
  // a reader; it is refused below either way.
  const system::UniqueFd fd(
      open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK,
           S_IRUSR | S_IWUSR));
  if (fd.Get() < 0) {
    return Fail(errno == ENXIO ? "it is not a regular file"
                               : std::string("cannot open it: ") + std::strerror(errno));
  }
  if (fstat(fd.Get(), &st) != 0 || !S_ISREG(st.st_mode)) return Fail("it is not a regular file");
  if (!OwnRegularFile(st)) return Fail("another name links to it");
  // Whatever mode an older file was left with, the history is the user's alone.
  if ((st.st_mode & 07777) != (S_IRUSR | S_IWUSR) && fchmod(fd.Get(), S_IRUSR | S_IWUSR) != 0) {
    return Fail(std::string("cannot make it private: ") + std::strerror(errno));
  }
  const std::string_view pieces[] = {line, "\n"};
  if (!system::WritePieces(fd.Get(), pieces)) {
    const std::string reason = std::string("cannot write to it: ") + std::strerror(errno);
    // Half a line would glue the next event to it: cut back to the last whole line.
    if (ftruncate(fd.Get(), st.st_size) != 0) return Fail(reason + "; a cut-off line remains");
    return Fail(reason);
  }
  failing_ = false;
  return true;
}

std::string EventLog::ReadAll() const {
  if (!system::EnsurePrivateFolderAndParents(folder_)) return {};
  // Only a file of our own: a hard link would show another file's contents as the history.
  for (const std::string& path : {Path(), Path() + ".1"}) {
    struct stat st {};
    if (lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && st.st_nlink != 1) return {};
  }
  // Each file is at most the limit unless a rotation failed; one that grew past it is not read.
  return system::ReadWholeFile(Path() + ".1", kLimitBytes).bytes +
         system::ReadWholeFile(Path(), kLimitBytes).bytes;
}

}  // namespace netvane::prefs
