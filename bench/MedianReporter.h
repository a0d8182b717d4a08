// Console output as usual, with each benchmark's median kept so that a program can print the
// ratios its targets are stated in.
#pragma once

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace netvane::bench {

class MedianReporter : public benchmark::ConsoleReporter {
 public:
  // CPU time suits work done in this process; real time suits work shared with another one.
  enum class Clock { kCpu, kReal };
  explicit MedianReporter(Clock clock)
      : ConsoleReporter(isatty(fileno(stdout)) != 0 ? OO_Color : OO_None), clock_(clock) {}

  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median") {
        medians_[run.run_name.function_name] =
            clock_ == Clock::kCpu ? run.GetAdjustedCPUTime() : run.GetAdjustedRealTime();
      }
    }
    ConsoleReporter::ReportRuns(runs);
  }
  const std::map<std::string, double>& medians() const { return medians_; }
  // In the benchmark's own time unit (->Unit), as the console table shows it.
  double Median(const std::string& name) const {
    const auto it = medians_.find(name);
    return it == medians_.end() ? 0.0 : it->second;
  }

 private:
  Clock clock_;
  std::map<std::string, double> medians_;
};

// Runs the registered benchmarks with repetitions interleaved at random (so slow phases of the
// machine hit every benchmark alike) and reports through `reporter`. False on a bad argument.
inline bool RunInterleaved(int argc, char** argv, MedianReporter& reporter) {
  char interleave[] = "--benchmark_enable_random_interleaving=true";
  std::vector<char*> args{argv[0], interleave};
  for (int i = 1; i < argc; ++i) args.push_back(argv[i]);
  int count = static_cast<int>(args.size());
  benchmark::Initialize(&count, args.data());
  if (benchmark::ReportUnrecognizedArguments(count, args.data())) return false;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return true;
}

}  // namespace netvane::bench
