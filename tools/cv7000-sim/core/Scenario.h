// The simulated radio environment and card, as loaded from a scenario file.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "driverkit/ScanNetwork.h"

namespace netvane::sim {

using driverkit::Cipher;
using driverkit::Mac;
using driverkit::Security;

enum class MalformedScan { kNone, kZeroLength, kShortEntry, kOverlongEntry, kCountTooLarge };

using Psk = std::array<uint8_t, 32>;

// A network of the simulated air: what the scan reports, and the keys an association checks.
struct Network : driverkit::ScanNetwork {
  std::string passphrase;
  std::optional<Psk> psk;  // given directly instead of a pass phrase
  bool wepShared = false;
  std::array<std::vector<uint8_t>, 4> wepKeys{};
  uint32_t wepTxKey = 0;
};

struct Card {
  Mac mac{0x02, 0x1a, 0x2b, 0x3c, 0x4d, 0x5e};
  uint8_t eepromMajor = 2;
  uint8_t eepromMinor = 5;
  bool eepromError = false;
  bool supports5GHz = true;
  bool hwRadio = true;
  std::string driverVersion = "1.2.0";
  std::string driverDate = "2005-03-14";  // checked "YYYY-MM-DD"
  std::optional<uint32_t> fixedTxRate;    // 500 kbit/s units, pinned while associated
  // Seconds after start at which the hardware switch flips; the later event that has passed wins.
  std::optional<uint32_t> hwRadioOffAt;
  std::optional<uint32_t> hwRadioOnAt;
};

// Starting values of the counters, so pages can be shown figures beyond 32 bits or about to wrap.
struct CounterSeeds {
  std::array<uint64_t, 12> statistics{};  // in NDIS_802_11_STATISTICS order, after Length
  uint32_t receivedOk = 0;
  uint32_t receivedNoBuffer = 0;
  uint32_t txBytes = 0;
  uint32_t rxBytes = 0;
};

struct Faults {
  // A selector matches an entry equal to it, or equal to it without the set flag.
  std::vector<uint32_t> rejectSelectors;
  std::map<uint32_t, uint32_t> delayMs;
  MalformedScan malformedScan = MalformedScan::kNone;
};

constexpr uint32_t kDefaultPartBytes = 4096;

struct Scenario {
  uint64_t seed = 1;
  Card card;
  uint32_t maxPartBytes = kDefaultPartBytes;
  bool radio = true;
  std::vector<Network> networks;
  CounterSeeds counters;
  Faults faults;
};

}  // namespace netvane::sim
