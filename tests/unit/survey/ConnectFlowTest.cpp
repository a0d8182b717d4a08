// Connecting from the site survey page: which prompts open, what the connection record holds
// as the executor sends it, and when nothing is queued at all.
#include <gtest/gtest.h>

#include <cstring>

#include "SurveyPageFixture.h"
#include "security/MathFunc.h"

namespace netvane {
namespace {

using testing::Bytes8;
using testing::InstallScanList;
using testing::Network;
using testing::Wpa;

uint32_t U32(const std::vector<uint8_t>& bytes, std::size_t at = 0) {
  uint32_t v = 0;
  std::memcpy(&v, bytes.data() + at, 4);
  return v;
}

std::array<uint8_t, 32> Psk(const std::string& phrase, const std::string& ssid) {
  std::array<uint8_t, 40> out{};
  PasswordHash(phrase.c_str(), reinterpret_cast<const uint8_t*>(ssid.data()),  // NOLINT
               static_cast<int32_t>(ssid.size()), out.data());
  std::array<uint8_t, 32> psk{};
  std::copy_n(out.begin(), 32, psk.begin());
  return psk;
}

class ConnectFlowTest : public testing::SurveyPageFixture {
 protected:
  ConnectFlowTest() {
    InstallScanList({
        {"CorvaneGuest", 1},
        {"CorvaneLegacy", 2, 1},
        {"CorvaneHome", 4, 1, Ndis802_11Infrastructure, 2422000, -55, Wpa(2, 2)},
        {"CorvaneOffice", 5, 1, Ndis802_11Infrastructure, 2452000, -66, Wpa(4, 2)},
        {"CorvaneCorp", 6, 1, Ndis802_11Infrastructure, 2472000, -74, Wpa(2, 1)},
        {"", 7, 1, Ndis802_11Infrastructure, 2427000, -68, Wpa(2, 2)},
        {"CorvanePeer", 8, 0, Ndis802_11IBSS, 2457000, -80},
        {"CorvaneMesh", 9, 1, Ndis802_11IBSS, 2442000, -77, Wpa(2, 2)},
    });
    page.RefreshAPList(nullptr);
  }
  void Connect(int row) {
    apList.selected = row;
    page.OnConnect(nullptr);
  }
  uint32_t Sent(uint32_t oid) const {
    const auto sets = SetsOf(oid);
    EXPECT_EQ(sets.size(), 1U) << std::hex << oid;
    return sets.empty() ? 0xFFFFFFFF : U32(sets[0].in);
  }
  // The association request, last of every connect.
  testing::FakeCall Association() const {
    const auto sets = Sets();
    return sets.empty() ? testing::FakeCall{} : sets.back();
  }
  // Plays the user on the security sheet: `fill` types, then OK.
  void OnSheet(const std::function<void()>& fill) {
    sheets.Then([this, fill] {
      fill();
      wepSetting.OnOK();
    });
  }
  bool NothingQueued() const {
    return Sets().empty() && queue.IsEmpty() && profiles.log.empty() && timer.stops == 0;
  }
};

TEST_F(ConnectFlowTest, OpenInfrastructureNeedsNoSheetAndAssociatesByBssid) {
  G_bCheckedProfileConnect = 1;
  Connect(0);
  EXPECT_TRUE(sheets.shown.empty());
  EXPECT_EQ(Sent(OID_802_11_DISASSOCIATE), 0U);
  EXPECT_EQ(Sent(OID_802_11_INFRASTRUCTURE_MODE), 1U);
  EXPECT_EQ(Sent(OID_CV_802_11_PREAMBLE), 2U);
  EXPECT_EQ(Sent(OID_802_11_RTS_THRESHOLD), 2347U);
  EXPECT_EQ(Sent(OID_802_11_FRAGMENTATION_THRESHOLD), 0U);
  EXPECT_EQ(Sent(OID_802_11_AUTHENTICATION_MODE), 0U);
  EXPECT_EQ(Sent(OID_802_11_WEP_STATUS), 1U);
  EXPECT_EQ(Sent(OID_CV_802_11_TX_POWER_LEVEL), 100U);
  EXPECT_EQ(Sent(OID_802_11_POWER_MODE), 0U);
  EXPECT_TRUE(SetsOf(OID_802_11_ADD_KEY).empty());
  EXPECT_EQ(Association().selector, SetForm(OID_802_11_BSSID));
  EXPECT_EQ(Association().in, (Bytes8{0x02, 0xC0, 0x7A, 0x00, 0x00, 0x01}));
  EXPECT_TRUE(page.AssociatedByBssid());
  EXPECT_FALSE(page.AssociatedBySsid());

  // The timer is stopped around the task and running again; the active profile stands down.
  EXPECT_EQ(timer.stops, 1);
  EXPECT_TRUE(timer.IsRunning());
  EXPECT_TRUE(queue.IsEmpty());
  EXPECT_EQ(G_bCheckedProfileConnect, 0);
  EXPECT_EQ(profiles.log, std::vector<std::string>{"DisabledActivateProfile"});

  // A double click is the same action.
  ForgetCalls();
  apList.DoubleClick(0);
  EXPECT_EQ(Association().selector, SetForm(OID_802_11_BSSID));
}

TEST_F(ConnectFlowTest, AdHocAssociatesBySsidAndKeepsTheDriversChannel) {
  Connect(6);
  EXPECT_TRUE(sheets.shown.empty());
  EXPECT_EQ(Sent(OID_802_11_INFRASTRUCTURE_MODE), 0U);
  const auto config = SetsOf(OID_802_11_CONFIGURATION);
  ASSERT_EQ(config.size(), 1U);
  EXPECT_EQ(U32(config[0].in, offsetof(NDIS_802_11_CONFIGURATION, DSConfig)), 0U);
  const auto ssid = Association();
  EXPECT_EQ(ssid.selector, SetForm(OID_802_11_SSID));
  EXPECT_EQ(U32(ssid.in), 11U);
  EXPECT_EQ(std::string(ssid.in.begin() + 4, ssid.in.begin() + 15), "CorvanePeer");
  EXPECT_TRUE(page.AssociatedBySsid());
}

TEST_F(ConnectFlowTest, WepKeyTwoOfThirteenBytesAsTransmitKey) {
  OnSheet([this] {
    EXPECT_EQ(authen.SelectedIndex(), kAuthOpenSystem);
    EXPECT_EQ(encry.SelectedIndex(), kEncryWep);
    keyTypes[1].SelectIndex(kKeyTypeAscii);
    keyTexts[1].text = "thirteen char";
    radios[1].SetState(true);
  });
  Connect(1);
  EXPECT_EQ(sheets.shown, std::vector<std::string>{"SecuritySheet"});
  EXPECT_EQ(Sent(OID_802_11_AUTHENTICATION_MODE), 0U);
  EXPECT_EQ(Sent(OID_802_11_WEP_STATUS), 0U);
  const auto added = SetsOf(OID_802_11_ADD_KEY);
  ASSERT_EQ(added.size(), 1U);
  ASSERT_EQ(added[0].in.size(), 52U);
  EXPECT_EQ(U32(added[0].in, offsetof(NDIS_802_11_KEY, KeyIndex)), 0x80000001U);
  EXPECT_EQ(std::string(added[0].in.begin() + kKeyHeaderLength,
                        added[0].in.begin() + kKeyHeaderLength + 13),
            "thirteen char");
  std::vector<uint32_t> removed;
  for (const auto& c : SetsOf(OID_802_11_REMOVE_KEY)) {
    removed.push_back(U32(c.in, offsetof(NDIS_802_11_REMOVE_KEY, KeyIndex)));
  }
  EXPECT_EQ(removed, (std::vector<uint32_t>{0, 2, 3}));
  EXPECT_EQ(Association().selector, SetForm(OID_802_11_BSSID));
}

TEST_F(ConnectFlowTest, WpaPreSharedKeyFromAPassPhraseOrSixtyFourHexDigits) {
  const std::string phrase = "twenty characters!!!";
  OnSheet([this, phrase] {
    EXPECT_EQ(authen.SelectedIndex(), kAuthWpaPsk);
    EXPECT_EQ(encry.SelectedIndex(), kEncryTkip) << "group cipher TKIP";
    EXPECT_TRUE(psk.IsEnabled());
    psk.text = phrase;
  });
  Connect(2);
  EXPECT_EQ(Sent(OID_802_11_AUTHENTICATION_MODE), uint32_t{Ndis802_11AuthModeWPAPSK});
  EXPECT_EQ(Sent(OID_802_11_WEP_STATUS), uint32_t{Ndis802_11Encryption2Enabled});
  auto keys = SetsOf(OID_CV_802_11_ADD_WPA);
  ASSERT_EQ(keys.size(), 1U);
  ASSERT_EQ(keys[0].in.size(), 71U);
  EXPECT_EQ(U32(keys[0].in, offsetof(NDIS_802_11_KEY, KeyIndex)), 0x80000000U);
  const auto psk32 = Psk(phrase, "CorvaneHome");
  EXPECT_TRUE(std::equal(psk32.begin(), psk32.end(), keys[0].in.begin() + kKeyHeaderLength));

  // 64 hexadecimal digits are the key itself; AES as group cipher opens with AES.
  const std::string hex = "00112233445566778899aAbBcCdDeEfF0f1e2d3c4b5a69788796a5b4c3d2e1f0";
  ForgetCalls();
  OnSheet([this, hex] {
    EXPECT_EQ(encry.SelectedIndex(), kEncryAes);
    psk.text = hex;
  });
  Connect(3);
  EXPECT_EQ(Sent(OID_802_11_WEP_STATUS), uint32_t{Ndis802_11Encryption3Enabled});
  keys = SetsOf(OID_CV_802_11_ADD_WPA);
  ASSERT_EQ(keys.size(), 1U);
  for (std::size_t i = 0; i < 32; ++i) {
    const auto expected = static_cast<uint8_t>((BtoH(hex[2 * i]) << 4) | BtoH(hex[2 * i + 1]));
    EXPECT_EQ(keys[0].in[kKeyHeaderLength + i], expected) << i;
  }
}

TEST_F(ConnectFlowTest, WpaNoneAdHocAssociatesBySsid) {
  OnSheet([this] { psk.text = "mesh together now"; });
  Connect(7);
  EXPECT_EQ(Sent(OID_802_11_AUTHENTICATION_MODE), uint32_t{Ndis802_11AuthModeWPANone});
  EXPECT_EQ(Association().selector, SetForm(OID_802_11_SSID));
  const auto key = SetsOf(OID_CV_802_11_ADD_WPA).at(0).in;
  const auto expected = Psk("mesh together now", "CorvaneMesh");
  EXPECT_TRUE(std::equal(expected.begin(), expected.end(), key.begin() + kKeyHeaderLength));
}

TEST_F(ConnectFlowTest, HiddenNetworkAsksForItsNameAndUsesItAsSaltAndSsid) {
  sheets.Answer(ui::kModalCancel);
  Connect(5);
  EXPECT_EQ(sheets.shown, std::vector<std::string>{"HiddenSSIDPrompt"});
  EXPECT_TRUE(NothingQueued());

  sheets.Then([this] {
    hiddenText.text = "abc";
    hiddenSSID.OnOK();
  });
  OnSheet([this] { psk.text = "nobody sees me"; });
  Connect(5);
  EXPECT_EQ(sheets.shown,
            (std::vector<std::string>{"HiddenSSIDPrompt", "HiddenSSIDPrompt", "SecuritySheet"}));
  const auto ssid = Association();
  EXPECT_EQ(ssid.selector, SetForm(OID_802_11_SSID));
  EXPECT_EQ(U32(ssid.in), 3U);
  EXPECT_EQ(std::string(ssid.in.begin() + 4, ssid.in.begin() + 7), "abc");
  const auto key = SetsOf(OID_CV_802_11_ADD_WPA).at(0).in;
  const auto expected = Psk("nobody sees me", "abc");
  EXPECT_TRUE(std::equal(expected.begin(), expected.end(), key.begin() + kKeyHeaderLength));
}

TEST_F(ConnectFlowTest, NothingIsQueuedWithoutAConnectableSelection) {
  // 802.1X: silently not connected from this page.
  Connect(4);
  EXPECT_TRUE(sheets.shown.empty());
  EXPECT_TRUE(alert.shown.empty());
  EXPECT_TRUE(NothingQueued());

  // Cancel on the security sheet.
  sheets.Answer(ui::kModalCancel);
  Connect(2);
  EXPECT_EQ(sheets.shown.size(), 1U);
  EXPECT_TRUE(NothingQueued());

  // No row: the alert, and the scan flags are cleared all the same.
  G_bBssidListScan = 1;
  G_bRescan = 1;
  Connect(-1);
  ASSERT_EQ(alert.shown.size(), 1U);
  EXPECT_EQ(alert.shown[0].message, "No seleted item");
  EXPECT_EQ(alert.shown[0].informativeText, "Please select an item to connect to.");
  EXPECT_EQ(G_bBssidListScan, 0);
  EXPECT_EQ(G_bRescan, 0);
  page.OnAddProfile(nullptr);
  EXPECT_EQ(alert.shown.size(), 2U);

  // A row the list no longer holds (fetched anew since the rows were built): nothing at all.
  InstallScanList({{"Only", 1}});
  Connect(3);
  page.OnAddProfile(nullptr);
  EXPECT_EQ(alert.shown.size(), 2U);
  EXPECT_TRUE(profiles.added.empty());
  EXPECT_EQ(sheets.shown.size(), 1U);
  EXPECT_TRUE(NothingQueued());
}

}  // namespace
}  // namespace netvane
