// Times one WPA pass-phrase derivation (PBKDF2-HMAC-SHA1, 4096 iterations, 40 bytes) on the
// dispatched path, on the portable path, and with OpenSSL, then prints each median against
// OpenSSL's.
#include <benchmark/benchmark.h>
#include <openssl/evp.h>

#include <unistd.h>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "security/MathFunc.h"
#include "security/MathFuncInternal.h"

namespace {

const char kPassphrase[] = "correct horse battery staple";
const std::uint8_t kSsid[] = {'N', 'e', 't', 'v', 'a', 'n', 'e', '-', 'l', 'a', 'b'};
constexpr int kSsidLength = static_cast<int>(sizeof kSsid);

void BM_OpenSsl(benchmark::State& state) {
  std::uint8_t out[40];
  for (auto _ : state) {
    PKCS5_PBKDF2_HMAC_SHA1(kPassphrase, static_cast<int>(std::strlen(kPassphrase)), kSsid,
                           kSsidLength, 4096, sizeof out, out);
    benchmark::DoNotOptimize(out);
  }
}

void BM_PasswordHash(benchmark::State& state) {
  std::uint8_t out[40];
  for (auto _ : state) {
    netvane::PasswordHash(kPassphrase, kSsid, kSsidLength, out);
    benchmark::DoNotOptimize(out);
  }
  state.SetLabel(netvane::ResolvedSha1Path() == netvane::Sha1Path::kShaNi ? "sha-ni" : "portable");
}

void BM_PasswordHashPortable(benchmark::State& state) {
  std::uint8_t out[40];
  for (auto _ : state) {
    netvane::PasswordHashOn(netvane::Sha1Path::kPortable, kPassphrase, kSsid, kSsidLength, out);
    benchmark::DoNotOptimize(out);
  }
}

constexpr int kRepetitions = 15;
BENCHMARK(BM_OpenSsl)->Unit(benchmark::kMicrosecond)->Repetitions(kRepetitions);
BENCHMARK(BM_PasswordHash)->Unit(benchmark::kMicrosecond)->Repetitions(kRepetitions);
BENCHMARK(BM_PasswordHashPortable)->Unit(benchmark::kMicrosecond)->Repetitions(kRepetitions);

// Console output as usual, and each benchmark's median CPU time kept for the summary. CPU time
// rather than wall time, so that other work on a shared machine does not skew the ratios.
class MedianReporter : public benchmark::ConsoleReporter {
 public:
  MedianReporter() : ConsoleReporter(isatty(fileno(stdout)) != 0 ? OO_Color : OO_None) {}

  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median") {
        medians_[run.run_name.function_name] = run.GetAdjustedCPUTime();
      }
    }
    ConsoleReporter::ReportRuns(runs);
  }
  const std::map<std::string, double>& medians() const { return medians_; }

 private:
  std::map<std::string, double> medians_;
};

}  // namespace

int main(int argc, char** argv) {
  // Repetitions of the three run in random order so slow phases of the machine hit all alike;
  // a flag on the command line still overrides this.
  char interleave[] = "--benchmark_enable_random_interleaving=true";
  std::vector<char*> args{argv[0], interleave};
  for (int i = 1; i < argc; ++i) args.push_back(argv[i]);
  argc = static_cast<int>(args.size());
  argv = args.data();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  MedianReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();

  const auto& m = reporter.medians();
  const auto reference = m.find("BM_OpenSsl");
  if (reference == m.end()) return 0;
  std::printf("\nMedian CPU time per derivation against OpenSSL (%.1f us):\n", reference->second);
  for (const auto& [name, time] : m) {
    if (name == reference->first) continue;
    std::printf("  %-26s %8.1f us  ratio %.3f\n", name.c_str(), time, time / reference->second);
  }
  return 0;
}
