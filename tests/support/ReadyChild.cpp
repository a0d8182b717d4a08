#include "support/ReadyChild.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

namespace netvane::testing {

ReadyChild StartAndAwaitLine(std::vector<std::string> args, const std::string& stderrPath) {
  ReadyChild child;
  int fds[2];
  if (pipe2(fds, O_CLOEXEC) != 0) return child;
  for (std::string& a : args) {
    if (const auto at = a.find("{fd}"); at != std::string::npos) {
      a.replace(at, 4, std::to_string(fds[1]));
    }
  }
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  child.pid = fork();
  if (child.pid == 0) {
    fcntl(fds[1], F_SETFD, 0);  // the write end survives exec; the read end does not
    if (!stderrPath.empty()) {
      const int err = open(stderrPath.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0600);
      if (err < 0 || dup2(err, 2) < 0) _exit(127);
    }
    execv(argv[0], argv.data());
    _exit(127);
  }
  close(fds[1]);
  // A child that neither writes nor exits within 20 seconds fails the test instead of hanging it.
  std::string line;
  pollfd ready{fds[0], POLLIN, 0};
  for (char c = 0; child.pid > 0;) {
    int n = 0;
    while ((n = poll(&ready, 1, 20000)) < 0 && errno == EINTR) {
    }
    if (n != 1 || read(fds[0], &c, 1) != 1) break;
    if (c == '\n') {
      child.line = line;
      break;
    }
    line += c;
  }
  close(fds[0]);
  return child;
}

int StopChild(pid_t& pid) {
  if (pid <= 0) return -1;
  kill(pid, SIGTERM);
  int status = 0;
  while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  pid = -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace netvane::testing
