#include "SimLog.h"

#include <unistd.h>

#include <atomic>
#include <string>

namespace netvane::sim {
namespace {

std::atomic<bool> gVerbose{false};

void WriteLine(std::string_view line) {
  std::string text(line);
  text += '\n';
  // One write per line, so lines of a daemon and its tests' output never interleave mid-line.
  [[maybe_unused]] const ssize_t n = write(STDERR_FILENO, text.data(), text.size());
}

}  // namespace

void SetSimVerbose(bool on) {
  gVerbose = on;
}

bool SimVerbose() {
  return gVerbose;
}

void SimDebug(std::string_view line) {
  if (gVerbose) WriteLine(line);
}

void SimWarning(std::string_view line) {
  WriteLine(line);
}

}  // namespace netvane::sim
