#include "platform/prefs/PrefsFolder.h"

#include "platform/system/UserFolders.h"

namespace netvane::prefs {

PrefsFolder::PrefsFolder() : path_(system::ConfigHome() + "/netvane") {}

bool PrefsFolder::Ensure() const {
  return system::EnsurePrivateFolderAndParents(path_);
}

}  // namespace netvane::prefs
