// The per-user base folders of the XDG rules: a variable that is unset or not an absolute path
// counts as unset, and its default under the home folder is used.
#pragma once

#include <string>

#include "platform/system/PrivateFolder.h"

namespace netvane::system {

// $HOME, else the password database's entry, else "/".
std::string HomeFolder();
// $XDG_CONFIG_HOME, default ~/.config.
std::string ConfigHome();
// $XDG_STATE_HOME, default ~/.local/state.
std::string StateHome();

// Creates the missing parents of `path` (0700, not judged: only the folder that holds our files
// has to be ours alone) and `path` itself through EnsurePrivateFolder. A refusal is reported
// once on standard error.
bool EnsurePrivateFolderAndParents(const std::string& path);
// The same without the report, for a caller that reports the refusal itself.
PrivateFolderResult MakePrivateFolderAndParents(const std::string& path);

}  // namespace netvane::system
