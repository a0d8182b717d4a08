#include "platform/system/Log.h"

#include <array>
#include <cstdarg>
#include <cstdio>
#include <string>

namespace netvane::system {
namespace {

constexpr std::array<const char*, kLogCategoryCount> kCategoryNames = {
    "netvane.driver",   "netvane.survey", "netvane.profiles", "netvane.status",
    "netvane.advanced", "netvane.shell",  "netvane.prefs",    "netvane.registry",
    "netvane.crypto",   "netvane.system", "netvane.gui",
};

class StderrSink : public LogSink {
 public:
  void Write(LogCategory /*category*/, LogLevel /*level*/, std::string_view line) override {
    std::string text(line);
    text += '\n';
    std::fwrite(text.data(), 1, text.size(), stderr);
    std::fflush(stderr);
  }
};

StderrSink stderrSink;
LogSink* sink = &stderrSink;
bool verbose = false;

}  // namespace

const char* LogCategoryName(LogCategory category) {
  const auto at = static_cast<std::size_t>(category);
  return at < kCategoryNames.size() ? kCategoryNames[at] : "netvane";
}

bool LogSink::Enabled(LogCategory /*category*/, LogLevel level) const {
  return level >= LogLevel::kWarning || verbose;
}

void SetLogVerbose(bool on) {
  verbose = on;
}

bool LogVerbose() {
  return verbose;
}

LogSink* SetLogSink(LogSink* next) {
  LogSink* previous = sink == &stderrSink ? nullptr : sink;
  sink = next != nullptr ? next : &stderrSink;
  return previous;
}

bool LogEnabled(LogCategory category, LogLevel level) {
  return sink->Enabled(category, level);
}

void Log(LogCategory category, LogLevel level, std::string_view line) {
  if (sink->Enabled(category, level)) sink->Write(category, level, line);
}

void LogF(LogCategory category, LogLevel level, const char* format, ...) {
  va_list args;
  va_start(args, format);
  LogV(category, level, format, args);
  va_end(args);
}

void LogV(LogCategory category, LogLevel level, const char* format, va_list args) {
  if (!sink->Enabled(category, level)) return;
  va_list again;
  va_copy(again, args);
  const int length = std::vsnprintf(nullptr, 0, format, args);
  std::string line;
  if (length > 0) {
    line.resize(static_cast<std::size_t>(length) + 1);
    std::vsnprintf(line.data(), line.size(), format, again);
    line.resize(static_cast<std::size_t>(length));
  }
  va_end(again);
  sink->Write(category, level, line);
}

}  // namespace netvane::system
