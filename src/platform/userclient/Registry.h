// Where driver services publish themselves: <root>/services/<class>/<instance>.sock.
#pragma once

#include <string>
#include <vector>

#include "platform/system/PrivateFolder.h"

namespace netvane::userclient {

// $XDG_RUNTIME_DIR/netvane when that is set; else <runUser>/<uid>/netvane when that folder of
// the system's is ours alone (system::IsPrivateFolder); else /tmp/netvane-<uid>, where any
// user may have taken the name first.
std::string RegistryRoot(const std::string& runUser = "/run/user");

// The folder holding the services of one class.
std::string ServiceClassDir(const std::string& className);

// Creates the root, services/ and the class folder (mode 0700) when missing, and checks that
// each is private (system::EnsurePrivateFolder). Anything in a folder another user could
// have made or written is not trusted: the result names the first refused folder and why.
system::PrivateFolderResult EnsureServiceClassDir(const std::string& className);

// Socket paths of every service of the class, in byte order of their file names.
std::vector<std::string> ListServices(const std::string& className);

// ListServices for a caller that asks on every request: the folder is read again only when it
// may have changed since the last reading (its identity or modification time differ, or it was
// modified so recently that a change within the same timestamp tick cannot be ruled out).
class ServiceDirectory {
 public:
  const std::vector<std::string>& List(const std::string& className);

 private:
  std::string className_;
  unsigned long device_ = 0;
  unsigned long inode_ = 0;
  long long mtimeSec_ = -1;
  long mtimeNsec_ = 0;
  std::vector<std::string> paths_;
};

}  // namespace netvane::userclient
