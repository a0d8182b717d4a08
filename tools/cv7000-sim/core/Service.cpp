#include "core/Service.h"

#include <algorithm>

#include "driver/Oids.h"
#include "platform/userclient/Protocol.h"

namespace netvane::sim {
namespace {

bool Matches(uint32_t entry, uint32_t selector) {
  return entry == selector || entry == (selector & ~kOidSetFlag);
}

}  // namespace

bool Service::Rejected(uint32_t selector) const {
  const auto& list = adapter_.GetScenario().faults.rejectSelectors;
  return std::any_of(list.begin(), list.end(),
                     [selector](uint32_t e) { return Matches(e, selector); });
}

uint32_t Service::DelayMs(const driverkit::Request& request) const {
  if (request.kind != userclient::kKindStructure) return 0;
  for (const auto& [entry, ms] : adapter_.GetScenario().faults.delayMs) {
    if (Matches(entry, request.selector)) return ms;
  }
  return 0;
}

driverkit::Reply Service::Handle(const driverkit::Request& request) {
  if (request.kind == userclient::kKindScalar) {
    if (trace_ != nullptr) trace_->ScalarCall(request.selector, userclient::kStatusSuccess);
    return driverkit::Reply{};
  }
  driverkit::Reply reply;
  if (Rejected(request.selector)) {
    reply.status = userclient::kStatusError;
  } else {
    reply = adapter_.Handle(request.selector, request.in, request.outCapacity);
  }
  if (reply.out.size() > request.outCapacity) reply.out.resize(request.outCapacity);
  if (trace_ != nullptr) {
    trace_->StructCall(request.selector, request.in, request.outCapacity, reply.status, reply.out);
  }
  return reply;
}

}  // namespace netvane::sim
