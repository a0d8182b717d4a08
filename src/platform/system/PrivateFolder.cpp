#include "platform/system/PrivateFolder.h"
#include "text/Translate.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace netvane::system {
namespace {

PrivateFolderResult Refused(const std::string& path, std::string reason) {
  return {false, path, std::move(reason)};
}

std::string OctalMode(mode_t mode) {
  char text[8];
  std::snprintf(text, sizeof text, "%04o", static_cast<unsigned>(mode & 07777));
  return text;
}

std::string OwnerOf(uid_t uid) {
  passwd entry{};
  passwd* found = nullptr;
  std::array<char, 4096> buffer{};
  std::string id = "uid " + std::to_string(uid);
  if (getpwuid_r(uid, &entry, buffer.data(), buffer.size(), &found) == 0 && found != nullptr &&
      found->pw_name != nullptr && found->pw_name[0] != '\0') {
    return std::string(found->pw_name) + " (" + id + ")";
  }
  return id;
}

PrivateFolderResult Judge(const std::string& path, const struct stat& st) {
  if (S_ISLNK(st.st_mode)) return Refused(path, text::Tr("PrivateFolder", "it is a symbolic link"));
  if (!S_ISDIR(st.st_mode)) return Refused(path, text::Tr("PrivateFolder", "it is not a folder"));
  if (st.st_uid != geteuid()) {
    return Refused(
        path, text::Arg(text::Tr("PrivateFolder",
                                 "it belongs to another user, %1; an administrator must remove it"),
                        {OwnerOf(st.st_uid)}));
  }
  if ((st.st_mode & (S_IWGRP | S_IWOTH)) != 0) {
    return Refused(path, text::Arg(text::Tr("PrivateFolder", "others may write to it (mode %1)"),
                                   {OctalMode(st.st_mode)}));
  }
  return {true, path, {}};
}

}  // namespace

bool IsPrivateFolder(const std::string& path) {
  struct stat st {};
  return lstat(path.c_str(), &st) == 0 && Judge(path, st).ok;
}

PrivateFolderResult EnsurePrivateFolder(const std::string& path) {
  struct stat st {};
  if (lstat(path.c_str(), &st) != 0) {
    if (errno != ENOENT) return Refused(path, std::strerror(errno));
    // The mode is given to mkdir itself: the umask can only take bits away, and there is no
    // moment in which the folder is open to others.
    if (mkdir(path.c_str(), 0700) != 0 && errno != EEXIST) {
      // Read before the catalogue is asked, which may itself set errno.
      const std::string error = std::strerror(errno);
      return Refused(path, text::Arg(text::Tr("PrivateFolder", "cannot create it: %1"), {error}));
    }
    // Someone may have been faster: judge whatever is there now.
    if (lstat(path.c_str(), &st) != 0) return Refused(path, std::strerror(errno));
  }
  return Judge(path, st);
}

}  // namespace netvane::system
