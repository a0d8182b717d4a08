#include "platform/system/EventLog.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "platform/system/UniqueFd.h"
#include "platform/system/UserFolders.h"

namespace netvane::platform {
namespace {

bool WriteAll(int fd, std::string_view text) {
  while (!text.empty()) {
    const ssize_t n = write(fd, text.data(), text.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    text.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

// At most `limit` bytes of a regular file; nothing from a link or anything else.
std::string ReadFile(const std::string& path, std::size_t limit) {
  const UniqueFd fd(open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW));
  struct stat st {};
  if (fd.Get() < 0 || fstat(fd.Get(), &st) != 0 || !S_ISREG(st.st_mode)) return {};
  std::string text(limit, '\0');
  std::size_t used = 0;
  while (used < limit) {
    const ssize_t n = read(fd.Get(), text.data() + used, limit - used);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    used += static_cast<std::size_t>(n);
  }
  text.resize(used);
  return text;
}

}  // namespace

EventLog::EventLog() : folder_(StateHome() + "/netvane") {}

bool EventLog::Append(std::string_view line) const {
  if (!EnsurePrivateFolderAndParents(folder_)) return false;
  const std::string path = Path();
  struct stat st {};
  if (lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) &&
      static_cast<std::size_t>(st.st_size) + line.size() + 1 > kLimitBytes) {
    // A failed rename leaves the file growing rather than losing the newest event.
    std::rename(path.c_str(), (path + ".1").c_str());
  }
  const UniqueFd fd(open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC | O_NOFOLLOW,
                         S_IRUSR | S_IWUSR));
  if (fd.Get() < 0 || fstat(fd.Get(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
  // Whatever mode an older file was left with, the history is the user's alone.
  if ((st.st_mode & 07777) != (S_IRUSR | S_IWUSR) && fchmod(fd.Get(), S_IRUSR | S_IWUSR) != 0) {
    return false;
  }
  std::string text(line);
  text += '\n';
  return WriteAll(fd.Get(), text);
}

std::string EventLog::ReadAll() const {
  if (!EnsurePrivateFolderAndParents(folder_)) return {};
  return ReadFile(Path() + ".1", kLimitBytes) + ReadFile(Path(), kLimitBytes);
}

}  // namespace netvane::platform
