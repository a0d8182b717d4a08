#include "platform/prefs/PrefsFolder.h"

#include "platform/system/UserFolders.h"

namespace netvane::prefs {

PrefsFolder::PrefsFolder() : path_(platform::ConfigHome() + "/netvane") {}

bool PrefsFolder::Ensure() const {
  return platform::EnsurePrivateFolderAndParents(path_);
}

}  // namespace netvane::prefs
