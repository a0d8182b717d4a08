// Times one OID request through CV7000Access against netvane-nm-bridge (answering for the
// NetworkManager double) beside the same request against cv7000-sim, then prints the ratio:
// the bridge answers from its snapshot, so NetworkManager's speed must not show.
#include <benchmark/benchmark.h>

#include <cstdio>

#include "CountingClient.h"
#include "MedianReporter.h"
#include "SteadyRegistry.h"
#include "driver/CV7000Access.h"
#include "driver/Oids.h"
#include "driver/Records.h"
#include "platform/userclient/SocketUserClient.h"
#include "state/SharedState.h"
#include "support/SimHarness.h"
#include "support/nm/NmBridgeHarness.h"
#include "support/nm/NmDouble.h"

namespace {

using netvane::bench::SilentAlert;

// Media state (0) or link status (1): the two requests of every status tick.
void Requests(benchmark::State& state, int which) {
  netvane::userclient::SocketUserClient client;
  SilentAlert alert;
  netvane::SharedState shared;
  netvane::CV7000Access access(shared, client, alert, nullptr);
  uint32_t mediaState = 0;
  netvane::CV_802_11_LINK_STATUS link{};
  const uint32_t oid =
      which == 0 ? netvane::OID_GEN_MEDIA_CONNECT_STATUS : netvane::OID_CV_802_11_QUERY_LINK_STATUS;
  void* buffer = which == 0 ? static_cast<void*>(&mediaState) : &link;
  const uint32_t length = which == 0 ? sizeof mediaState : sizeof link;
  for (auto _ : state) {
    uint32_t count = 0;
    benchmark::DoNotOptimize(access.OidQueryInformation(oid, buffer, length, &count));
  }
}

void Simulator(benchmark::State& state, int which) {
  netvane::testing::SimHarness sim;
  sim.SetTracing(false);
  sim.Start();
  netvane::bench::SettleRegistry();
  Requests(state, which);
}

void Bridge(benchmark::State& state, int which) {
  netvane::testing::NmDouble nm;
  const std::string device = nm.AddDevice("wlp2s0", "02:00:5E:10:00:01");
  nm.AddAccessPoint(device, "home",
                    {{"ssid", netvane::testing::SsidBytes("CorvaneHome")},
                     {"bssid", "02:C0:7A:00:00:04"},
                     {"frequency", 2437},
                     {"strength", 80},
                     {"rsn_flags", 0x188}});
  netvane::testing::NmBridgeHarness bridge(nm);
  bridge.Start();
  netvane::bench::SettleRegistry();
  Requests(state, which);
  bridge.Stop();
}

void BM_SimulatorMediaState(benchmark::State& state) {
  Simulator(state, 0);
}
void BM_BridgeMediaState(benchmark::State& state) {
  Bridge(state, 0);
}
void BM_SimulatorLinkStatus(benchmark::State& state) {
  Simulator(state, 1);
}
void BM_BridgeLinkStatus(benchmark::State& state) {
  Bridge(state, 1);
}

BENCHMARK(BM_SimulatorMediaState)->Unit(benchmark::kMicrosecond)->UseRealTime()->Repetitions(9);
BENCHMARK(BM_BridgeMediaState)->Unit(benchmark::kMicrosecond)->UseRealTime()->Repetitions(9);
BENCHMARK(BM_SimulatorLinkStatus)->Unit(benchmark::kMicrosecond)->UseRealTime()->Repetitions(9);
BENCHMARK(BM_BridgeLinkStatus)->Unit(benchmark::kMicrosecond)->UseRealTime()->Repetitions(9);

}  // namespace

int main(int argc, char** argv) {
  netvane::bench::MedianReporter reporter(netvane::bench::MedianReporter::Clock::kReal);
  if (!netvane::bench::RunInterleaved(argc, argv, reporter)) return 1;
  for (const char* request : {"MediaState", "LinkStatus"}) {
    const double sim = reporter.Median(std::string("BM_Simulator") + request);
    const double bridge = reporter.Median(std::string("BM_Bridge") + request);
    if (sim > 0 && bridge > 0) {
      std::printf("\n%s: bridge %.1f us, simulator %.1f us, ratio %.3f (target <= 1.5)\n", request,
                  bridge, sim, bridge / sim);
    }
  }
  return 0;
}
