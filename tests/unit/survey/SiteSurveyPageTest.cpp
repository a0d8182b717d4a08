// The site survey page over the fake driver registry: the access point list, a profile started
// from a row, connecting through the prompts (the requests with their values
// and key blocks byte by byte, nothing secret on standard error, nothing sent without a
// connectable selection). The simulator judges the same connects in the integration tests.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <functional>

#include "IeBuilders.h"
#include "driver/Oids.h"
#include "driver/ScanList.h"
#include "fake_driver/FakeUserClient.h"
#include "support/LogRecorder.h"
#include "support/survey/ScanListBuilder.h"
#include "support/survey/SurveyRig.h"

namespace netvane {
namespace {

using namespace testing;  // NOLINT(google-build-using-namespace) the builders and the rig

using Request = std::pair<uint32_t, Bytes8>;  // a structure call: selector, payload

// An NDIS_802_11_KEY as the driver reads it: Length, KeyIndex, KeyLength, BSSID, padding and
// KeyRSC, the key, eleven trailing zero bytes.
Bytes8 KeyBlock(uint32_t index, uint8_t bssidByte, const Bytes8& key) {
  const auto length = static_cast<uint32_t>(key.size());
  return Concat({Bytes(length + 39), Bytes(index), Bytes(length), Bytes8(6, bssidByte),
                 Bytes8(10, 0), key, Bytes8(11, 0)});
}

// Holds the fake registry so that it is there before the rig that uses it.
struct FakeDriverHolder {
  FakeUserClient driver;
};

class SiteSurveyPageTest : public ::testing::Test, protected FakeDriverHolder, public SurveyRig {
 protected:
  // Every kind of row; "Stray" is off the channel plan, "CorvaneFar" an ad hoc network on 5 GHz.
  SiteSurveyPageTest() : SurveyRig(driver) {
    state.G_bDeviceExist = 1;
    state.__DEBUG__ = 1;
    InstallScanList(
        state,
        {{"CorvaneGuest", 1},
         {"CorvanePeer", 8, 0, Ndis802_11IBSS, 2457000},
         {"CorvaneLegacy", 2, 1, Ndis802_11Infrastructure, 2437000, -62},
         {"IEEE", 4, 1, Ndis802_11Infrastructure, 2422000, -55, WpaElement(2, {2}, {2})},
         {"", 7},
         {"CorvaneCorp", 6, 1, Ndis802_11Infrastructure, 2472000, -74, WpaElement(2, {2}, {1})},
         {"CorvaneMesh", 9, 1, Ndis802_11IBSS, 2442000, -77, WpaElement(4, {4}, {2})},
         {"Odd", 10, 0, 3, 5180000, -95},
         {"Stray", 11, 0, Ndis802_11Infrastructure, 2400000},
         {"CorvaneFar", 12, 0, Ndis802_11IBSS, 5825000}});
    During([this] { page.RefreshAPList(nullptr); });
  }

  static Request Set(uint32_t oid, Bytes8 in) { return {SetForm(oid), std::move(in)}; }
  static Request Set(uint32_t oid, uint32_t value) { return Set(oid, Bytes(value)); }
  static Bytes8 Text(const std::string& s) { return {s.begin(), s.end()}; }
  // What a connect to the infrastructure network 02-C0-7A-00-00-tag sends, with its keys.
  static std::vector<Request> Joining(uint32_t auth, uint32_t wep, const std::vector<Request>& keys,
                                      uint8_t tag) {
    std::vector<Request> r{Set(OID_802_11_DISASSOCIATE, 0U),
                           Set(OID_802_11_INFRASTRUCTURE_MODE, 1U),
                           Set(OID_CV_802_11_PREAMBLE, 2U),
                           Set(OID_802_11_RTS_THRESHOLD, 2347U),
                           Set(OID_802_11_FRAGMENTATION_THRESHOLD, 0U),
                           Set(OID_802_11_AUTHENTICATION_MODE, auth),
                           Set(OID_802_11_WEP_STATUS, wep),
                           Set(OID_CV_802_11_TX_POWER_LEVEL, 100U)};
    r.insert(r.end(), keys.begin(), keys.end());
    r.push_back(Set(OID_802_11_POWER_MODE, 0U));
    r.push_back(Set(OID_802_11_BSSID, {0x02, 0xC0, 0x7A, 0x00, 0x00, tag}));
    return r;
  }

