// Times one WPA pass-phrase derivation (PBKDF2-HMAC-SHA1, 4096 iterations, 40 bytes) on the
// dispatched path, on the portable path, and with OpenSSL, then prints each median against
// OpenSSL's.
#include <benchmark/benchmark.h>

#include <openssl/evp.h>
#include "MedianReporter.h"

#include <unistd.h>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "crypto/MathFunc.h"
#include "crypto/MathFuncInternal.h"

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
    netvane::crypto::PasswordHash(kPassphrase, kSsid, kSsidLength, out);
    benchmark::DoNotOptimize(out);
  }
  state.SetLabel(netvane::crypto::ResolvedSha1Path() == netvane::crypto::Sha1Path::kShaNi
                     ? "sha-ni"
                     : "portable");
}

void BM_PasswordHashPortable(benchmark::State& state) {
  std::uint8_t out[40];
  for (auto _ : state) {
    netvane::crypto::PasswordHashOn(netvane::crypto::Sha1Path::kPortable, kPassphrase, kSsid,
                                    kSsidLength, out);
    benchmark::DoNotOptimize(out);
  }
}

constexpr int kRepetitions = 15;
BENCHMARK(BM_OpenSsl)->Unit(benchmark::kMicrosecond)->Repetitions(kRepetitions);
BENCHMARK(BM_PasswordHash)->Unit(benchmark::kMicrosecond)->Repetitions(kRepetitions);
BENCHMARK(BM_PasswordHashPortable)->Unit(benchmark::kMicrosecond)->Repetitions(kRepetitions);

}  // namespace

int main(int argc, char** argv) {
  // CPU time rather than wall time, so that other work on a shared machine does not skew the
  // ratios.
  netvane::bench::MedianReporter reporter(netvane::bench::MedianReporter::Clock::kCpu);
  if (!netvane::bench::RunInterleaved(argc, argv, reporter)) return 1;

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
