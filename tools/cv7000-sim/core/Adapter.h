// The simulated card: answers every OID of the catalogue from its state and the scenario.
// Socket-free, so tests and the fuzz target drive it directly.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <span>

#include "core/Association.h"
#include "core/Scenario.h"
#include "core/Traffic.h"
#include "driver/Records.h"
#include "driverkit/Bytes.h"
#include "driverkit/RequestHandler.h"
#include "driverkit/ScanParts.h"

namespace netvane::sim {

// Seconds since the card came up; only the scenario's hardware switch times read it.
using Clock = std::function<double()>;

class Adapter {
 public:
  // Without a clock the card stays at its start-up moment.
  explicit Adapter(Scenario scenario, Clock clock = {});
  Adapter(const Adapter&) = delete;
  Adapter& operator=(const Adapter&) = delete;
  ~Adapter() = default;

  // One structure call: a query, or a set when the selector carries the set flag.
  driverkit::Reply Handle(uint32_t selector, std::span<const uint8_t> in, uint32_t capacity);

  const Scenario& GetScenario() const { return scenario_; }
  bool RadioOn() const;
  bool HwRadioOn() const;

 private:
  driverkit::Reply Query(uint32_t oid, uint32_t capacity);
  driverkit::Reply QueryScan(uint32_t oid, uint32_t capacity);
  driverkit::Bytes QueryRecord(uint32_t oid, bool& known);
  bool Set(uint32_t oid, std::span<const uint8_t> in);
  bool SetAssociationParameter(uint32_t oid, std::span<const uint8_t> in, bool& known);
  bool SetCardParameter(uint32_t oid, std::span<const uint8_t> in, bool& known);
  void Scan();
  NDIS_802_11_CONFIGURATION CurrentConfiguration() const;
  CV_802_11_STA_CONFIG StaConfig() const;
  CV_802_11_LINK_STATUS LinkStatus() const;
  void FollowHwSwitch();
  void JoinBySsid(std::span<const uint8_t> ssid);

  Scenario scenario_;
  Clock clock_;
  bool hwRadioWasOn_ = true;
  Association association_;
  Traffic traffic_;
  driverkit::ScanParts scan_;
  uint64_t scanCount_ = 0;
  bool countersHeld_ = false;

  std::array<uint8_t, 4> radioWord_{};
  uint32_t phyMode_ = PHY_11BG_MIXED;
  // The band and rate rules of the wireless mode and the desired rates apply once the utility
  // has set them; until then the card uses every band and rate it has.
  bool phyModeSet_ = false;
  bool ratesSet_ = false;
  uint32_t preamble_ = Cv802_11PreambleAuto;
  uint32_t powerMode_ = Ndis802_11PowerModeCAM;
  uint32_t txPowerPercent_ = 100;
  uint32_t rtsThreshold_ = 2347;
  uint32_t fragThreshold_ = 2346;
  std::array<uint8_t, kRatesLength> rates_{108, 96, 72, 48, 36, 24, 18, 12};
  CV_802_11_STA_CONFIG staConfig_{};
  NDIS_802_11_CONFIGURATION configuration_{};
};

}  // namespace netvane::sim
