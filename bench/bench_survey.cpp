// Times rebuilding the access point rows from a full 65536-byte scan list, and a whole WPA-PSK
// connect from the security sheet's OK to the executor returning against cv7000-sim (pass-phrase
// derivation included), each beside a bare Unix-socket round trip, then prints the ratios.
#include <benchmark/benchmark.h>

#include <array>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "BareSocket.h"
#include "CountingClient.h"
#include "MedianReporter.h"
#include "SteadyRegistry.h"
#include "crypto/MathFunc.h"
#include "state/SharedState.h"
#include "support/SimHarness.h"
#include "support/survey/SurveyRig.h"
#include "survey/AccessPointRows.h"
#include "survey/AccessPointTable.h"
#include "unit/survey/IeBuilders.h"

namespace {

using netvane::testing::Bytes8;
using netvane::testing::Concat;
using netvane::testing::Element;
using netvane::testing::WpaElement;

// One beacon as the simulator lays it out: fixed fields, SSID, rates, DS parameter set,
// extended rates and, every other entry, a WPA element.
Bytes8 ScanEntryBytes(int index) {
  const std::string ssid = "Network-" + std::to_string(index);
  const auto channel = static_cast<uint8_t>(1 + index % 11);
  Bytes8 elements = Concat({Element(0, Bytes8(ssid.begin(), ssid.end())),
                            Element(1, {0x82, 0x84, 0x8B, 0x96, 0x0C, 0x12, 0x18, 0x24}),
                            Element(3, {channel}), Element(50, {0x30, 0x48, 0x60, 0x6C})});
  if (index % 2 == 0) elements = Concat({elements, WpaElement(2, {2, 4}, {2})});
  Bytes8 entry = netvane::testing::EntryWithElements(elements);
  entry.resize((entry.size() + 3) / 4 * 4, 0);
  netvane::NDIS_WLAN_BSSID_EX fixed{};
  std::memcpy(&fixed, entry.data(), netvane::kBssidEntryFixedLength);
  fixed.Length = static_cast<uint32_t>(entry.size());
  fixed.MacAddress[4] = static_cast<uint8_t>(index >> 8);
  fixed.MacAddress[5] = static_cast<uint8_t>(index);
  fixed.Ssid.SsidLength = static_cast<uint32_t>(ssid.size());
  std::memcpy(fixed.Ssid.Ssid, ssid.data(), ssid.size());
  fixed.Privacy = index % 3 == 0 ? 0 : 1;
  fixed.Rssi = -40 - index % 50;
  fixed.Configuration.DSConfig = 2407000 + 5000U * channel;
  std::memcpy(entry.data(), &fixed, netvane::kBssidEntryFixedLength);
  return entry;
}

// As many entries as the 65536-byte list holds.
std::unique_ptr<netvane::BssidList> FullScanList() {
  Bytes8 part(4, 0);
  uint32_t count = 0;
  for (int i = 0;; ++i) {
    const Bytes8 entry = ScanEntryBytes(i);
    if (part.size() + entry.size() > netvane::kBssidListBufferLength) break;
    part.insert(part.end(), entry.begin(), entry.end());
    ++count;
  }
  std::memcpy(part.data(), &count, 4);
  auto list = std::make_unique<netvane::BssidList>();
  list->AppendPart(part);
  return list;
}

double g_rebuildEntries = 0;
long g_connectRequests = 0;

void BM_RebuildRows(benchmark::State& state) {
  const auto list = FullScanList();
  const netvane::SharedState shared;
  netvane::AccessPointTable table(shared);
  for (auto _ : state) {
    table.Replace(netvane::BuildAccessPoints(list.get()));
    benchmark::DoNotOptimize(table.RowCount());
  }
  g_rebuildEntries = static_cast<double>(list->NumberOfItems());
  state.counters["entries"] = g_rebuildEntries;
}

void BM_BareRoundTrip4(benchmark::State& state) {
  netvane::bench::BareServer server;
  std::vector<uint8_t> buffer(4);
  for (auto _ : state) netvane::bench::BareRoundTrip(server.path(), buffer);
}

void BM_PasswordHash(benchmark::State& state) {
  const std::string ssid = "CorvaneHome";
  std::array<uint8_t, 40> out{};
  for (auto _ : state) {
    netvane::crypto::PasswordHash("home sweet corvane",
                                  reinterpret_cast<const uint8_t*>(ssid.data()),
                                  static_cast<int32_t>(ssid.size()), out.data());
    benchmark::DoNotOptimize(out);
  }
}

// The sheet's OK happens inside the scripted modal run; the connect ends when the executor
// has sent the task and the page has restarted its timer.
void BM_WpaPskConnect(benchmark::State& state) {
  netvane::testing::SimHarness sim;
  sim.SetTracing(false);
  sim.Start();
  netvane::bench::SettleRegistry();
  netvane::bench::CountingClient client;
  netvane::testing::SurveyRig rig(client);
  rig.state.G_bDeviceExist = 1;
  rig.adapter.QueryBssidList();
  rig.page.RefreshAPList(nullptr);
  int home = -1;
  for (std::size_t r = 0; r < rig.apList.rows.size(); ++r) {
    if (rig.apList.rows[r].at("SSID") == "CorvaneHome") home = static_cast<int>(r);
  }
  rig.apList.selected = home;
  const auto connect = [&rig] {
    rig.sheets.Then([&rig] {
      rig.psk.text = "home sweet corvane";
      rig.wepSetting.OnOK();
    });
    rig.page.OnConnect(nullptr);
  };
  connect();
  client.calls = 0;
  connect();
  g_connectRequests = client.calls;
  for (auto _ : state) connect();
  state.counters["requests"] = static_cast<double>(g_connectRequests);
}

BENCHMARK(BM_RebuildRows)->Unit(benchmark::kMicrosecond)->UseRealTime()->Repetitions(9);
BENCHMARK(BM_BareRoundTrip4)->Unit(benchmark::kMicrosecond)->UseRealTime()->Repetitions(9);
BENCHMARK(BM_PasswordHash)->Unit(benchmark::kMicrosecond)->UseRealTime()->Repetitions(9);
BENCHMARK(BM_WpaPskConnect)->Unit(benchmark::kMicrosecond)->UseRealTime()->Repetitions(9);

}  // namespace

