// Which network the card is associated with, and the settings and keys the utility has sent
// for the next association. An association is made only when the network is in range and every
// setting and key fits it; otherwise the card is left disconnected.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <span>

#include "core/Keys.h"
#include "core/Scenario.h"
#include "driverkit/Bytes.h"

namespace netvane::sim {

struct Credentials {
  uint32_t infrastructureMode = 1;  // Ndis802_11Infrastructure
  uint32_t authMode = 0;            // Ndis802_11AuthModeOpen
  uint32_t wepStatus = 1;           // Ndis802_11WEPDisabled
  std::array<driverkit::Bytes, kWepSlots> wepKeys{};
  std::optional<uint32_t> txSlot;
  std::optional<Psk> psk;
};

// Which bands the card listens on, from its wireless mode.
enum class Bands { kAll, k24GHzOnly, k5GHzOnly };

class Association {
 public:
  // `networks` must outlive this object.
  Association(const std::vector<Network>& networks, bool supports5GHz);

  Credentials& Pending() { return pending_; }
  const Credentials& Pending() const { return pending_; }

  // Both leave the card disconnected when nothing fits; true when associated.
  bool AssociateBySsid(std::span<const uint8_t> ssid, bool radioOn);
  bool AssociateByBssid(std::span<const uint8_t> bssid, bool radioOn);
  void Disconnect() { current_ = nullptr; }
  // With no ad hoc network of that name to join, the card starts one of its own on `channel`,
  // secured as the pending settings say.
  bool HearsAdhoc(std::span<const uint8_t> ssid) const;
  void StartAdhoc(std::span<const uint8_t> ssid, uint32_t channel);
  void SetBands(Bands bands) { bands_ = bands; }

  const Network* Current() const { return current_; }
  bool Started() const { return current_ != nullptr && current_ == &started_; }
  bool InRange(const Network& n) const;
  bool Fits(const Network& n);

 private:
  bool CipherFits(const Network& n) const;
  bool WepKeyFits(const Network& n) const;
  bool PskFits(const Network& n);

  const std::vector<Network>& networks_;
  bool supports5GHz_;
  Bands bands_ = Bands::kAll;
  Credentials pending_;
  Network started_;  // the ad hoc network this card started, while current_ points to it
  const Network* current_ = nullptr;
  std::map<const Network*, Psk> pskCache_;  // PBKDF2 is slow; derive each key once
};

}  // namespace netvane::sim