  // The requests `act` makes; its log lines (the debug lines are on) into `err`.
  std::vector<Request> During(const std::function<void()>& act) {
    const auto before = static_cast<std::ptrdiff_t>(driver.StructCalls().size());
    testing::LogRecorder log(true);
    act();
    err = log.Text();
    std::vector<Request> sent;
    for (const FakeCall& c : driver.StructCalls()) sent.emplace_back(c.selector, c.in);
    return {sent.begin() + before, sent.end()};
  }
  std::vector<Request> Connect(int row) {
    apList.selected = row;
    return During([this] { page.OnConnect(nullptr); });
  }
  // A row's cells as shown, separated by "|", the mark first.
  std::string Shown(std::size_t row) const {
    std::string shown;
    for (const auto& c : apList.columns) shown += (c == "PI" ? "" : "|") + apList.rows[row].at(c);
    return shown;
  }
  // No spelling of the key's first bytes in standard error: raw, or hexadecimal in either case
  // with or without spaces.
  static void ExpectNoKeyIn(std::string err, const Bytes8& key) {
    EXPECT_NE(err.find("CV7000Access"), std::string::npos) << "the debug lines are on";
    EXPECT_EQ(err.find(std::string(key.begin(), key.begin() + 5)), std::string::npos);
    char hex[11];
    std::snprintf(hex, sizeof hex, "%02x%02x%02x%02x%02x", key[0], key[1], key[2], key[3], key[4]);
    std::erase(err, ' ');
    for (char& c : err) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    EXPECT_EQ(err.find(hex), std::string::npos) << hex;
  }

