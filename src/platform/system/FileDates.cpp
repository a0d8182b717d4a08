#include "platform/system/FileDates.h"

#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <ctime>

extern char** environ;  // NOLINT(readability-redundant-declaration) for posix_spawnp

namespace netvane::system {

std::string FileDate(const std::string& path) {
  struct stat st {};
  if (stat(path.c_str(), &st) != 0) return {};
  std::tm local{};
  if (localtime_r(&st.st_mtime, &local) == nullptr) return {};
  char text[16];
  if (std::strftime(text, sizeof text, "%Y-%m-%d", &local) == 0) return {};
  return text;
}

std::string ExecutableDate() {
  return FileDate("/proc/self/exe");
}

void OpenUrl(const std::string& url) {
  // Two generations: the child exits at once, so the browser is nobody's child here and no
  // zombie is left behind.
  const pid_t child = fork();
  if (child == 0) {
    pid_t browser = 0;
    char program[] = "xdg-open";
    std::string target = url;
    char* argv[] = {program, target.data(), nullptr};
    posix_spawnp(&browser, program, nullptr, nullptr, argv, environ);
    _exit(0);
  }
  if (child > 0) waitpid(child, nullptr, 0);
}

}  // namespace netvane::system
