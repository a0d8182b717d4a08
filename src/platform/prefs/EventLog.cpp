#include "platform/prefs/EventLog.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

#include "platform/prefs/AtomicFile.h"
#include "platform/system/UniqueFd.h"
#include "platform/system/UserFolders.h"

namespace netvane::prefs {
EventLog::EventLog() : folder_(platform::StateHome() + "/netvane") {}

bool EventLog::Append(std::string_view line) const {
  if (!platform::EnsurePrivateFolderAndParents(folder_)) return false;
  const std::string path = Path();
  struct stat st {};
  if (lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) &&
      static_cast<std::size_t>(st.st_size) + line.size() + 1 > kLimitBytes) {
    // A failed rename leaves the file growing rather than losing the newest event.
    std::rename(path.c_str(), (path + ".1").c_str());
  }
  const platform::UniqueFd fd(open(
      path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC | O_NOFOLLOW, S_IRUSR | S_IWUSR));
  if (fd.Get() < 0 || fstat(fd.Get(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
  // Whatever mode an older file was left with, the history is the user's alone.
  if ((st.st_mode & 07777) != (S_IRUSR | S_IWUSR) && fchmod(fd.Get(), S_IRUSR | S_IWUSR) != 0) {
    return false;
  }
  const std::string_view pieces[] = {line, "\n"};
  return WritePieces(fd.Get(), pieces);
}

std::string EventLog::ReadAll() const {
  if (!platform::EnsurePrivateFolderAndParents(folder_)) return {};
  // Each file is at most the limit unless a rotation failed; one that grew past it is not read.
  return ReadWholeFile(Path() + ".1", kLimitBytes).bytes + ReadWholeFile(Path(), kLimitBytes).bytes;
}

}  // namespace netvane::prefs
