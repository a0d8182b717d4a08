// cv7000-sim: a simulated CV7000 adapter driver serving OID requests on the service registry.
#include <sys/stat.h>

#include <cstdio>
#include <memory>

#include "Options.h"
#include "Server.h"
#include "core/ScenarioLoader.h"
#include "platform/userclient/Protocol.h"
#include "platform/userclient/Registry.h"

namespace {

constexpr int kExitUsage = 2;
constexpr int kExitFailure = 1;

}  // namespace

int main(int argc, char** argv) {
  using namespace netvane;
  std::string error;
  const auto options = sim::ParseOptions(argc, argv, error);
  if (!options) {
    std::fprintf(stderr, "cv7000-sim: %s\n%s", error.c_str(), sim::kUsage);
    return kExitUsage;
  }
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
  sim::Adapter adapter(std::move(*load.scenario));
  sim::Service service(adapter, trace.get());
  const std::string path = userclient::ServiceClassDir(userclient::kWirelessDriverClass) + "/" +
                           options->instance + ".sock";
  return sim::RunServer(
      path, service,
      {.readyFd = options->readyFd, .connectionTimeoutMs = options->connectionTimeoutMs});
}
