// Runs of sets as the site survey sends them, and the join NetworkManager is asked for.
#include <gtest/gtest.h>

#include <regex>

#include "unit/nmbridge/BridgeFixture.h"

namespace netvane::nmbridge {
namespace {

using testing::Ap;
using testing::Bridge;
using testing::Device;
using userclient::kStatusError;
using userclient::kStatusSuccess;

driverkit::Bytes KeyRecord(uint32_t index, const driverkit::Bytes& key) {
  NDIS_802_11_KEY header{};
  header.Length = static_cast<uint32_t>(KeyRecordLength(key.size()));
  header.KeyIndex = index;
  header.KeyLength = static_cast<uint32_t>(key.size());
  driverkit::Bytes out(header.Length, 0);
  std::memcpy(out.data(), &header, kKeyHeaderLength);
  std::copy(key.begin(), key.end(), out.begin() + static_cast<long>(kKeyHeaderLength));
  return out;
}

driverkit::Bytes SsidRecord(const std::string& name) {
  NDIS_802_11_SSID s{};
  s.SsidLength = static_cast<uint32_t>(name.size());
  std::copy(name.begin(), name.end(), s.Ssid);
  return driverkit::ToBytes(s);
}

std::string Text(const driverkit::SecretText& t) {
  return {t.begin(), t.end()};
}

DeviceState WithNetworks() {
  DeviceState d = Device();
  d.accessPoints = {Ap("/ap/1", "Home", 1, 2437), Ap("/ap/2", "Home", 2, 5180),
                    Ap("/ap/3", "Caf\xC3\xA9\t", 3, 2412)};
  d.activeConnection = "/org/freedesktop/NetworkManager/ActiveConnection/7";
  return d;
}

// The run TaskExecutor sends for a WPA2-PSK network, up to the association set.
void Wpa2Run(Bridge& b, uint8_t keyByte) {
  EXPECT_EQ(b.SetU32(OID_802_11_DISASSOCIATE, 0), kStatusSuccess);
  EXPECT_EQ(b.SetU32(OID_802_11_INFRASTRUCTURE_MODE, Ndis802_11Infrastructure), kStatusSuccess);
  EXPECT_EQ(b.SetU32(OID_CV_802_11_PREAMBLE, Cv802_11PreambleAuto), kStatusSuccess);
  EXPECT_EQ(b.SetU32(OID_802_11_RTS_THRESHOLD, 2347), kStatusSuccess);
  EXPECT_EQ(b.SetU32(OID_802_11_FRAGMENTATION_THRESHOLD, 2346), kStatusSuccess);
  EXPECT_EQ(b.SetU32(OID_802_11_AUTHENTICATION_MODE, Ndis802_11AuthModeWPA2PSK), kStatusSuccess);
  EXPECT_EQ(b.SetU32(OID_802_11_WEP_STATUS, Ndis802_11Encryption3Enabled), kStatusSuccess);
  EXPECT_EQ(b.SetU32(OID_CV_802_11_TX_POWER_LEVEL, 100), kStatusSuccess);
  EXPECT_EQ(b.Set(OID_CV_802_11_ADD_WPA, KeyRecord(0, driverkit::Bytes(32, keyByte))),
            kStatusSuccess);
  EXPECT_EQ(b.SetU32(OID_802_11_POWER_MODE, Ndis802_11PowerModeCAM), kStatusSuccess);
}

TEST(Join, Wpa2RunBySsid) {
  Bridge b(WithNetworks());
  Wpa2Run(b, 0xAB);
  EXPECT_EQ(b.actions.disconnects, 1);  // an active connection was there to drop
  EXPECT_EQ(b.Set(OID_802_11_SSID, SsidRecord("Home")), kStatusSuccess);

  ASSERT_EQ(b.actions.joins.size(), 1U);
  const JoinSettings s = b.actions.joins[0];  // a copy: the second run adds to the list
  EXPECT_EQ(s.id, "Netvane Home");
  EXPECT_TRUE(std::regex_match(
      s.uuid, std::regex("[0-9a-f]{8}-[0-9a-f]{4}-4[0-9a-f]{3}-[89ab][0-9a-f]{3}-[0-9a-f]{12}")));
  EXPECT_EQ(s.permissionUser, "user:alice");
  EXPECT_EQ(s.ssid, "Home");
  EXPECT_EQ(s.mode, "infrastructure");
  EXPECT_FALSE(s.bssid);
  EXPECT_FALSE(s.hidden);
  EXPECT_EQ(s.specificObject, "/ap/1");  // the first access point of that name
  EXPECT_EQ(s.powersave, 2U);
  ASSERT_TRUE(s.security);
  EXPECT_EQ(s.security->keyMgmt, "wpa-psk");
  std::string abs;
  for (int i = 0; i < 32; ++i) abs += "ab";
  EXPECT_EQ(Text(s.security->psk), abs);  // the 32 key bytes as 64 lowercase hex digits
  EXPECT_FALSE(s.security->wep);

  // A second run gets a fresh connection.
  Wpa2Run(b, 0x01);
  EXPECT_EQ(b.Set(OID_802_11_SSID, SsidRecord("Elsewhere")), kStatusSuccess);
  ASSERT_EQ(b.actions.joins.size(), 2U);
  EXPECT_NE(b.actions.joins[1].uuid, s.uuid);
  EXPECT_TRUE(b.actions.joins[1].hidden);  // no access point has that name
  EXPECT_EQ(b.actions.joins[1].specificObject, "/");
}

TEST(Join, ByBssidNamesThatAccessPoint) {
  Bridge b(WithNetworks());
  EXPECT_EQ(b.Set(OID_802_11_BSSID, {0x02, 0x11, 0x22, 0x33, 0x44, 3}), kStatusSuccess);
  ASSERT_EQ(b.actions.joins.size(), 1U);
  const JoinSettings& s = b.actions.joins[0];
  EXPECT_EQ(s.ssid, "Caf\xC3\xA9\t");
  EXPECT_EQ(s.id, "Netvane Caf\\xC3\\xA9\\x09");
  EXPECT_EQ(s.bssid, (driverkit::Mac{0x02, 0x11, 0x22, 0x33, 0x44, 3}));
  EXPECT_EQ(s.specificObject, "/ap/3");
  EXPECT_FALSE(s.security);

  // One NetworkManager has not heard cannot be joined: the set carries no name.
  EXPECT_EQ(b.Set(OID_802_11_BSSID, {0x02, 0x11, 0x22, 0x33, 0x44, 9}), kStatusError);
  EXPECT_EQ(b.actions.joins.size(), 1U);
}

TEST(Join, WepRunWithSharedKey) {
  Bridge b(WithNetworks());
  EXPECT_EQ(b.SetU32(OID_802_11_AUTHENTICATION_MODE, Ndis802_11AuthModeShared), kStatusSuccess);
  EXPECT_EQ(b.SetU32(OID_802_11_WEP_STATUS, Ndis802_11WEPEnabled), kStatusSuccess);
  // Slot 2 first gets a key, then loses it, as a run sends a removal for every empty slot.
  EXPECT_EQ(b.Set(OID_802_11_ADD_KEY, KeyRecord(2, driverkit::Bytes(5, 0x11))), kStatusSuccess);
  EXPECT_EQ(b.Set(OID_802_11_ADD_KEY, KeyRecord(0x80000001U, driverkit::Bytes(13, 0x5A))),
            kStatusSuccess);
  NDIS_802_11_REMOVE_KEY remove{};
  remove.Length = sizeof remove;
  remove.KeyIndex = 2;
  EXPECT_EQ(b.Set(OID_802_11_REMOVE_KEY, driverkit::ToBytes(remove)), kStatusSuccess);
  EXPECT_EQ(b.Set(OID_802_11_ADD_KEY, KeyRecord(3, driverkit::Bytes(7, 0x11))), kStatusError);
  EXPECT_EQ(b.Set(OID_802_11_SSID, SsidRecord("Home")), kStatusSuccess);

  ASSERT_EQ(b.actions.joins.size(), 1U);
  const auto& sec = b.actions.joins[0].security;
  ASSERT_TRUE(sec);
  EXPECT_TRUE(sec->wep);
  EXPECT_EQ(sec->keyMgmt, "none");
  EXPECT_EQ(sec->authAlg, "shared");
  EXPECT_EQ(Text(sec->wepKeys[1]), "5a5a5a5a5a5a5a5a5a5a5a5a5a");
  EXPECT_TRUE(sec->wepKeys[2].empty());
  EXPECT_EQ(sec->wepTxKeyIdx, 1U);
}

TEST(Join, RefusedBeforeAnyCall) {
  Bridge b(WithNetworks());
  // WPA-None: the set and the association it would lead to.
  EXPECT_EQ(b.SetU32(OID_802_11_AUTHENTICATION_MODE, Ndis802_11AuthModeWPANone), kStatusError);
  EXPECT_EQ(b.Set(OID_802_11_SSID, SsidRecord("Home")), kStatusError);
  // WPA in ad hoc mode.
  EXPECT_EQ(b.SetU32(OID_802_11_AUTHENTICATION_MODE, Ndis802_11AuthModeWPAPSK), kStatusSuccess);
  EXPECT_EQ(b.Set(OID_CV_802_11_ADD_WPA, KeyRecord(0, driverkit::Bytes(32, 1))), kStatusSuccess);
  EXPECT_EQ(b.SetU32(OID_802_11_INFRASTRUCTURE_MODE, Ndis802_11IBSS), kStatusSuccess);
  EXPECT_EQ(b.Set(OID_802_11_SSID, SsidRecord("Home")), kStatusError);
  // WEP with no key.
  EXPECT_EQ(b.SetU32(OID_802_11_AUTHENTICATION_MODE, Ndis802_11AuthModeOpen), kStatusSuccess);
  EXPECT_EQ(b.SetU32(OID_802_11_WEP_STATUS, Ndis802_11WEPEnabled), kStatusSuccess);
  EXPECT_EQ(b.Set(OID_802_11_SSID, SsidRecord("Home")), kStatusError);
  EXPECT_TRUE(b.actions.joins.empty());
  EXPECT_TRUE(b.lines.empty());

  // Card settings NetworkManager cannot apply are refused; what it has already is not.
  EXPECT_EQ(b.SetU32(OID_802_11_RTS_THRESHOLD, 500), kStatusError);
  EXPECT_EQ(b.SetU32(OID_CV_802_11_PHY_MODE, PHY_11B), kStatusError);
  EXPECT_EQ(b.Set(OID_CV_802_11_STA_CONFIG, driverkit::Bytes(32, 0)), kStatusError);
  EXPECT_EQ(b.Set(OID_CV_802_11_STA_CONFIG, b.Query(OID_CV_802_11_STA_CONFIG).out), kStatusSuccess);
}

TEST(Join, PolkitRefusalSaidOnceWithoutACall) {
  Bridge b(WithNetworks());
  ManagerState m;
  m.permissions[kActionNetworkControl] = "no";
  b.snapshot.SetManager(m);
  EXPECT_EQ(b.Set(OID_802_11_SSID, SsidRecord("Home")), kStatusError);
  EXPECT_EQ(b.Set(OID_802_11_SSID, SsidRecord("Home")), kStatusError);
  EXPECT_TRUE(b.actions.joins.empty());
  EXPECT_EQ(b.lines, std::vector<std::string>{"netvane-nm-bridge: NetworkManager refused "
                                              "org.freedesktop.NetworkManager.network-control "
                                              "to this user"});

  m.permissions[kActionNetworkControl] = "yes";
  m.permissions[kActionWifiScan] = "auth";  // no agent to ask
  b.snapshot.SetManager(m);
  EXPECT_EQ(b.SetU32(OID_802_11_BSSID_LIST_SCAN, 0), kStatusError);
  EXPECT_EQ(b.actions.scans, 0);
  EXPECT_EQ(b.lines.size(), 2U);

  // Refused by the call itself: the line is not said again until a success grants the action.
  b.actions.next.outcome = ActionOutcome::kDenied;
  EXPECT_EQ(b.Set(OID_802_11_SSID, SsidRecord("Home")), kStatusError);
  EXPECT_EQ(b.lines.size(), 2U);
  b.actions.next.outcome = ActionOutcome::kDone;
  EXPECT_EQ(b.Set(OID_802_11_SSID, SsidRecord("Home")), kStatusSuccess);
  b.actions.next.outcome = ActionOutcome::kDenied;
  EXPECT_EQ(b.Set(OID_802_11_SSID, SsidRecord("Home")), kStatusError);
  EXPECT_EQ(b.lines.size(), 3U);
  EXPECT_EQ(b.lines.back(), b.lines.front());
  b.actions.next.outcome = ActionOutcome::kTimedOut;
  EXPECT_EQ(b.Set(OID_802_11_SSID, SsidRecord("Home")), kStatusError);
  EXPECT_EQ(b.lines.size(), 3U);
}

TEST(Join, DisassociateDropsThePendingKeys) {
  DeviceState d = WithNetworks();
  d.activeConnection = "/";
  Bridge b(d);
  Wpa2Run(b, 0x42);
  EXPECT_EQ(b.actions.disconnects, 0);  // nothing active to drop
  EXPECT_EQ(b.SetU32(OID_802_11_DISASSOCIATE, 0), kStatusSuccess);
  EXPECT_EQ(b.SetU32(OID_802_11_AUTHENTICATION_MODE, Ndis802_11AuthModeWPA2PSK), kStatusSuccess);
  EXPECT_EQ(b.Set(OID_802_11_SSID, SsidRecord("Home")), kStatusError);
  EXPECT_TRUE(b.actions.joins.empty());

  EXPECT_EQ(b.SetU32(OID_802_11_DISASSOCIATE, 0), kStatusSuccess);
  EXPECT_EQ(b.SetU32(OID_CV_802_11_PHY_MODE, PHY_11A), kStatusSuccess);
  EXPECT_EQ(b.Set(OID_802_11_SSID, SsidRecord("Home")), kStatusSuccess);
  ASSERT_EQ(b.actions.joins.size(), 1U);
  EXPECT_FALSE(b.actions.joins[0].security);
  EXPECT_EQ(b.actions.joins[0].band, "a");
  EXPECT_FALSE(b.actions.joins[0].powersave);
}

TEST(Join, AdhocChannelAndRadio) {
  Bridge b(WithNetworks());
  EXPECT_EQ(b.SetU32(OID_802_11_INFRASTRUCTURE_MODE, Ndis802_11IBSS), kStatusSuccess);
  NDIS_802_11_CONFIGURATION c{};
  c.Length = sizeof c;
  c.DSConfig = 5180000;  // off the 2.4 GHz plan
  EXPECT_EQ(b.Set(OID_802_11_CONFIGURATION, driverkit::ToBytes(c)), kStatusError);
  c.DSConfig = 2462000;
  EXPECT_EQ(b.Set(OID_802_11_CONFIGURATION, driverkit::ToBytes(c)), kStatusSuccess);
  EXPECT_EQ(b.Set(OID_802_11_SSID, SsidRecord("Party")), kStatusSuccess);
  ASSERT_EQ(b.actions.joins.size(), 1U);
  EXPECT_EQ(b.actions.joins[0].mode, "adhoc");
  EXPECT_EQ(b.actions.joins[0].channel, 11U);
  EXPECT_EQ(b.actions.joins[0].band, "bg");
  EXPECT_FALSE(b.actions.joins[0].hidden);

  EXPECT_EQ(b.Set(OID_CV_802_11_RADIO, {0, 1, 0, 0}), kStatusSuccess);
  EXPECT_EQ(b.Set(OID_CV_802_11_RADIO, {0, 0, 0, 0}), kStatusSuccess);
  EXPECT_EQ(b.actions.radio, (std::vector<bool>{true, false}));
  EXPECT_EQ(b.SetU32(OID_802_11_BSSID_LIST_SCAN, 0), kStatusSuccess);
  EXPECT_EQ(b.actions.scans, 1);
}

}  // namespace
}  // namespace netvane::nmbridge
