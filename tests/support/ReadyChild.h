// Starts a helper program for a test and waits, without sleeping, until it says it is ready:
// the write end of a pipe stays open in the child, its number stands in for "{fd}" in the
// arguments, and the child writes one line there once it serves.
#pragma once

#include <sys/types.h>

#include <optional>
#include <string>
#include <vector>

namespace netvane::testing {

// The child's pid (-1 when it could not be started) and its line without the newline; no line
// when it closed the pipe first or said nothing for 20 seconds. `stderrPath`: a file that takes
// the child's standard error, when not empty.
struct ReadyChild {
  pid_t pid = -1;
  std::optional<std::string> line;
};
ReadyChild StartAndAwaitLine(std::vector<std::string> args, const std::string& stderrPath = {});

// SIGTERM and wait; its exit code, -1 when it was not running or was killed. `pid` becomes -1.
int StopChild(pid_t& pid);

}  // namespace netvane::testing
