// The driver link against the real simulated adapter over its socket, in a private registry.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <array>
#include <cstring>
#include <stdexcept>
#include <string>

#include "driver/CV7000Access.h"
#include "driver/Oids.h"
#include "driver/ScanList.h"
#include "fake_driver/RecordingAlert.h"
#include "platform/userclient/SocketUserClient.h"
#include "security/MathFunc.h"
#include "state/SharedState.h"
#include "support/SimHarness.h"

namespace netvane {
namespace {

const char* const kCard5 = R"({"seed": 3,
  "card": {"mac": "02:1a:2b:3c:4d:5e", "eeprom_version": [2, 5], "eeprom_error": false,
           "supports_5ghz": true, "hw_radio": true, "driver_version": "1.2.0"},
  "scan": {"max_part_bytes": 4096},
  "networks": [
    {"ssid": "Plain", "bssid": "00:11:22:33:44:01", "channel": 1, "rssi": -50,
     "mode": "infrastructure", "security": "open"},
    {"ssid": "OldOpen", "bssid": "00:11:22:33:44:02", "channel": 6, "rssi": -60,
     "mode": "infrastructure", "security": "wep", "wep_auth": "open",
     "wep_keys": ["", "0102030405", "", ""], "wep_tx_key": 1},
    {"ssid": "OldShared", "bssid": "00:11:22:33:44:03", "channel": 11, "rssi": -70,
     "mode": "infrastructure", "security": "wep", "wep_auth": "shared",
     "wep_keys": ["000102030405060708090a0b0c", "", "", ""], "wep_tx_key": 0},
    {"ssid": "Office", "bssid": "00:11:22:33:44:04", "channel": 6, "rssi": -55,
     "mode": "infrastructure", "security": "wpa-psk", "group_cipher": "tkip",
     "pairwise": ["tkip"], "passphrase": "correct horse"},
    {"ssid": "Tower", "bssid": "00:11:22:33:44:05", "channel": 36, "rssi": -65,
     "mode": "infrastructure", "security": "wpa-psk", "group_cipher": "aes",
     "pairwise": ["aes"], "passphrase": "battery staple"},
    {"ssid": "Mesh", "bssid": "02:11:22:33:44:06", "channel": 7, "rssi": -75,
     "mode": "adhoc", "security": "wpa-none", "group_cipher": "tkip",
     "pairwise": ["tkip"], "passphrase": "meshmeshmesh"},
    {"ssid": "Corp", "bssid": "00:11:22:33:44:07", "channel": 3, "rssi": -58,
     "mode": "infrastructure", "security": "wpa-eap", "group_cipher": "tkip",
     "pairwise": ["tkip"]},
    {"ssid": "Secret", "bssid": "00:11:22:33:44:08", "channel": 4, "rssi": -62,
     "mode": "infrastructure", "hidden": true, "security": "open"}]})";

// What a connection task sends, in its order, for the tests of the daemon's key checks.
struct Join {
  uint32_t mode = Ndis802_11Infrastructure;
  uint32_t auth = Ndis802_11AuthModeOpen;
  uint32_t cipher = Ndis802_11WEPDisabled;
  int wepSlot = -1;
  std::vector<uint8_t> wepKey;
  std::vector<uint8_t> psk;
  std::string ssid;
};

class DriverLinkTest : public ::testing::Test {
 protected:
  void Set(uint32_t oid, void* data, uint32_t length) {
    uint32_t count = 0;
    access.OidSetInformation(oid, data, length, &count, 3);
  }
  void Set32(uint32_t oid, uint32_t value) { Set(oid, &value, 4); }

