// What the daemon does with one request frame: fault injection, the adapter's answer, the trace.
#pragma once

#include <cstdint>

#include "core/Adapter.h"
#include "core/Frame.h"
#include "core/Trace.h"

namespace netvane::sim {

class Service {
 public:
  // `trace` may be null.
  Service(Adapter& adapter, TraceWriter* trace) : adapter_(adapter), trace_(trace) {}

  Reply Serve(const Request& request);
  // How long the scenario wants this request held before it is answered.
  uint32_t DelayMs(const Request& request) const;

 private:
  bool Rejected(uint32_t selector) const;

  Adapter& adapter_;
  TraceWriter* trace_;
};

}  // namespace netvane::sim
