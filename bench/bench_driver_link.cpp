// Times one OID request through CV7000Access against cv7000-sim, and the collection of a full
// 65536-byte scan list in 4096-byte parts, each beside a bare Unix-socket round trip of the same
// sizes served by a trivial second process, then prints the ratios.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <vector>

#include "BareSocket.h"
#include "CountingClient.h"
#include "MedianReporter.h"
#include "SteadyRegistry.h"
#include "driver/CV7000Access.h"
#include "driver/Oids.h"
#include "driver/ScanList.h"
#include "platform/userclient/SocketUserClient.h"
#include "state/SharedState.h"
#include "support/SimHarness.h"

namespace {

using netvane::bench::BareRoundTrip;
using netvane::bench::BareServer;
using netvane::bench::CountingClient;
using netvane::bench::SilentAlert;

void BM_BareRoundTrip4(benchmark::State& state) {
  BareServer server;
  std::vector<uint8_t> buffer(4);
  for (auto _ : state) BareRoundTrip(server.path(), buffer);
}

void BM_BareRoundTrip4096(benchmark::State& state) {
  BareServer server;
  std::vector<uint8_t> buffer(4096);
  for (auto _ : state) BareRoundTrip(server.path(), buffer);
}

void BM_OidQuery(benchmark::State& state) {
  netvane::testing::SimHarness sim;
  sim.SetTracing(false);
  sim.Start();
  netvane::bench::SettleRegistry();
  netvane::userclient::SocketUserClient client;
  SilentAlert alert;
  netvane::SharedState shared;
  netvane::CV7000Access access(shared, client, alert, nullptr);
  uint32_t mediaState = 0;
  for (auto _ : state) {
    uint32_t count = 0;
    benchmark::DoNotOptimize(
        access.OidQueryInformation(netvane::OID_GEN_MEDIA_CONNECT_STATUS, &mediaState, 4, &count));
  }
}

long g_collectRequests = 0;

void BM_CollectFullScanList(benchmark::State& state) {
  netvane::testing::SimHarness sim;
  sim.SetTracing(false);
  // Enough networks to overflow the 65536-byte list.
  sim.Start(R"({"scan": {"max_part_bytes": 4096}, "generate": {"count": 700, "seed": 5}})");
  netvane::bench::SettleRegistry();
  CountingClient client;
  SilentAlert alert;
  netvane::SharedState shared;
  netvane::CV7000Access access(shared, client, alert, nullptr);
  access.QueryBssidList();
  const long perCollection = client.calls;
  for (auto _ : state) access.QueryBssidList();
  g_collectRequests = perCollection;
  state.counters["requests"] = static_cast<double>(perCollection);
  state.counters["entries"] = static_cast<double>(shared.G_pBssidList->NumberOfItems());
}

BENCHMARK(BM_BareRoundTrip4)->Unit(benchmark::kMicrosecond)->UseRealTime()->Repetitions(9);
BENCHMARK(BM_OidQuery)->Unit(benchmark::kMicrosecond)->UseRealTime()->Repetitions(9);
BENCHMARK(BM_BareRoundTrip4096)->Unit(benchmark::kMicrosecond)->UseRealTime()->Repetitions(9);
BENCHMARK(BM_CollectFullScanList)->Unit(benchmark::kMicrosecond)->UseRealTime()->Repetitions(9);

}  // namespace

int main(int argc, char** argv) {
  netvane::bench::MedianReporter reporter(netvane::bench::MedianReporter::Clock::kReal);
  if (!netvane::bench::RunInterleaved(argc, argv, reporter)) return 1;
  const double bare4 = reporter.Median("BM_BareRoundTrip4");
  const double query = reporter.Median("BM_OidQuery");
  const double bare4096 = reporter.Median("BM_BareRoundTrip4096");
  const double collect = reporter.Median("BM_CollectFullScanList");
  if (bare4 > 0 && query > 0) {
    std::printf("\nOne OID request: %.1f us, bare round trip %.1f us, ratio %.3f (target <= 1.3)\n",
                query, bare4, query / bare4);
  }
  if (bare4096 > 0 && collect > 0 && g_collectRequests > 0) {
    const double bare = bare4096 * static_cast<double>(g_collectRequests);
    std::printf(
        "Full scan list: %.1f us in %ld requests, as many bare 4096-byte round trips %.1f us, "
        "ratio %.3f (target <= 1.3)\n",
        collect, g_collectRequests, bare, collect / bare);
  }
  return 0;
}
