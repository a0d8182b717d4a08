// The simulator's frame reader and everything a frame reaches: the input is a client's byte
// stream, served frame by frame until it runs out or turns bad, as the daemon does.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "core/Frame.h"
#include "core/ScenarioLoader.h"
#include "core/Service.h"

namespace {

// A small environment with a key given as hex, so association attempts cost no PBKDF2 rounds.
constexpr const char* kScenario = R"({
  "scan": {"max_part_bytes": 700},
  "networks": [
    {"ssid": "Open", "bssid": "02:00:00:00:00:01", "channel": 1},
    {"ssid": "Wep", "bssid": "02:00:00:00:00:02", "channel": 6, "security": "wep",
     "wep_keys": ["0102030405", "", "", ""]},
    {"ssid": "Psk", "bssid": "02:00:00:00:00:03", "channel": 36, "security": "wpa-psk",
     "group_cipher": "aes", "psk": "f42c6fc52df0ebef9ebb4b90b38a5f902e83fe1b135a70e23aed762e9710a12e"},
    {"ssid": "", "bssid": "02:00:00:00:00:04", "channel": 11, "hidden": true, "mode": "adhoc"}
  ]})";

const netvane::sim::Scenario& FuzzScenario() {
  static const netvane::sim::Scenario scenario =
      *netvane::sim::LoadScenarioText(kScenario).scenario;
  return scenario;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace netvane::sim;
  Adapter adapter(FuzzScenario());
  Service service(adapter, nullptr);
  std::span<const uint8_t> rest(data, size);
  for (;;) {
    const FrameParse p = ParseRequest(rest);
    if (p.status != FrameStatus::kComplete) break;
    const Reply reply = service.Serve(p.request);
    if (reply.out.size() > p.request.outCapacity) std::abort();
    const Bytes frame = EncodeReply(reply.status, reply.out);
    if (frame.size() != 8 + reply.out.size()) std::abort();
    rest = rest.subspan(p.frameLength);
  }
  return 0;
}