  void SetKey(uint32_t oid, uint32_t keyIndex, const std::vector<uint8_t>& key, uint8_t bssid) {
    std::vector<uint8_t> rec(KeyRecordLength(key.size()), 0);
    NDIS_802_11_KEY head{};
    head.Length = static_cast<uint32_t>(rec.size());
    head.KeyIndex = keyIndex;
    head.KeyLength = static_cast<uint32_t>(key.size());
    std::memset(head.BSSID, bssid, sizeof head.BSSID);
    std::memcpy(rec.data(), &head, kKeyHeaderLength);
    std::memcpy(rec.data() + kKeyHeaderLength, key.data(), key.size());
    Set(oid, rec.data(), static_cast<uint32_t>(rec.size()));
  }

  // What a connection task sends, in its order.
  void Associate(const Join& j) {
    uint32_t zero = 0;
    Set(OID_802_11_DISASSOCIATE, &zero, 4);
    Set32(OID_802_11_INFRASTRUCTURE_MODE, j.mode);
    Set32(OID_802_11_AUTHENTICATION_MODE, j.auth);
    Set32(OID_802_11_WEP_STATUS, j.cipher);
    if (j.wepSlot >= 0) {
      SetKey(OID_802_11_ADD_KEY, kKeyIndexTransmit | static_cast<uint32_t>(j.wepSlot), j.wepKey,
             0xFF);
    }
    if (!j.psk.empty()) SetKey(OID_CV_802_11_ADD_WPA, kKeyIndexTransmit, j.psk, 0);
    NDIS_802_11_SSID ssid{};
    ssid.SsidLength = static_cast<uint32_t>(j.ssid.size());
    std::memcpy(ssid.Ssid, j.ssid.data(), j.ssid.size());
    Set(OID_802_11_SSID, &ssid, sizeof ssid);
  }

  bool Connected() {
    uint32_t media = 0xFF;
    uint32_t count = 0;
    EXPECT_TRUE(access.OidQueryInformation(OID_GEN_MEDIA_CONNECT_STATUS, &media, 4, &count));
    return media == NdisMediaStateConnected;
  }

  std::string AssociatedSsid() {
    NDIS_802_11_SSID ssid{};
    uint32_t count = 0;
    access.OidQueryInformation(OID_802_11_SSID, &ssid, sizeof ssid, &count);
    return {reinterpret_cast<const char*>(ssid.Ssid),  // NOLINT byte text
            std::min<std::size_t>(ssid.SsidLength, 32)};
  }

  testing::SimHarness sim;
  userclient::SocketUserClient client;
  testing::RecordingAlert alert;
  SharedState state;
  std::vector<unsigned> slept;
  CV7000Access access{state, client, alert, [this](unsigned s) { slept.push_back(s); }};
};

TEST_F(DriverLinkTest, BringUpOfA5GHzCardScansEveryVisibleNetwork) {
  sim.Start(kCard5);
  EXPECT_TRUE(access.InitCard());
  EXPECT_EQ(state.G_bSupportAMode, 1);
  EXPECT_TRUE(alert.shown.empty());
  EXPECT_EQ(slept, std::vector<unsigned>{2});
  ASSERT_NE(state.G_pBssidList, nullptr);
  const auto view = state.G_pBssidList->View();
  EXPECT_EQ(view.Count(), 8U);
  EXPECT_EQ(state.G_pBssidList->NumberOfItems(), 8U);
  // The hidden network is listed without its name.
  std::size_t hidden = 0;
  for (const auto& e : view.Entries()) hidden += e.fields.Ssid.SsidLength == 0 ? 1U : 0U;
  EXPECT_EQ(hidden, 1U);
  EXPECT_FALSE(access.HoldsHandles());
  EXPECT_EQ(client.LiveHandles(), 0U);

  // The trace shows the bring-up requests in order.
  std::vector<std::string> selectors;
  for (const auto& line : sim.Trace()) {
    if (line["call"] == "struct") selectors.push_back(line["selector"]);
  }
  ASSERT_GE(selectors.size(), 5U);
  EXPECT_EQ(selectors[0], "0x0d710111");
  EXPECT_EQ(selectors[1], "0x0d010203");
  EXPECT_EQ(selectors[2], "0x0d81011a");
  EXPECT_EQ(selectors[3], "0x0d010217");
  EXPECT_EQ(selectors.back(), "0x0d010218");
}

