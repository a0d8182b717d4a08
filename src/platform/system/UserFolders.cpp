#include "platform/system/UserFolders.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

#include "platform/system/PrivateFolder.h"
#include "platform/system/RefusalNotice.h"

namespace netvane::system {
namespace {

std::string AbsoluteVariable(const char* name, const std::string& fallback) {
  const char* value = std::getenv(name);
  if (value != nullptr && value[0] == '/') return value;
  return fallback;
}

}  // namespace

std::string HomeFolder() {
  const char* home = std::getenv("HOME");
  if (home != nullptr && home[0] == '/') return home;
  if (const passwd* pw = getpwuid(geteuid()); pw != nullptr && pw->pw_dir != nullptr) {
    return pw->pw_dir;
  }
  return "/";
}

std::string ConfigHome() {
  return AbsoluteVariable("XDG_CONFIG_HOME", HomeFolder() + "/.config");
}

std::string StateHome() {
  return AbsoluteVariable("XDG_STATE_HOME", HomeFolder() + "/.local/state");
}

PrivateFolderResult MakePrivateFolderAndParents(const std::string& path) {
  for (std::size_t slash = path.find('/', 1); slash != std::string::npos;
       slash = path.find('/', slash + 1)) {
    mkdir(path.substr(0, slash).c_str(), 0700);
  }
  return EnsurePrivateFolder(path);
}

bool EnsurePrivateFolderAndParents(const std::string& path) {
  const PrivateFolderResult folder = MakePrivateFolderAndParents(path);
  if (!folder.ok) ReportRefusedOnce(folder.path, folder.reason);
  return folder.ok;
}

}  // namespace netvane::system
