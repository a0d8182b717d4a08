// The one way diagnostics leave the program. Each line has a category (the part of Netvane it
// comes from) and a level; by default only warnings and errors are written, to standard error,
// one line each. A front end may send the lines elsewhere through a sink (the window hands them
// to its toolkit's categories, tests record them).
#pragma once

#include <cstdarg>
#include <string_view>

namespace netvane::system {

enum class LogLevel { kDebug, kInfo, kWarning, kError };

enum class LogCategory {
  kDriver,
  kSurvey,
  kProfiles,
  kStatus,
  kAdvanced,
  kShell,
  kPrefs,
  kRegistry,
  kCrypto,
  kSystem,
  kGui,
};
inline constexpr int kLogCategoryCount = static_cast<int>(LogCategory::kGui) + 1;

// "netvane.driver", "netvane.survey", ...
const char* LogCategoryName(LogCategory category);

// Where lines go once a sink is installed.
class LogSink {
 public:
  virtual ~LogSink() = default;
  // Whether a line is wanted at all; asked before it is formatted. The default keeps warnings
  // and errors, and everything once the process is verbose.
  virtual bool Enabled(LogCategory category, LogLevel level) const;
  // One line, without its newline.
  virtual void Write(LogCategory category, LogLevel level, std::string_view line) = 0;
};

// Debug and info lines too. Set once, by main, from the command line.
void SetLogVerbose(bool on);
bool LogVerbose();

// Installs `sink` (not owned; nullptr: standard error again) and returns the one it replaces.
LogSink* SetLogSink(LogSink* sink);

bool LogEnabled(LogCategory category, LogLevel level);
void Log(LogCategory category, LogLevel level, std::string_view line);
void LogF(LogCategory category, LogLevel level, const char* format, ...)
    __attribute__((format(printf, 3, 4)));
void LogV(LogCategory category, LogLevel level, const char* format, va_list args)
    __attribute__((format(printf, 3, 0)));

inline void LogDebug(LogCategory category, std::string_view line) {
  Log(category, LogLevel::kDebug, line);
}
inline void LogWarning(LogCategory category, std::string_view line) {
  Log(category, LogLevel::kWarning, line);
}
inline void LogError(LogCategory category, std::string_view line) {
  Log(category, LogLevel::kError, line);
}

}  // namespace netvane::system
