#include "platform/system/AutostartEntry.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "platform/system/AtomicFile.h"
#include "platform/system/UserFolders.h"
#include "text/Translate.h"

namespace netvane::system {
namespace {

constexpr std::size_t kMaxEntryBytes = std::size_t{64} * 1024;

// A value of the Exec key: always quoted, with the characters quoting reserves escaped, and
// the field-code character doubled.
std::string QuotedProgram(const std::string& program) {
  std::string out = "\"";
  for (const char c : program) {
    if (c == '"' || c == '`' || c == '$' || c == '\\') {
      out += '\\';
    } else if (c == '%') {
      out += '%';
    }
    out += c;
  }
  return out + "\"";
}

bool SwitchedOff(const std::string& text) {
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t end = std::min(text.find('\n', at), text.size());
    const std::string line = text.substr(at, end - at);
    if (line == "Hidden=true" || line == "X-GNOME-Autostart-enabled=false") return true;
    at = end + 1;
  }
  return false;
}

}  // namespace

std::string AutostartEntryPath() {
  return ConfigHome() + "/autostart/com.corvane.Netvane.desktop";
}

std::string AutostartEntryText(const std::string& program) {
  return "[Desktop Entry]\n"
         "Type=Application\n"
         "Name=Netvane\n"
         "Comment=Applies the active Wi-Fi profile and shows the link in the tray\n"
         "Exec=" +
         QuotedProgram(program) +
         " --background\n"
         "Icon=com.corvane.Netvane\n"
         "Terminal=false\n"
         "X-GNOME-Autostart-enabled=true\n";
}

bool AutostartOn() {
  const FileRead read = ReadWholeFile(AutostartEntryPath(), kMaxEntryBytes);
  return read.status == FileRead::Status::kRead && !SwitchedOff(read.bytes);
}

bool SetAutostart(bool on, const std::string& program, std::string& reason) {
  const std::string path = AutostartEntryPath();
  if (!on) {
    if (unlink(path.c_str()) == 0 || errno == ENOENT) return true;
    reason = path + ": " + std::strerror(errno);
    return false;
  }
  // The desktop's folder, shared with other programs' entries: made if missing, not judged.
  for (const std::string& folder : {ConfigHome(), ConfigHome() + "/autostart"}) {
    struct stat st {};
    if (mkdir(folder.c_str(), 0700) != 0 &&
        (errno != EEXIST || stat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode))) {
      reason =
          folder + ": " +
          (errno == EEXIST ? text::Tr("AutostartEntry", "not a folder") : std::strerror(errno));
      return false;
    }
  }
  if (WriteFileAtomically(path, AutostartEntryText(program), reason)) return true;
  reason = path + ": " + reason;
  return false;
}

}  // namespace netvane::system
