// The per-user preferences folder: $XDG_CONFIG_HOME/netvane, or ~/.config/netvane when the
// variable is unset or not an absolute path. It must be private (owned by the user, writable by
// nobody else); one that is not is neither read nor written.
#pragma once

#include <string>

namespace netvane::prefs {

class PrefsFolder {
 public:
  // The folder from the environment.
  PrefsFolder();
  // A given folder (tests, or a second front end with its own place).
  explicit PrefsFolder(std::string path) : path_(std::move(path)) {}

  const std::string& Path() const { return path_; }
  std::string FileNamed(const std::string& name) const { return path_ + "/" + name; }

  // Creates the missing parents (0700) and the folder itself (0700) and checks it. A refusal is
  // reported once on standard error.
  bool Ensure() const;

 private:
  std::string path_;
};

}  // namespace netvane::prefs
