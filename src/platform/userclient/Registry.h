// Where driver services publish themselves: <root>/services/<class>/<instance>.sock.
#pragma once

#include <string>
#include <vector>

namespace netvane::userclient {

// $XDG_RUNTIME_DIR/netvane when that is set, else /tmp/netvane-<uid>.
std::string RegistryRoot();

// The folder holding the services of one class.
std::string ServiceClassDir(const std::string& className);

// Creates the root and the class folder (mode 0700) when missing. False when a folder cannot be
// made or belongs to another user.
bool EnsureServiceClassDir(const std::string& className);

// Socket paths of every service of the class, in byte order of their file names.
std::vector<std::string> ListServices(const std::string& className);

}  // namespace netvane::userclient
