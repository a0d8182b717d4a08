// Requests against the simulator core as the utility builds them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/Adapter.h"
#include "core/ScenarioLoader.h"

namespace netvane::sim::testing {

using ByteVec = std::vector<uint8_t>;

ByteVec Word(uint32_t v);
uint32_t WordAt(const ByteVec& b, std::size_t offset);

Scenario MustLoad(const std::string& json);

Reply Query(Adapter& a, uint32_t oid, uint32_t capacity);
Reply Set(Adapter& a, uint32_t oid, const ByteVec& payload);

ByteVec SsidRecord(const std::string& ssid);
ByteVec WepKeyRecord(uint32_t slot, bool transmit, const ByteVec& key);
ByteVec WpaKeyRecord(const ByteVec& psk);
// The reference PSK, from libcrypto.
ByteVec Pbkdf2Psk(const std::string& passphrase, const std::string& ssid);

// What a connection task sends, in the executor's order.
struct Profile {
  std::string ssid{};
  std::optional<ByteVec> bssid{};  // associate by BSSID instead
  uint32_t mode = 1;
  uint32_t auth = 0;
  uint32_t cipher = 1;
  std::vector<std::optional<ByteVec>> wepKeys{};  // up to 4
  uint32_t txKey = 0;
  ByteVec psk{};
  uint32_t adhocFreq = 0;
};
void SendProfile(Adapter& a, const Profile& p);
bool Connected(Adapter& a);

// Entries of one scan-list part, split by their Length (assumes a well-formed part).
std::vector<ByteVec> EntriesOf(const ByteVec& part);

}  // namespace netvane::sim::testing
