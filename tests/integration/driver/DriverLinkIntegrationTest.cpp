// The driver link against the real simulated adapter over its socket, in a private registry: a
// bring-up whose scan comes in many parts, the simulator's rules for associating, and its
// refusal of a registry folder others may write to.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

#include "driver/CV7000Access.h"
#include "driver/Oids.h"
#include "driver/ScanList.h"
#include "platform/userclient/SocketUserClient.h"
#include "security/MathFunc.h"
#include "state/SharedState.h"
#include "support/SimHarness.h"
#include "support/ui/FakeAlert.h"

namespace netvane {
namespace {

// What a connection task sends to join one network of the simulator's built-in environment
// (docs/scenario-format.md), and whether that associates.
struct Join {
  const char* name;
  std::string ssid;
  uint32_t mode;    // 0 ad hoc, 1 infrastructure
  uint32_t auth;    // 0 open, 1 shared, 4 WPA-PSK, 5 WPA-None
  uint32_t cipher;  // 0 WEP, 1 none, 4 TKIP, 6 AES
  std::string key;  // a pass phrase (WPA), or a WEP key in hex for slot `wepSlot`
  uint32_t wepSlot;
  bool connects;
};

class DriverLinkTest : public ::testing::Test {
 protected:
  void Set(uint32_t oid, void* data, std::size_t length) {
    uint32_t count = 0;
    access.OidSetInformation(oid, data, static_cast<uint32_t>(length), &count, 3);
  }
  void Associate(const Join& j) {
    std::array<uint32_t, 4> words{0, j.mode, j.auth, j.cipher};
    Set(OID_802_11_DISASSOCIATE, &words[0], 4);
    Set(OID_802_11_INFRASTRUCTURE_MODE, &words[1], 4);
    Set(OID_802_11_AUTHENTICATION_MODE, &words[2], 4);
    Set(OID_802_11_WEP_STATUS, &words[3], 4);
    std::array<uint8_t, 40> key{};
    const bool wpa = j.auth >= Ndis802_11AuthModeWPAPSK;
    const auto length = static_cast<uint32_t>(wpa ? 32 : j.key.size() / 2);
    if (wpa) {
      PasswordHash(j.key.c_str(), reinterpret_cast<const uint8_t*>(j.ssid.data()),  // NOLINT
                   static_cast<int>(j.ssid.size()), key.data());
    } else {
      AtoH(j.key.c_str(), key.data(), static_cast<int>(length));
    }
    if (length > 0) {  // the record's length, key index and key length, then the key
      std::vector<uint8_t> record(KeyRecordLength(length), 0);
      const std::array<uint32_t, 3> head{static_cast<uint32_t>(record.size()),
                                         kKeyIndexTransmit | j.wepSlot, length};
      std::memcpy(record.data(), head.data(), sizeof head);
      std::memcpy(record.data() + kKeyHeaderLength, key.data(), length);
      Set(wpa ? OID_CV_802_11_ADD_WPA : OID_802_11_ADD_KEY, record.data(), record.size());
    }
    NDIS_802_11_SSID ssid{};
    ssid.SsidLength = static_cast<uint32_t>(j.ssid.size());
    std::memcpy(ssid.Ssid, j.ssid.data(), j.ssid.size());
    Set(OID_802_11_SSID, &ssid, sizeof ssid);
  }
  // "connected <SSID>", or the SSID the card reports alone when the media state is not connected.
  std::string Joined() {
    uint32_t media = 0xFF;
    NDIS_802_11_SSID ssid{};
    uint32_t count = 0;
    EXPECT_TRUE(access.OidQueryInformation(OID_GEN_MEDIA_CONNECT_STATUS, &media, 4, &count));
    access.OidQueryInformation(OID_802_11_SSID, &ssid, sizeof ssid, &count);
    return (media == NdisMediaStateConnected ? "connected " : "") +
           std::string(reinterpret_cast<const char*>(ssid.Ssid),  // NOLINT byte text
                       std::min<std::size_t>(ssid.SsidLength, 32));
  }

