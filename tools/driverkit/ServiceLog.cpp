#include "driverkit/ServiceLog.h"

#include <unistd.h>

#include <atomic>
#include <string>

namespace netvane::driverkit {
namespace {

std::atomic<bool> gVerbose{false};
std::string& ProgramName() {
  static std::string name = "driver service";
  return name;
}

void WriteLine(std::string_view line) {
  std::string text = ProgramName() + ": ";
  text += line;
  text += '\n';
  // One write per line, so lines of a daemon and its tests' output never interleave mid-line.
  [[maybe_unused]] const ssize_t n = write(STDERR_FILENO, text.data(), text.size());
}

}  // namespace

void SetServiceLog(std::string_view programName, bool verbose) {
  ProgramName() = programName;
  gVerbose = verbose;
}

bool ServiceVerbose() {
  return gVerbose;
}

void ServiceDebug(std::string_view line) {
  if (gVerbose) WriteLine(line);
}

void ServiceWarning(std::string_view line) {
  WriteLine(line);
}

}  // namespace netvane::driverkit
