#include "platform/prefs/PrefsFolder.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

#include "platform/system/PrivateFolder.h"
#include "platform/system/RefusalNotice.h"

namespace netvane::prefs {
namespace {

std::string HomeFolder() {
  const char* home = std::getenv("HOME");
  if (home != nullptr && home[0] == '/') return home;
  if (const passwd* pw = getpwuid(geteuid()); pw != nullptr && pw->pw_dir != nullptr) {
    return pw->pw_dir;
  }
  return "/";
}

std::string ConfigHome() {
  const char* config = std::getenv("XDG_CONFIG_HOME");
  if (config != nullptr && config[0] == '/') return config;
  return HomeFolder() + "/.config";
}

}  // namespace

PrefsFolder::PrefsFolder() : path_(ConfigHome() + "/netvane") {}

bool PrefsFolder::Ensure() const {
  // Parents are created as the base directory rules ask (0700) but not judged: only the
  // folder that holds our files has to be ours alone.
  for (std::size_t slash = path_.find('/', 1); slash != std::string::npos;
       slash = path_.find('/', slash + 1)) {
    mkdir(path_.substr(0, slash).c_str(), 0700);
  }
  const platform::PrivateFolderResult folder = platform::EnsurePrivateFolder(path_);
  if (!folder.ok) platform::ReportRefusedOnce(folder.path, folder.reason);
  return folder.ok;
}

}  // namespace netvane::prefs
