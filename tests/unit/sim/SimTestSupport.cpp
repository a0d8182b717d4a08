#include "unit/sim/SimTestSupport.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "driver/Oids.h"
#include "driver/Records.h"

namespace netvane::sim::testing {

ByteVec Word(uint32_t v) {
  return ToBytes(v);
}

uint32_t WordAt(const ByteVec& b, std::size_t offset) {
  return ReadU32(b, offset);
}

Scenario MustLoad(const std::string& json) {
  ScenarioLoad load = LoadScenarioText(json);
  if (!load.scenario) throw std::runtime_error(load.error);
  return *load.scenario;
}

Reply Query(Adapter& a, uint32_t oid, uint32_t capacity) {
  const ByteVec zeros(capacity, 0);
  return a.Handle(oid, zeros, capacity);
}

Reply Set(Adapter& a, uint32_t oid, const ByteVec& payload) {
  return a.Handle(SetForm(oid), payload, 0);
}

ByteVec SsidRecord(const std::string& ssid) {
  ByteVec r = Word(static_cast<uint32_t>(ssid.size()));
  r.insert(r.end(), ssid.begin(), ssid.end());
  r.resize(sizeof(NDIS_802_11_SSID), 0);
  return r;
}

void JoinOpen(Adapter& a, const std::string& ssid) {
  const auto ok = [](const Reply& r) { EXPECT_EQ(r.status, 0U); };
  ok(Set(a, OID_802_11_INFRASTRUCTURE_MODE, Word(Ndis802_11Infrastructure)));
  ok(Set(a, OID_802_11_AUTHENTICATION_MODE, Word(Ndis802_11AuthModeOpen)));
  ok(Set(a, OID_802_11_WEP_STATUS, Word(Ndis802_11WEPDisabled)));
  ok(Set(a, OID_802_11_SSID, SsidRecord(ssid)));
}

bool Connected(Adapter& a) {
  return Query(a, OID_GEN_MEDIA_CONNECT_STATUS, 4).out == Word(NdisMediaStateConnected);
}

std::vector<ByteVec> EntriesOf(const ByteVec& part) {
  std::vector<ByteVec> entries;
  std::size_t at = 4;
  for (uint32_t i = 0; i < WordAt(part, 0); ++i) {
    const uint32_t length = WordAt(part, at);
    if (length == 0 || at + length > part.size()) break;
    entries.emplace_back(part.begin() + static_cast<long>(at),
                         part.begin() + static_cast<long>(at + length));
    at += length;
  }
  return entries;
}

}  // namespace netvane::sim::testing