  testing::SimHarness sim;
  userclient::SocketUserClient client;
  testing::FakeAlert alert;
  SharedState state;
  CV7000Access access{state, client, alert, nullptr};
};

TEST_F(DriverLinkTest, BringUpJoinsAScanDeliveredInManyParts) {
  sim.Start(R"({"scan": {"max_part_bytes": 600}, "generate": {"count": 60, "seed": 9}})");
  EXPECT_TRUE(access.InitCard());
  EXPECT_TRUE(alert.shown.empty());
  EXPECT_EQ(state.G_bSupportAMode, 1);
  EXPECT_EQ(state.G_pBssidList->NumberOfItems(), 60U);
  const auto selector = [](const nlohmann::json& line) { return line["selector"]; };
  EXPECT_GT(std::ranges::count(sim.Trace(), "0x0d010218", selector), 10);  // parts of the list
}

TEST_F(DriverLinkTest, TheSimulatorAssociatesOnlyWithTheRightSettingsAndKeys) {
  const Join joins[] = {
      {"open", "CorvaneGuest", 1, 0, 1, "", 0, true},
      {"unknown network", "Nowhere", 1, 0, 1, "", 0, false},
      {"open with WEP on", "CorvaneGuest", 1, 0, 0, "a1b2c3d4e5", 0, false},
      {"WEP open", "CorvaneLegacy", 1, 0, 0, "a1b2c3d4e5", 0, true},
      {"WEP open, wrong key", "CorvaneLegacy", 1, 0, 0, "a1b2c3d4e6", 0, false},
      {"WEP shared", "CorvaneLab", 1, 1, 0, "0123456789abcdef0123456789", 1, true},
      {"WEP shared as open", "CorvaneLab", 1, 0, 0, "0123456789abcdef0123456789", 1, false},
      {"WEP shared, wrong key", "CorvaneLab", 1, 1, 0, "a1b2c3d4e5", 1, false},
      {"PSK TKIP", "CorvaneHome", 1, 4, 4, "home sweet corvane", 0, true},
      {"PSK TKIP, wrong pass phrase", "CorvaneHome", 1, 4, 4, "home sweet home", 0, false},
      {"PSK AES", "CorvaneOffice", 1, 4, 6, "office hours 9 to 5", 0, true},
      {"PSK AES as TKIP", "CorvaneOffice", 1, 4, 4, "office hours 9 to 5", 0, false},
      {"hidden, by its name", "CorvaneHidden", 1, 4, 6, "nobody sees me", 0, true},
      {"WPA-None", "CorvaneMesh", 0, 5, 4, "mesh together now", 0, true},
      {"WPA-None, wrong pass phrase", "CorvaneMesh", 0, 5, 4, "mesh together later", 0, false},
      {"WPA-None as infrastructure", "CorvaneMesh", 1, 5, 4, "mesh together now", 0, false},
      {"WPA-None as WPA-PSK", "CorvaneMesh", 0, 4, 4, "mesh together now", 0, false},
      {"802.1X, never", "CorvaneCorp", 1, 4, 4, "anything at all", 0, false},
  };
  sim.Start();
  for (const Join& j : joins) {
    SCOPED_TRACE(j.name);
    Associate(j);
    EXPECT_EQ(Joined(), j.connects ? "connected " + j.ssid : "");
  }
  Associate(joins[0]);
  uint32_t off = 0;
  Set(OID_CV_802_11_RADIO, &off, 4);
  EXPECT_EQ(Joined(), "") << "switching the radio off drops the association";
}

TEST_F(DriverLinkTest, TheSimulatorRefusesARegistryOthersMayWriteTo) {
  const std::string root = sim.Dir() + "/run/netvane";
  ASSERT_TRUE(mkdir(root.c_str(), 0700) == 0 && chmod(root.c_str(), 0777) == 0);
  ::testing::internal::CaptureStderr();  // the daemon writes to the same standard error
  EXPECT_THROW(sim.Start(), std::runtime_error);
  const std::string err = ::testing::internal::GetCapturedStderr();
  EXPECT_NE(err.find(root + ": others may write to it"), std::string::npos) << err;
}

}  // namespace
}  // namespace netvane
