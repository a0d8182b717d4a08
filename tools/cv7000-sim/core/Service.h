// What the daemon does with one request frame: fault injection, the adapter's answer, the trace.
#pragma once

#include <cstdint>

#include "core/Adapter.h"
#include "core/Trace.h"
#include "driverkit/Frame.h"
#include "driverkit/RequestHandler.h"

namespace netvane::sim {

class Service : public driverkit::RequestHandler {
 public:
  // `trace` may be null.
  Service(Adapter& adapter, TraceWriter* trace) : adapter_(adapter), trace_(trace) {}

  driverkit::Reply Handle(const driverkit::Request& request) override;
  // How long the scenario wants this request held before it is answered.
  uint32_t DelayMs(const driverkit::Request& request) const override;

 private:
  bool Rejected(uint32_t selector) const;

  Adapter& adapter_;
  TraceWriter* trace_;
};

}  // namespace netvane::sim
