// Records the log lines written while it lives, in place of standard error; restores the sink
// and the verbose setting it found.
#pragma once

#include <string>
#include <vector>

#include "platform/system/Log.h"

namespace netvane::testing {

class LogRecorder final : public platform::LogSink {
 public:
  struct Line {
    platform::LogCategory category;
    platform::LogLevel level;
    std::string text;
  };

  // `verbose` as --verbose would set it; the sink keeps the layer's own filter.
  explicit LogRecorder(bool verbose = false)
      : previous_(platform::SetLogSink(this)), wasVerbose_(platform::LogVerbose()) {
    platform::SetLogVerbose(verbose);
  }
  LogRecorder(const LogRecorder&) = delete;
  LogRecorder& operator=(const LogRecorder&) = delete;
  ~LogRecorder() override {
    platform::SetLogSink(previous_);
    platform::SetLogVerbose(wasVerbose_);
  }

  void Write(platform::LogCategory category, platform::LogLevel level,
             std::string_view line) override {
    lines.push_back({category, level, std::string(line)});
  }

  // Every line with its newline, as standard error would have read.
  std::string Text() const {
    std::string text;
    for (const Line& line : lines) text += line.text + "\n";
    return text;
  }
  // Text() since the last Take(), which forgets it.
  std::string Take() {
    std::string text = Text();
    lines.clear();
    return text;
  }

  std::vector<Line> lines;

 private:
  platform::LogSink* previous_;
  bool wasVerbose_;
};

}  // namespace netvane::testing