TEST_F(DriverLinkTest, A24GHzCardLeavesThe5GHzFlagAlone) {
  sim.Start(R"({"card": {"supports_5ghz": false}, "networks": []})");
  EXPECT_TRUE(access.InitCard());
  EXPECT_EQ(state.G_bSupportAMode, 0);
  EXPECT_EQ(state.G_pBssidList->NumberOfItems(), 0U);
}

TEST_F(DriverLinkTest, AnEepromErrorCardGetsTheAlertAndNoScan) {
  sim.Start(R"({"card": {"eeprom_error": true}})");
  EXPECT_FALSE(access.InitCard());
  ASSERT_EQ(alert.shown.size(), 1U);
  EXPECT_EQ(alert.shown[0].first, "EEPRON error!!");
  EXPECT_TRUE(slept.empty());
  for (const auto& line : sim.Trace()) EXPECT_NE(line["selector"], "0x0d81011a");
}

TEST_F(DriverLinkTest, ARemovedAdapterFailsEveryRequestAtOnce) {
  sim.Start(kCard5);
  uint32_t media = 0;
  uint32_t count = 77;
  EXPECT_TRUE(access.OidQueryInformation(OID_GEN_MEDIA_CONNECT_STATUS, &media, 4, &count));
  sim.Stop();
  count = 77;
  EXPECT_FALSE(access.OidQueryInformation(OID_GEN_MEDIA_CONNECT_STATUS, &media, 4, &count));
  EXPECT_EQ(count, 77U);
  EXPECT_FALSE(access.OidSetInformation(OID_802_11_SSID, &media, 4, &count, 3));
  EXPECT_FALSE(access.HoldsHandles());
  // Re-insertion: the next request finds it again.
  sim.Start(kCard5);
  EXPECT_TRUE(access.OidQueryInformation(OID_GEN_MEDIA_CONNECT_STATUS, &media, 4, &count));
}

TEST_F(DriverLinkTest, ALongScanArrivesInManyPartsAndJoinsWhole) {
  sim.Start(R"({"scan": {"max_part_bytes": 600}, "generate": {"count": 60, "seed": 9}})");
  access.QueryBssidList();
  const auto view = state.G_pBssidList->View();
  EXPECT_GE(view.Count(), 60U);
  EXPECT_EQ(state.G_pBssidList->NumberOfItems(), view.Count());
  std::size_t parts = 0;
  for (const auto& line : sim.Trace()) parts += line["selector"] == "0x0d010218" ? 1U : 0U;
  EXPECT_GT(parts, 10U);
}

struct JoinCase {
  const char* name;
  Join join;
  bool connects;
};

void PrintTo(const JoinCase& c, std::ostream* os) {
  *os << c.name;
}

class AssociationTest : public DriverLinkTest, public ::testing::WithParamInterface<JoinCase> {};

TEST_P(AssociationTest, AssociatesOnlyWithTheRightKeys) {
  sim.Start(kCard5);
  access.RescanBssidList();
  Associate(GetParam().join);
  EXPECT_EQ(Connected(), GetParam().connects);
  EXPECT_EQ(AssociatedSsid(), GetParam().connects ? GetParam().join.ssid : "");
}

