#include "platform/userclient/Registry.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <string_view>

namespace netvane::userclient {

std::string RegistryRoot(const std::string& runUser) {
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  if (runtime != nullptr && runtime[0] != '\0') return std::string(runtime) + "/netvane";
  const std::string uid = std::to_string(geteuid());
  if (const std::string own = runUser + "/" + uid; system::IsPrivateFolder(own)) {
    return own + "/netvane";
  }
  return "/tmp/netvane-" + uid;
}

std::string ServiceClassDir(const std::string& className) {
  return RegistryRoot() + "/services/" + className;
}

system::PrivateFolderResult EnsureServiceClassDir(const std::string& className) {
  const std::string root = RegistryRoot();
  for (const std::string& path : {root, root + "/services", ServiceClassDir(className)}) {
    auto folder = system::EnsurePrivateFolder(path);
    if (!folder.ok) return folder;
  }
  return {true, ServiceClassDir(className), {}};
}

std::vector<std::string> ListServices(const std::string& className) {
  const std::string dir = ServiceClassDir(className);
  std::vector<std::string> names;
  DIR* d = opendir(dir.c_str());
  if (d == nullptr) return names;
  constexpr std::string_view kSuffix = ".sock";
  while (const dirent* e = readdir(d)) {
    const std::string_view name(e->d_name);
    if (name.size() > kSuffix.size() && name.substr(name.size() - kSuffix.size()) == kSuffix) {
      names.emplace_back(name);
    }
  }
  closedir(d);
  std::sort(names.begin(), names.end());
  for (auto& n : names) n.insert(0, dir + "/");
  return names;
}

const std::vector<std::string>& ServiceDirectory::List(const std::string& className) {
  struct stat st {};
  if (stat(ServiceClassDir(className).c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) {
    className_.clear();
    paths_.clear();
    return paths_;
  }
  // File times advance in coarse ticks: a folder changed within the last two seconds may
  // change again without its time moving, so it is always read again.
  const bool settled = st.st_mtim.tv_sec + 2 < std::time(nullptr);
  const bool same = className == className_ && st.st_dev == device_ && st.st_ino == inode_ &&
                    st.st_mtim.tv_sec == mtimeSec_ && st.st_mtim.tv_nsec == mtimeNsec_;
  if (!(settled && same)) {
    paths_ = ListServices(className);
    className_ = className;
    device_ = st.st_dev;
    inode_ = st.st_ino;
    mtimeSec_ = st.st_mtim.tv_sec;
    mtimeNsec_ = st.st_mtim.tv_nsec;
  }
  return paths_;
}

}  // namespace netvane::userclient
