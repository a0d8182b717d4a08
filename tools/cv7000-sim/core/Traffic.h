// Simulated traffic behind the link status, RSSI and frame counters. It advances one step per
// driver request, never with the clock, so a seed and a request sequence always give the same
// figures.
#pragma once

#include <cstdint>
#include <span>

#include "core/Prng.h"
#include "core/Scenario.h"
#include "driver/Records.h"

namespace netvane::sim {

class Traffic {
 public:
  // The counters start from `seeds` (a counter reset still brings them to zero).
  Traffic(uint64_t seed, const CounterSeeds& seeds);

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

enum class RateLimit { kNone, k11bOnly, k11aOnly };

// Rate (500 kbit/s units) and quality (0-100) of a link at this signal level.
CV_802_11_LINK_STATUS LinkStatusFor(int32_t rssi, RateLimit limit, uint32_t txBytes,
                                    uint32_t rxBytes);

// The rate actually used when the utility has asked for `desired` (zero slots empty, the
// basic-rate bit ignored): the highest desired rate the signal allows, else the lowest desired.
uint32_t ApplyDesiredRates(uint32_t signalRate, std::span<const uint8_t> desired);

}  // namespace netvane::sim