int main(int argc, char** argv) {
  // The executor's task lines would flood the console.
  if (std::freopen("/dev/null", "w", stderr) == nullptr) return 1;
  netvane::bench::MedianReporter reporter(netvane::bench::MedianReporter::Clock::kReal);
  if (!netvane::bench::RunInterleaved(argc, argv, reporter)) return 1;
  const double rebuild = reporter.Median("BM_RebuildRows");
  const double bare = reporter.Median("BM_BareRoundTrip4");
  const double hash = reporter.Median("BM_PasswordHash");
  const double connect = reporter.Median("BM_WpaPskConnect");
  if (rebuild > 0 && bare > 0 && g_rebuildEntries > 0) {
    const double per100 = rebuild * 100.0 / g_rebuildEntries;
    std::printf(
        "\nRow rebuild: %.1f us for %.0f entries, %.2f us per 100; bare round trip %.1f us; "
        "ratio %.3f (target well under 1)\n",
        rebuild, g_rebuildEntries, per100, bare, per100 / bare);
  }
  if (connect > 0 && bare > 0 && hash > 0 && g_connectRequests > 0) {
    const double floor = static_cast<double>(g_connectRequests) * bare + hash;
    std::printf(
        "WPA-PSK connect: %.1f us in %ld requests; %ld bare round trips + one PasswordHash "
        "(%.1f us) = %.1f us; ratio %.3f (target <= 1.3)\n",
        connect, g_connectRequests, g_connectRequests, hash, floor, connect / floor);
  }
  return 0;
}