  std::string err;  // log lines of the last During
};

TEST_F(SiteSurveyPageTest, EachKindOfNetworkAsARowAndAsANewProfile) {
  ASSERT_EQ(apList.rows.size(), 10U);
  EXPECT_EQ(Shown(2), "|CorvaneLegacy|02-C0-7A-00-00-02|70|6|Unknow|WEP|Infrastructure");
  EXPECT_EQ(Shown(3), "|IEEE|02-C0-7A-00-00-04|89|3|WPA-PSK|TKIP|Infrastructure");
  EXPECT_EQ(Shown(6), "|CorvaneMesh|02-C0-7A-00-00-09|31|7|WPA-NONE|AES-CCMP|Ad Hoc");
  EXPECT_EQ(Shown(7), "|Odd|02-C0-7A-00-00-0A|0|36|Unknow|Not Use|Unknown");
  // Off the channel plan: the frequency itself.
  EXPECT_EQ(Shown(8), "|Stray|02-C0-7A-00-00-0B|100|2400 MHz|Unknow|Not Use|Infrastructure");
  EXPECT_EQ(Shown(9), "|CorvaneFar|02-C0-7A-00-00-0C|100|165|Unknow|Not Use|Ad Hoc");

  // Networks as new profiles; the editor does not open when the profile page declines one.
  During([this] {
    for (const int row : {2, 3, 8, 6}) {
      apList.selected = row;
      page.OnAddProfile(nullptr);
    }
  });
  EXPECT_EQ(profiles.log.back(), "RefreshProfileList");
  profiles.acceptAdd = false;
  page.OnAddProfile(nullptr);
  ASSERT_EQ(profiles.added.size(), 5U);
  const std::array<uint8_t, 6> mac{0x02, 0xC0, 0x7A, 0x00, 0x00, 0x02};
  EXPECT_EQ(profiles.added[0], (ScannedNetwork{"CorvaneLegacy", mac, Ndis802_11WEPEnabled,
                                               Ndis802_11AuthModeOpen, 1, 6}));
  EXPECT_EQ(profiles.added[2].channel, 0) << "off the plan: no channel";
  EXPECT_EQ(sheets.shown, std::vector<std::string>(4, "ProfileEditor"));
  EXPECT_TRUE(driver.calls.empty());

  state.G_pBssidList.reset();
  page.RefreshAPList(nullptr);
  EXPECT_TRUE(apList.rows.empty());
}

TEST_F(SiteSurveyPageTest, AnAdHocJoinWritesItsChannelOrNoConfigurationAtAll) {
  // Ad hoc: the driver's configuration goes back as read, on the network's channel (10).
  NDIS_802_11_CONFIGURATION current{32, 100, 7, 2412000, {16, 1, 3, 4}};
  driver.Answer(OID_802_11_CONFIGURATION, Bytes(current));
  current.DSConfig = 2457000;
  const std::vector<Request> adHocTail{
      {OID_802_11_CONFIGURATION, Bytes8(32, 0)},
      Set(OID_802_11_CONFIGURATION, Bytes(current)),
      Set(OID_802_11_SSID, Concat({Bytes(11U), Text("CorvanePeer"), Bytes8(21, 0)}))};
  const auto adHoc = Connect(1);
  ASSERT_EQ(adHoc.size(), 11U);
  EXPECT_EQ(adHoc[1], Set(OID_802_11_INFRASTRUCTURE_MODE, 0U));
  EXPECT_EQ(std::vector<Request>(adHoc.begin() + 8, adHoc.end()), adHocTail);

  // On a channel ad hoc may not use, the configuration is neither read nor written; the join
  // goes on by SSID.
  const auto far = Connect(9);
  ASSERT_EQ(far.size(), 9U);
  for (const Request& r : far) {
    EXPECT_NE(r.first, OID_802_11_CONFIGURATION);
    EXPECT_NE(r.first, SetForm(OID_802_11_CONFIGURATION));
  }
  EXPECT_EQ(far.back(),
            Set(OID_802_11_SSID, Concat({Bytes(10U), Text("CorvaneFar"), Bytes8(22, 0)})));
}

TEST_F(SiteSurveyPageTest, WepKeysGoOutByTheirSlotsAndNeverToStandardError) {
  // Shared key uses the keys even with no encryption; an ASCII key in slot 4 transmits.
  OnSheet([this] {
    authen.SelectIndex(kAuthSharedKey);
    wepSetting.OnAuthType();
    encry.SelectIndex(kEncryNone);
    wepSetting.OnEncryType();
    keyTexts[0].text = "0a1B2c3D4e";
    keyTypes[3].SelectIndex(kKeyTypeAscii);
    keyTexts[3].text = "ASCII-13-char";
    radios[3].SetState(true);
  });
  const Bytes8 hexKey{0x0a, 0x1b, 0x2c, 0x3d, 0x4e};
  std::vector<Request> keys{Set(OID_802_11_ADD_KEY, KeyBlock(0, 0xFF, hexKey))};
  for (uint32_t slot : {1U, 2U}) {
    keys.push_back(Set(OID_802_11_REMOVE_KEY,
                       Concat({Bytes(16U), Bytes(slot), Bytes8(6, 0xFF), Bytes8(2, 0)})));
  }
  keys.push_back(Set(OID_802_11_ADD_KEY, KeyBlock(0x80000003, 0xFF, Text("ASCII-13-char"))));
  EXPECT_EQ(Connect(2), Joining(Ndis802_11AuthModeShared, Ndis802_11WEPDisabled, keys, 0x02));
  ExpectNoKeyIn(err, hexKey);
  ExpectNoKeyIn(err, Text("ASCII-13-char"));
  // A key outside printable ASCII: its alert, and the sheet stays open.
  OnSheet([this] { keyTexts[3].text = "ASCII\t13-char"; });
  EXPECT_TRUE(Connect(2).empty());
  ASSERT_EQ(alert.shown.size(), 1U);
  EXPECT_EQ(alert.shown[0].message,
            "Invalid WEP key 4. WEP should use printable ASCII characters.");
}

TEST_F(SiteSurveyPageTest, PreSharedKeyFromPassPhraseOrHexDigitsAndNeverToStandardError) {
  // The published pass-phrase vector: "password" with the SSID "IEEE".
  const Bytes8 key{0xf4, 0x2c, 0x6f, 0xc5, 0x2d, 0xf0, 0xeb, 0xef, 0x9e, 0xbb, 0x4b,
                   0x90, 0xb3, 0x8a, 0x5f, 0x90, 0x2e, 0x83, 0xfe, 0x1b, 0x13, 0x5a,
                   0x70, 0xe2, 0x3a, 0xed, 0x76, 0x2e, 0x97, 0x10, 0xa1, 0x2e};
  // A pass phrase outside printable ASCII: its alert, and the sheet stays open.
  OnSheet([this] { psk.text = "caf\xC3\xA9 au lait"; });
  EXPECT_TRUE(Connect(3).empty());
  ASSERT_EQ(alert.shown.size(), 1U);
  EXPECT_EQ(
      alert.shown[0].message,
      "Invalid WPA Pre-Shared key. WPA-PSK used field should use printable ASCII characters.");
  EXPECT_EQ(alert.shown[0].informativeText, "");
  for (const std::string typed :
       {"password", "F42C6FC52DF0EBEF9EBB4B90B38A5F902E83FE1B135A70E23AED762E9710A12E"}) {
    OnSheet([this, typed] { psk.text = typed; });
    EXPECT_EQ(Connect(3), Joining(Ndis802_11AuthModeWPAPSK, Ndis802_11Encryption2Enabled,
                                  {Set(OID_CV_802_11_ADD_WPA, KeyBlock(0x80000000, 0, key))}, 0x04))
        << typed;
    EXPECT_EQ(err.find("password"), std::string::npos);
    ExpectNoKeyIn(err, key);
  }
}

TEST_F(SiteSurveyPageTest, ARowStandsForItsOwnNetworkInAListFetchedAnewInAnotherOrder) {
  InstallScanList(state, {{"CorvaneLegacy", 2, 1}, {"CorvaneGuest", 1}});
  apList.selected = 0;  // CorvaneGuest's row, still as first built
  page.OnAddProfile(nullptr);
  ASSERT_EQ(profiles.added.size(), 1U);
  EXPECT_EQ(profiles.added[0].ssid, "CorvaneGuest");
}

TEST_F(SiteSurveyPageTest, NothingIsSentWithoutAConnectableSelection) {
  // No row: the alert, and the scan flags are cleared all the same.
  state.G_bBssidListScan = 1;
  state.G_bRescan = 1;
  Connect(-1);
  ASSERT_EQ(alert.shown.size(), 1U);
  EXPECT_EQ(alert.shown[0].message, "No seleted item");
  EXPECT_EQ(state.G_bBssidListScan + state.G_bRescan, 0);
  page.OnAddProfile(nullptr);
  EXPECT_EQ(alert.shown.size(), 2U);

  // 802.1X is not joined from this page, and the alert says why; a sheet or prompt left
  // unanswered is cancelled and joins nothing.
  Connect(5);
  EXPECT_TRUE(sheets.shown.empty());
  ASSERT_EQ(alert.shown.size(), 3U);
  EXPECT_EQ(alert.shown[2].message, "Netvane cannot join “CorvaneCorp”");
  EXPECT_EQ(alert.shown[2].informativeText,
            "It uses WPA-Enterprise (802.1X) sign-in, which Netvane does not provide.");
  Connect(3);
  Connect(4);
  EXPECT_EQ(sheets.shown, (std::vector<std::string>{"SecuritySheet", "HiddenSSIDPrompt"}));

  // A row the list no longer holds (fetched anew since the rows were built), or no list at all.
  InstallScanList(state, {{"Only", 1}});
  Connect(3);
  page.OnAddProfile(nullptr);
  state.G_pBssidList.reset();
  Connect(0);
  EXPECT_EQ(alert.shown.size(), 3U);
  EXPECT_TRUE(profiles.added.empty());
  EXPECT_TRUE(driver.calls.empty() && queue.IsEmpty() && profiles.log.empty() && timer.stops == 0);
}

}  // namespace
}  // namespace netvane
