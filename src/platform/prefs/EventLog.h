// The event history on disk: one line per connection event, appended to events.log in a
// private folder ($XDG_STATE_HOME/netvane by default). When a line would take the file past
// 1 MiB the file becomes events.log.1 (replacing the one before) and a new one starts, so the
// history never holds more than two files. Nothing here may hold up the window: the file is
// opened without waiting, used only when it is a regular file of its own, and a line is written
// whole or not at all.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace netvane::prefs {

class EventLog {
 public:
  static constexpr std::size_t kLimitBytes = std::size_t{1} << 20;
  static constexpr const char* kFileName = "events.log";

  // The folder from the environment.
  EventLog();
  explicit EventLog(std::string folder) : folder_(std::move(folder)) {}

  // Appends `line` and a newline; false when the folder or the file is refused or the write
  // failed (the file is then as it was). Callers give one line of text: no newline of its own.
  // The first failure after a success is reported on standard error, later ones are not.
  bool Append(std::string_view line) const;
  // What both files hold, the older first; empty when there is nothing (or nothing usable).
  std::string ReadAll() const;

  const std::string& Folder() const { return folder_; }
  std::string Path() const { return folder_ + "/" + kFileName; }

 private:
  bool Fail(const std::string& reason) const;

  std::string folder_;
  mutable bool failing_ = false;
};

}  // namespace netvane::prefs
