#include "core/NmState.h"

namespace netvane::nmbridge {

const AccessPointState* DeviceState::ActiveAccessPoint() const {
  if (activeAccessPoint == "/") return nullptr;
  for (const AccessPointState& ap : accessPoints) {
    if (ap.path == activeAccessPoint) return &ap;
  }
  return nullptr;
}

}  // namespace netvane::nmbridge
