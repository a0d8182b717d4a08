// Records the log lines written while it lives, in place of standard error; restores the sink
// and the verbose setting it found.
#pragma once

#include <string>
#include <vector>

#include "platform/system/Log.h"

namespace netvane::testing {

class LogRecorder final : public system::LogSink {
 public:
  struct Line {
    system::LogCategory category;
    system::LogLevel level;
    std::string text;
  };

  // `verbose` as --verbose would set it; the sink keeps the layer's own filter.
  explicit LogRecorder(bool verbose = false)
      : previous_(system::SetLogSink(this)), wasVerbose_(system::LogVerbose()) {
    system::SetLogVerbose(verbose);
  }
  LogRecorder(const LogRecorder&) = delete;
  LogRecorder& operator=(const LogRecorder&) = delete;
  ~LogRecorder() override {
    system::SetLogSink(previous_);
    system::SetLogVerbose(wasVerbose_);
  }

  void Write(system::LogCategory category, system::LogLevel level, std::string_view line) override {
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
  system::LogSink* previous_;
  bool wasVerbose_;
};

}  // namespace netvane::testing
