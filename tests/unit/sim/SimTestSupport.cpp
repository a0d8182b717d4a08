#include "unit/sim/SimTestSupport.h"

#include <gtest/gtest.h>
#include <openssl/evp.h>

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

namespace {

ByteVec KeyRecord(uint32_t index, const ByteVec& key, bool broadcast) {
  ByteVec r(KeyRecordLength(key.size()), 0);
  WriteU32(r, 0, static_cast<uint32_t>(r.size()));
  WriteU32(r, 4, index);
  WriteU32(r, 8, static_cast<uint32_t>(key.size()));
  if (broadcast) std::fill(r.begin() + 12, r.begin() + 18, 0xFF);
  std::copy(key.begin(), key.end(), r.begin() + static_cast<long>(kKeyHeaderLength));
  return r;
}

}  // namespace

ByteVec WepKeyRecord(uint32_t slot, bool transmit, const ByteVec& key) {
  return KeyRecord(slot | (transmit ? kKeyIndexTransmit : 0), key, true);
}

ByteVec WpaKeyRecord(const ByteVec& psk) {
  return KeyRecord(kKeyIndexTransmit, psk, false);
}

ByteVec Pbkdf2Psk(const std::string& passphrase, const std::string& ssid) {
  ByteVec psk(32);
  PKCS5_PBKDF2_HMAC_SHA1(passphrase.data(), static_cast<int>(passphrase.size()),
                         reinterpret_cast<const unsigned char*>(ssid.data()),
                         static_cast<int>(ssid.size()), 4096, 32, psk.data());
  return psk;
}

void SendProfile(Adapter& a, const Profile& p) {
  const auto ok = [](const Reply& r) { EXPECT_EQ(r.status, 0U); };
  ok(Set(a, OID_802_11_DISASSOCIATE, Word(0)));
  ok(Set(a, OID_802_11_INFRASTRUCTURE_MODE, Word(p.mode)));
  ok(Set(a, OID_CV_802_11_PREAMBLE, Word(2)));
  ok(Set(a, OID_802_11_RTS_THRESHOLD, Word(2347)));
  ok(Set(a, OID_802_11_FRAGMENTATION_THRESHOLD, Word(2346)));
  ok(Set(a, OID_802_11_AUTHENTICATION_MODE, Word(p.auth)));
  ok(Set(a, OID_802_11_WEP_STATUS, Word(p.cipher)));
  ok(Set(a, OID_CV_802_11_TX_POWER_LEVEL, Word(100)));
  if (p.auth == 4 || p.auth == 5) {
    ok(Set(a, OID_CV_802_11_ADD_WPA, WpaKeyRecord(p.psk)));
  } else if (p.auth == 1 || p.cipher == 0) {
    for (uint32_t slot = 0; slot < 4; ++slot) {
      if (slot < p.wepKeys.size() && p.wepKeys[slot]) {
        ok(Set(a, OID_802_11_ADD_KEY, WepKeyRecord(slot, slot == p.txKey, *p.wepKeys[slot])));
      } else {
        ByteVec remove(16, 0);
        WriteU32(remove, 0, 16);
        WriteU32(remove, 4, slot);
        ok(Set(a, OID_802_11_REMOVE_KEY, remove));
      }
    }
  }
  if (p.mode == 0) {
    Reply config = Query(a, OID_802_11_CONFIGURATION, 32);
    WriteU32(config.out, 12, p.adhocFreq);
    ok(Set(a, OID_802_11_CONFIGURATION, config.out));
  } else {
    ok(Set(a, OID_802_11_POWER_MODE, Word(0)));
  }
  ok(p.bssid ? Set(a, OID_802_11_BSSID, *p.bssid) : Set(a, OID_802_11_SSID, SsidRecord(p.ssid)));
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
