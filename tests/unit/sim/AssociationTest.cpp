// Associations with right and wrong settings and keys of every kind the utility sends.
#include <gtest/gtest.h>

#include "core/Hex.h"
#include "driver/Oids.h"
#include "unit/sim/SimTestSupport.h"

namespace netvane::sim::testing {
namespace {

ByteVec Hex(const std::string& text) {
  return *FromHex(text);
}

class AssociationTest : public ::testing::Test {
 protected:
  Adapter adapter_{DefaultScenario()};

  bool Try(const Profile& p) {
    SendProfile(adapter_, p);
    return Connected(adapter_);
  }
};

TEST_F(AssociationTest, OpenNetworkNeedsOpenAuthenticationAndNoCipher) {
  EXPECT_TRUE(Try({.ssid = "CorvaneGuest"}));
  EXPECT_EQ(Query(adapter_, OID_802_11_SSID, 36).out, SsidRecord("CorvaneGuest"));
  EXPECT_EQ(Query(adapter_, OID_802_11_BSSID, 6).out, Hex("02c07a000001"));
  EXPECT_EQ(WordAt(Query(adapter_, OID_802_11_CONFIGURATION, 32).out, 12), 2412000U);

  EXPECT_FALSE(Try({.ssid = "CorvaneGuest", .cipher = 0, .wepKeys = {Hex("a1b2c3d4e5")}}));
  EXPECT_FALSE(Try({.ssid = "CorvaneGuest", .mode = 0}));
  EXPECT_FALSE(Try({.ssid = "NoSuchNetwork"}));
}

TEST_F(AssociationTest, WepOpenSystemChecksTheTransmitKey) {
  EXPECT_TRUE(Try({.ssid = "CorvaneLegacy", .cipher = 0, .wepKeys = {Hex("a1b2c3d4e5")}}));
  EXPECT_FALSE(Try({.ssid = "CorvaneLegacy", .cipher = 0, .wepKeys = {Hex("a1b2c3d4e6")}}));
  EXPECT_FALSE(
      Try({.ssid = "CorvaneLegacy", .auth = 1, .cipher = 0, .wepKeys = {Hex("a1b2c3d4e5")}}));
  EXPECT_FALSE(Try({.ssid = "CorvaneLegacy"}));  // no cipher at all
  // The right key in a slot that is not the transmit key does not count.
  EXPECT_FALSE(Try({.ssid = "CorvaneLegacy",
                    .cipher = 0,
                    .wepKeys = {Hex("a1b2c3d4e5"), Hex("0000000000")},
                    .txKey = 1}));
}

TEST_F(AssociationTest, WepSharedKeyNeedsSharedAuthenticationAndItsSlot) {
  const ByteVec key = Hex("0123456789abcdef0123456789");
  EXPECT_TRUE(Try(
      {.ssid = "CorvaneLab", .auth = 1, .cipher = 0, .wepKeys = {std::nullopt, key}, .txKey = 1}));
  EXPECT_FALSE(Try(
      {.ssid = "CorvaneLab", .auth = 0, .cipher = 0, .wepKeys = {std::nullopt, key}, .txKey = 1}));
  ByteVec wrong = key;
  wrong[12] ^= 1U;
  EXPECT_FALSE(Try({.ssid = "CorvaneLab",
                    .auth = 1,
                    .cipher = 0,
                    .wepKeys = {std::nullopt, wrong},
                    .txKey = 1}));
}

TEST_F(AssociationTest, WpaPskChecksCipherAndKey) {
  const ByteVec home = Pbkdf2Psk("home sweet corvane", "CorvaneHome");
  EXPECT_TRUE(Try({.ssid = "CorvaneHome", .auth = 4, .cipher = 4, .psk = home}));
  EXPECT_FALSE(
      Try({.ssid = "CorvaneHome", .auth = 4, .cipher = 6, .psk = home}));  // AES not offered
  EXPECT_FALSE(Try({.ssid = "CorvaneHome",
                    .auth = 4,
                    .cipher = 4,
                    .psk = Pbkdf2Psk("home sweet corvanE", "CorvaneHome")}));
  EXPECT_FALSE(Try({.ssid = "CorvaneHome", .auth = 5, .cipher = 4, .psk = home}));

  const ByteVec office = Pbkdf2Psk("office hours 9 to 5", "CorvaneOffice");
  EXPECT_TRUE(Try({.ssid = "CorvaneOffice", .auth = 4, .cipher = 6, .psk = office}));
  EXPECT_FALSE(Try({.ssid = "CorvaneOffice", .auth = 4, .cipher = 4, .psk = office}));
}

TEST_F(AssociationTest, PskMatchesThePublishedPbkdf2TestVector) {
  Adapter a(MustLoad(R"({"networks": [{"ssid": "IEEE", "bssid": "02:00:00:00:00:01",
      "security": "wpa-psk", "passphrase": "password"},
      {"ssid": "Given", "bssid": "02:00:00:00:00:02", "security": "wpa-psk", "group_cipher": "aes",
       "psk": "f42c6fc52df0ebef9ebb4b90b38a5f902e83fe1b135a70e23aed762e9710a12e"}]})"));
  const ByteVec vector = Hex("f42c6fc52df0ebef9ebb4b90b38a5f902e83fe1b135a70e23aed762e9710a12e");
  SendProfile(a, {.ssid = "IEEE", .auth = 4, .cipher = 4, .psk = vector});
  EXPECT_TRUE(Connected(a));
  SendProfile(a, {.ssid = "Given", .auth = 4, .cipher = 6, .psk = vector});
  EXPECT_TRUE(Connected(a));
}

