// Times `netvane-cli status` (one reading, its default) as a whole process (start, six requests,
// print, exit) against cv7000-sim while joined, beside a bare C program that makes the same six
// round trips and exits, then prints the ratio.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cstdio>
#include <string>
#include <vector>

#include "MedianReporter.h"
#include "SteadyRegistry.h"
#include "support/SimHarness.h"

extern char** environ;  // NOLINT(readability-redundant-declaration) for posix_spawn

namespace {

netvane::testing::SimHarness* g_sim = nullptr;

// Runs `argv` with its output to /dev/null; its exit status.
int Run(std::vector<std::string> args) {
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  pid_t pid = 0;
  const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  int status = 0;
  if (spawned != 0 || waitpid(pid, &status, 0) != pid) return -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

void BM_BareProgram(benchmark::State& state) {
  for (auto _ : state) {
    if (Run({NETVANE_BARE_STATUS, g_sim->SocketPath()}) != 0) state.SkipWithError("bare failed");
  }
}

void BM_CliStatus(benchmark::State& state) {
  for (auto _ : state) {
    if (Run({NETVANE_CLI, "status"}) != 0) state.SkipWithError("cli failed");
  }
}

BENCHMARK(BM_BareProgram)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(9);
BENCHMARK(BM_CliStatus)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(9);

}  // namespace

int main(int argc, char** argv) {
  netvane::testing::SimHarness sim;
  sim.SetTracing(false);
  sim.Start();
  netvane::bench::SettleRegistry();
  g_sim = &sim;
  if (Run({NETVANE_CLI, "connect", "CorvaneGuest"}) != 0) {
    std::fprintf(stderr, "bench_cli: could not join CorvaneGuest\n");
    return 1;
  }
  netvane::bench::MedianReporter reporter(netvane::bench::MedianReporter::Clock::kReal);
  if (!netvane::bench::RunInterleaved(argc, argv, reporter)) return 1;
  const double bare = reporter.Median("BM_BareProgram");
  const double cli = reporter.Median("BM_CliStatus");
  if (bare > 0 && cli > 0) {
    std::printf(
        "\nnetvane-cli status: %.2f ms as a whole process; a bare C program with the same six "
        "round trips %.2f ms; ratio %.2f (target <= 3)\n",
        cli, bare, cli / bare);
  }
  return 0;
}