Join Open(const std::string& ssid) {
  Join j;
  j.ssid = ssid;
  return j;
}
Join Wep(const std::string& ssid, uint32_t auth, int slot, std::vector<uint8_t> key) {
  Join j;
  j.ssid = ssid;
  j.auth = auth;
  j.cipher = Ndis802_11WEPEnabled;
  j.wepSlot = slot;
  j.wepKey = std::move(key);
  return j;
}
Join Wpa(const std::string& ssid, uint32_t auth, uint32_t cipher, const std::string& pass,
         uint32_t mode = Ndis802_11Infrastructure) {
  Join j;
  j.ssid = ssid;
  j.auth = auth;
  j.cipher = cipher;
  j.mode = mode;
  std::array<uint8_t, 40> out{};
  PasswordHash(pass.c_str(), reinterpret_cast<const std::uint8_t*>(ssid.data()),  // NOLINT
               static_cast<int>(ssid.size()), out.data());
  j.psk.assign(out.begin(), out.begin() + 32);
  return j;
}

const std::vector<uint8_t> kWep40{1, 2, 3, 4, 5};
const std::vector<uint8_t> kWep104{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};

INSTANTIATE_TEST_SUITE_P(
    Keys, AssociationTest,
    ::testing::Values(
        JoinCase{"Open", Open("Plain"), true},
        JoinCase{"OpenUnknownNetwork", Open("Nowhere"), false},
        JoinCase{"OpenWithWrongCipher", Wep("Plain", 0, 0, kWep40), false},
        JoinCase{"HiddenByItsName", Open("Secret"), true},
        JoinCase{"WepOpenRight", Wep("OldOpen", 0, 1, kWep40), true},
        JoinCase{"WepOpenWrongKey", Wep("OldOpen", 0, 1, {1, 2, 3, 4, 6}), false},
        JoinCase{"WepSharedRight", Wep("OldShared", 1, 0, kWep104), true},
        JoinCase{"WepSharedAsOpen", Wep("OldShared", 0, 0, kWep104), false},
        JoinCase{"WepSharedWrongKey", Wep("OldShared", 1, 0, kWep40), false},
        JoinCase{"PskTkipRight", Wpa("Office", 4, 4, "correct horse"), true},
        JoinCase{"PskTkipWrong", Wpa("Office", 4, 4, "correct horses"), false},
        JoinCase{"PskAesRight", Wpa("Tower", 4, 6, "battery staple"), true},
        JoinCase{"PskAesWrong", Wpa("Tower", 4, 6, "battery stable"), false},
        JoinCase{"PskAesAsTkip", Wpa("Tower", 4, 4, "battery staple"), false},
        JoinCase{"WpaNoneRight", Wpa("Mesh", 5, 4, "meshmeshmesh", Ndis802_11IBSS), true},
        JoinCase{"WpaNoneWrong", Wpa("Mesh", 5, 4, "meshmeshmess", Ndis802_11IBSS), false},
        JoinCase{"WpaNoneAsInfrastructure", Wpa("Mesh", 5, 4, "meshmeshmesh"), false},
        JoinCase{"EapNever", Wpa("Corp", 4, 4, "anything at all"), false}),
    [](const auto& param) { return std::string(param.param.name); });

TEST_F(DriverLinkTest, TheSimulatorRefusesARegistryOthersMayWriteTo) {
  const std::string root = sim.Dir() + "/run/netvane";
  ASSERT_EQ(mkdir(root.c_str(), 0700) | chmod(root.c_str(), 0777), 0);
  ::testing::internal::CaptureStderr();  // the daemon writes to the same standard error
  EXPECT_THROW(sim.Start(kCard5), std::runtime_error);
  const std::string err = ::testing::internal::GetCapturedStderr();
  EXPECT_NE(err.find(root + ": others may write to it"), std::string::npos) << err;
  struct stat st {};
  ASSERT_EQ(stat(root.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0777U);  // refused, not repaired
}

TEST_F(DriverLinkTest, RadioOffDropsTheAssociation) {
  sim.Start(kCard5);
  Associate(Open("Plain"));
  ASSERT_TRUE(Connected());
  std::array<uint8_t, 4> off{};
  Set(OID_CV_802_11_RADIO, off.data(), 4);
  EXPECT_FALSE(Connected());
}

}  // namespace
}  // namespace netvane
