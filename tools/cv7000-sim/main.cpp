// cv7000-sim: a simulated CV7000 adapter driver serving OID requests on the service registry.
#include <sys/stat.h>

#include <cstdio>
#include <ctime>
#include <memory>

#include "Options.h"
#include "core/ScenarioLoader.h"
#include "core/Service.h"
#include "driverkit/DriverInfoFile.h"
#include "driverkit/Server.h"
#include "driverkit/ServiceLog.h"
#include "platform/userclient/Protocol.h"
#include "platform/userclient/Registry.h"

namespace {

constexpr int kExitUsage = 2;
constexpr int kExitFailure = 1;

timespec MonotonicNow() {
  timespec ts{};
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return ts;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace netvane;
  const sim::ParsedOptions parsed = sim::ParseOptions(argc, argv);
  if (!parsed.options) {
    std::fputs(parsed.text.c_str(), parsed.exitCode == 0 ? stdout : stderr);
    return parsed.exitCode;
  }
  const sim::Options* options = &*parsed.options;
  driverkit::SetServiceLog("cv7000-sim", options->verbose);
  sim::ScenarioLoad load = options->scenarioPath.empty()
                               ? sim::LoadScenarioText(sim::DefaultScenarioText())
                               : sim::LoadScenarioFile(options->scenarioPath);
  for (const auto& w : load.warnings) std::fprintf(stderr, "cv7000-sim: warning: %s\n", w.c_str());
  if (!load.scenario) {
    std::fprintf(stderr, "cv7000-sim: scenario error: %s\n", load.error.c_str());
    return kExitUsage;
  }
  std::unique_ptr<sim::TraceWriter> trace;
  if (!options->tracePath.empty()) {
    trace = std::make_unique<sim::TraceWriter>(
        options->tracePath, options->traceKeys ? sim::KeyBytes::kShown : sim::KeyBytes::kMasked);
    if (!trace->Ok()) {
      std::fprintf(stderr, "cv7000-sim: cannot open trace file %s\n", options->tracePath.c_str());
      return kExitFailure;
    }
  }
  // A registry folder another user made or may write is refused, never repaired: it could
  // already hold their socket.
  if (const auto registry = userclient::EnsureServiceClassDir(userclient::kWirelessDriverClass);
      !registry.ok) {
    std::fprintf(stderr, "cv7000-sim: cannot use the registry folder %s: %s\n",
                 registry.path.c_str(), registry.reason.c_str());
    return kExitFailure;
  }
  const std::string dir = userclient::ServiceClassDir(userclient::kWirelessDriverClass);
  const sim::Card& card = load.scenario->card;
  // The loader has checked the date.
  const auto date = driverkit::ParseDate(card.driverDate).value_or(driverkit::Date{1970, 1, 1});
  if (std::string reason; !driverkit::WriteDriverInfo(dir, card.driverVersion, date, reason)) {
    std::fprintf(stderr, "cv7000-sim: cannot write %s\n", reason.c_str());
    return kExitFailure;
  }
  const timespec started = MonotonicNow();
  sim::Adapter adapter(std::move(*load.scenario), [started] {
    const timespec now = MonotonicNow();
    return static_cast<double>(now.tv_sec - started.tv_sec) +
           static_cast<double>(now.tv_nsec - started.tv_nsec) / 1e9;
  });
  sim::Service service(adapter, trace.get());
  const int code = driverkit::RunServer(
      dir + "/" + options->instance + ".sock", service,
      {.readyFd = options->readyFd, .connectionTimeoutMs = options->connectionTimeoutMs});
  // After the socket is gone, so the last instance to leave takes the file with it.
  driverkit::RemoveDriverInfo(dir);
  return code;
}
