// Simulated traffic behind the link status, RSSI and frame counters. It advances one step per
// driver request, never with the clock, so a seed and a request sequence always give the same
// figures.
#pragma once

#include <cstdint>

#include "core/Prng.h"
#include "driver/Records.h"

namespace netvane::sim {

class Traffic {
 public:
  explicit Traffic(uint64_t seed) : prng_(seed) {}

  // One step of traffic on the current link (nothing moves while disconnected).
  void Step(bool connected);
  void ResetCounters();

  const NDIS_802_11_STATISTICS& Statistics() const { return stats_; }
  uint32_t ReceivedOk() const { return rcvOk_; }
  uint32_t ReceivedNoBuffer() const { return rcvNoBuffer_; }
  uint32_t TxBytes() const { return txBytes_; }
  uint32_t RxBytes() const { return rxBytes_; }
  // The signal wanders a few dB around the network's level.
  int32_t Rssi(int32_t base) const { return base + jitter_; }

 private:
  Prng prng_;
  NDIS_802_11_STATISTICS stats_{sizeof(NDIS_802_11_STATISTICS), 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  uint32_t rcvOk_ = 0;
  uint32_t rcvNoBuffer_ = 0;
  uint32_t txBytes_ = 0;  // since start-up, wrapping; not cleared by a counter reset
  uint32_t rxBytes_ = 0;
  int32_t jitter_ = 0;
};

// Rate (500 kbit/s units) and quality (0-100) of a link at this signal level.
CV_802_11_LINK_STATUS LinkStatusFor(int32_t rssi, bool bOnly, uint32_t txBytes, uint32_t rxBytes);

}  // namespace netvane::sim
