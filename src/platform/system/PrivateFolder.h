// Folders that must hold nothing another local user put there: the driver registry, the
// single-instance socket, the preferences.
#pragma once

#include <string>

namespace netvane::system {

struct PrivateFolderResult {
  bool ok = false;
  std::string path;
  std::string reason;  // why the folder is not used; empty when ok
};

// Creates `path` with mode 0700 when it is missing (its parent must exist). An existing entry is
// used only when it is a real directory (not a symbolic link) owned by the effective user and
// writable by nobody else; it is never repaired, because a folder someone else could write may
// already hold their files. Another user's folder is named with its owner (their user name when
// the system knows it): in a sticky folder such as /tmp only an administrator can remove it.
PrivateFolderResult EnsurePrivateFolder(const std::string& path);

// Whether `path` is such a folder already; nothing is created.
bool IsPrivateFolder(const std::string& path);

}  // namespace netvane::system
