#include "platform/system/PrivateFolder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace netvane::platform {
namespace {

PrivateFolderResult Refused(const std::string& path, std::string reason) {
  return {false, path, std::move(reason)};
}

std::string OctalMode(mode_t mode) {
  char text[8];
  std::snprintf(text, sizeof text, "%04o", static_cast<unsigned>(mode & 07777));
  return text;
}

}  // namespace

PrivateFolderResult EnsurePrivateFolder(const std::string& path) {
  struct stat st {};
  if (lstat(path.c_str(), &st) != 0) {
    if (errno != ENOENT) return Refused(path, std::strerror(errno));
    // The mode is given to mkdir itself: the umask can only take bits away, and there is no
    // moment in which the folder is open to others.
    if (mkdir(path.c_str(), 0700) != 0 && errno != EEXIST) {
      return Refused(path, std::string("cannot create it: ") + std::strerror(errno));
    }
    // Someone may have been faster: judge whatever is there now.
    if (lstat(path.c_str(), &st) != 0) return Refused(path, std::strerror(errno));
  }
  if (S_ISLNK(st.st_mode)) return Refused(path, "it is a symbolic link");
  if (!S_ISDIR(st.st_mode)) return Refused(path, "it is not a folder");
  if (st.st_uid != geteuid()) {
    return Refused(path, "it belongs to uid " + std::to_string(st.st_uid) + ", not to uid " +
                             std::to_string(geteuid()));
  }
  if ((st.st_mode & (S_IWGRP | S_IWOTH)) != 0) {
    return Refused(path, "others may write to it (mode " + OctalMode(st.st_mode) + ")");
  }
  return {true, path, {}};
}

}  // namespace netvane::platform