TEST_F(AssociationTest, WpaNoneIsForAdhocOnly) {
  const ByteVec mesh = Pbkdf2Psk("mesh together now", "CorvaneMesh");
  EXPECT_TRUE(Try({.ssid = "CorvaneMesh",
                   .mode = 0,
                   .auth = 5,
                   .cipher = 4,
                   .psk = mesh,
                   .adhocFreq = 2442000}));
  EXPECT_EQ(WordAt(Query(adapter_, OID_802_11_CONFIGURATION, 32).out, 12), 2442000U);
  EXPECT_FALSE(Try({.ssid = "CorvaneMesh", .mode = 1, .auth = 5, .cipher = 4, .psk = mesh}));
  EXPECT_FALSE(Try({.ssid = "CorvaneMesh", .mode = 0, .auth = 4, .cipher = 4, .psk = mesh}));
  EXPECT_TRUE(Try({.ssid = "CorvanePeer", .mode = 0}));
}

TEST_F(AssociationTest, WpaEnterpriseNeverAssociates) {
  for (const uint32_t auth : {3U, 4U}) {
    EXPECT_FALSE(Try({.ssid = "CorvaneCorp",
                      .auth = auth,
                      .cipher = 4,
                      .psk = Pbkdf2Psk("anything at all", "CorvaneCorp")}));
  }
}

TEST_F(AssociationTest, HiddenNetworkIsReachedByItsRealNameOrBssid) {
  const ByteVec psk = Pbkdf2Psk("nobody sees me", "CorvaneHidden");
  EXPECT_TRUE(Try({.ssid = "CorvaneHidden", .auth = 4, .cipher = 6, .psk = psk}));
  EXPECT_TRUE(Try({.bssid = Hex("02c07a000007"), .auth = 4, .cipher = 4, .psk = psk}));
  EXPECT_EQ(Query(adapter_, OID_802_11_SSID, 36).out, SsidRecord("CorvaneHidden"));
  EXPECT_FALSE(Try({.ssid = "", .auth = 4, .cipher = 4, .psk = psk}));
}

TEST_F(AssociationTest, DisassociationAndRadioOffLeaveTheCardDisconnected) {
  ASSERT_TRUE(Try({.ssid = "CorvaneGuest"}));
  EXPECT_EQ(Set(adapter_, OID_802_11_DISASSOCIATE, Word(0)).status, 0U);
  EXPECT_FALSE(Connected(adapter_));
  EXPECT_EQ(Query(adapter_, OID_802_11_BSSID, 6).out, ByteVec(6, 0));
  EXPECT_EQ(WordAt(Query(adapter_, OID_802_11_SSID, 36).out, 0), 0U);

  ASSERT_TRUE(Try({.ssid = "CorvaneGuest"}));
  EXPECT_EQ(Set(adapter_, OID_CV_802_11_RADIO, ByteVec{0, 0, 0, 0}).status, 0U);
  EXPECT_FALSE(Connected(adapter_));
  EXPECT_FALSE(Try({.ssid = "CorvaneGuest"}));
  EXPECT_EQ(Set(adapter_, OID_CV_802_11_RADIO, ByteVec{0, 0, 0, 1}).status,
            0U);  // any nonzero word
  EXPECT_TRUE(Try({.ssid = "CorvaneGuest"}));
}

TEST_F(AssociationTest, FiveGigahertzNetworkNeedsACapableCard) {
  const ByteVec psk = Pbkdf2Psk("five gigahertz fast", "Corvane5G");
  EXPECT_TRUE(Try({.ssid = "Corvane5G", .auth = 4, .cipher = 6, .psk = psk}));
  EXPECT_EQ(WordAt(Query(adapter_, OID_802_11_CONFIGURATION, 32).out, 12), 5180000U);

  Scenario noA = DefaultScenario();
  noA.card.supports5GHz = false;
  Adapter card(std::move(noA));
  SendProfile(card, {.ssid = "Corvane5G", .auth = 4, .cipher = 6, .psk = psk});
  EXPECT_FALSE(Connected(card));
}

TEST_F(AssociationTest, MalformedKeyRecordsAreRefused) {
  ByteVec record = WepKeyRecord(0, true, Hex("a1b2c3d4e5"));
  ByteVec longer = record;
  WriteU32(longer, 0, static_cast<uint32_t>(record.size() + 1));  // Length past the payload
  EXPECT_NE(Set(adapter_, OID_802_11_ADD_KEY, longer).status, 0U);
  ByteVec badSlot = WepKeyRecord(4, true, Hex("a1b2c3d4e5"));
  EXPECT_NE(Set(adapter_, OID_802_11_ADD_KEY, badSlot).status, 0U);
  EXPECT_NE(Set(adapter_, OID_802_11_ADD_KEY, WepKeyRecord(0, true, Hex("a1b2c3d4"))).status, 0U);
  EXPECT_NE(Set(adapter_, OID_802_11_ADD_KEY, ByteVec(20, 0)).status, 0U);
  EXPECT_NE(Set(adapter_, OID_CV_802_11_ADD_WPA, WpaKeyRecord(ByteVec(16, 1))).status, 0U);
  EXPECT_NE(Set(adapter_, OID_802_11_SSID, Word(40)).status, 0U);
}

}  // namespace
}  // namespace netvane::sim::testing
