// Times one link status tick (the media state, then SSID, BSSID, configuration, link status
// and RSSI, and the figures) against cv7000-sim while joined, beside as many bare 36-byte
// Unix-socket round trips as the tick makes requests, then prints the ratio.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <vector>

#include "BareSocket.h"
#include "CountingClient.h"
#include "MedianReporter.h"
#include "SteadyRegistry.h"
#include "driver/CV7000Access.h"
#include "driver/Oids.h"
#include "driver/Records.h"
#include "state/SharedState.h"
#include "status/LinkStatusPageController.h"
#include "support/SimHarness.h"
#include "support/ui/FakeControls.h"
#include "support/ui/ManualTimer.h"

namespace {

long g_tickRequests = 0;

void BM_BareRoundTrip36(benchmark::State& state) {
  netvane::bench::BareServer server;
  std::vector<uint8_t> buffer(36);
  for (auto _ : state) netvane::bench::BareRoundTrip(server.path(), buffer);
}

void BM_LinkStatusTick(benchmark::State& state) {
  netvane::testing::SimHarness sim;
  sim.SetTracing(false);
  sim.Start();
  netvane::bench::SettleRegistry();
  netvane::bench::CountingClient client;
  netvane::bench::SilentAlert alert;
  netvane::SharedState shared;
  shared.G_bDeviceExist = 1;
  netvane::CV7000Access adapter(shared, client, alert, nullptr);
  // Joined to the open network, as a connect would leave the adapter.
  uint32_t returned = 0;
  uint32_t infrastructure = netvane::Ndis802_11Infrastructure;
  adapter.OidSetInformation(netvane::OID_802_11_INFRASTRUCTURE_MODE, &infrastructure, 4, &returned,
                            1);
  netvane::NDIS_802_11_SSID ssid{12, {}};
  std::memcpy(ssid.Ssid, "CorvaneGuest", 12);
  adapter.OidSetInformation(netvane::OID_802_11_SSID, &ssid, sizeof ssid, &returned, 1);

  std::array<netvane::testing::FakeTextField, 7> texts;
  netvane::testing::FakeProgressBar link, signal;
  netvane::testing::FakeToggle dBm;
  netvane::testing::FakeHistoryView history;
  netvane::testing::ManualTimer timer;
  netvane::LinkStatusPageController page(shared, adapter,
                                         {texts[0], texts[1], texts[2], texts[3], texts[4],
                                          texts[5], texts[6], link, signal, dBm, history},
                                         timer, [](const std::string&) {});
  page.awakeFromNib();
  timer.Fire();
  client.calls = 0;
  timer.Fire();
  g_tickRequests = client.calls;
  if (texts[0].text.rfind("CorvaneGuest", 0) != 0) state.SkipWithError("not joined");
  for (auto _ : state) timer.Fire();
  state.counters["requests"] = static_cast<double>(g_tickRequests);
}

BENCHMARK(BM_BareRoundTrip36)->Unit(benchmark::kMicrosecond)->UseRealTime()->Repetitions(9);
BENCHMARK(BM_LinkStatusTick)->Unit(benchmark::kMicrosecond)->UseRealTime()->Repetitions(9);

}  // namespace

int main(int argc, char** argv) {
  netvane::bench::MedianReporter reporter(netvane::bench::MedianReporter::Clock::kReal);
  if (!netvane::bench::RunInterleaved(argc, argv, reporter)) return 1;
  const double bare = reporter.Median("BM_BareRoundTrip36");
  const double tick = reporter.Median("BM_LinkStatusTick");
  if (bare > 0 && tick > 0 && g_tickRequests > 0) {
    const double floor = static_cast<double>(g_tickRequests) * bare;
    std::printf(
        "\nLink status tick: %.1f us in %ld requests; %ld bare round trips %.1f us; ratio %.3f "
        "(target <= 1.3)\n",
        tick, g_tickRequests, g_tickRequests, floor, tick / floor);
  }
  return 0;
}
