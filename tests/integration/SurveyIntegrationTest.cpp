// Connecting through the real site survey page and security dialogs, played through the
// scripted sheet runner, against the real cv7000-sim and its built-in networks: the simulator
// associates (or not), its trace holds exactly the connect's requests, and the page's next tick
// marks the associated row.
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "driver/Oids.h"
#include "platform/userclient/SocketUserClient.h"
#include "security/MathFunc.h"
#include "support/SimHarness.h"
#include "support/survey/SurveyRig.h"

namespace netvane {
namespace {

// What a connect sends, by the way it keys and associates.
enum class Keys { kNone, kWep1, kWep2, kWpa };
std::vector<std::string> ConnectSequence(Keys keys, bool adHoc, bool bySsid) {
  std::vector<uint32_t> oids{
      OID_802_11_DISASSOCIATE,  OID_802_11_INFRASTRUCTURE_MODE,     OID_CV_802_11_PREAMBLE,
      OID_802_11_RTS_THRESHOLD, OID_802_11_FRAGMENTATION_THRESHOLD, OID_802_11_AUTHENTICATION_MODE,
      OID_802_11_WEP_STATUS,    OID_CV_802_11_TX_POWER_LEVEL};
  const uint32_t add = OID_802_11_ADD_KEY;
  const uint32_t remove = OID_802_11_REMOVE_KEY;
  if (keys == Keys::kWep1) oids.insert(oids.end(), {add, remove, remove, remove});
  if (keys == Keys::kWep2) oids.insert(oids.end(), {remove, add, remove, remove});
  if (keys == Keys::kWpa) oids.push_back(OID_CV_802_11_ADD_WPA);
  oids.push_back(adHoc ? OID_802_11_CONFIGURATION : OID_802_11_POWER_MODE);
  oids.push_back(bySsid ? OID_802_11_SSID : OID_802_11_BSSID);
  std::vector<uint32_t> selectors;
  for (uint32_t oid : oids) selectors.push_back(SetForm(oid));
  // The ad hoc configuration is read, then written back with the channel.
  if (adHoc) selectors.insert(selectors.end() - 2, OID_802_11_CONFIGURATION);
  std::vector<std::string> out;
  for (uint32_t selector : selectors) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08x", selector);
    out.push_back(text);
  }
  return out;
}

std::string HexPsk(const std::string& phrase, const std::string& ssid) {
  uint8_t out[40] = {};
  PasswordHash(phrase.c_str(), reinterpret_cast<const uint8_t*>(ssid.data()),  // NOLINT
               static_cast<int32_t>(ssid.size()), out);
  std::string hex;
  for (uint8_t byte : std::span(out).first(32)) {
    char two[3];
    std::snprintf(two, sizeof two, "%02x", byte);
    hex += two;
  }
  return hex;
}

struct SimHolder {
  testing::SimHarness sim;  // first: points the registry at its own folder
  userclient::SocketUserClient client;
};

class SurveyIntegrationTest : public ::testing::Test,
                              protected SimHolder,
                              public testing::SurveyRig {
 protected:
  SurveyIntegrationTest() : SurveyRig(client) {}
  void SetUp() override {
    sim.Start();
    state.G_bDeviceExist = 1;
    adapter.QueryBssidList();  // the scan the card made when it started
    page.RefreshAPList(nullptr);
    page.StartSiteSurveyTimer();
    ASSERT_FALSE(apList.rows.empty());
  }

  int RowOf(const std::string& column, const std::string& value) const {
    for (std::size_t r = 0; r < apList.rows.size(); ++r) {
      if (apList.rows[r].at(column) == value) return static_cast<int>(r);
    }
    ADD_FAILURE() << "no row with " << column << " " << value;
    return -1;
  }
  // Selects the row and presses Connect; the selectors of the structure calls it made.
  std::vector<std::string> Connect(int row) {
    sim.ClearTrace();
    apList.selected = row;
    page.OnConnect(nullptr);
    std::vector<std::string> selectors;
    for (const nlohmann::json& line : sim.Trace()) {
      if (line.value("call", "") == "struct") selectors.push_back(line.value("selector", ""));
    }
    return selectors;
  }
  bool Associated() {
    uint32_t media = NdisMediaStateDisconnected;
    uint32_t returned = 0;
    adapter.OidQueryInformation(OID_GEN_MEDIA_CONNECT_STATUS, &media, 4, &returned);
    return media == NdisMediaStateConnected;
  }
  // Plays the user on the security sheet: `fill` types, then OK.
  std::function<void()> OnSheet(const std::function<void()>& fill) {
    return [this, fill] {
      sheets.Then([this, fill] {
        fill();
        wepSetting.OnOK();
      });
    };
  }
  std::function<void()> PassPhrase(const std::string& text) {
    return OnSheet([this, text] { psk.text = text; });
  }
};

TEST_F(SurveyIntegrationTest, ConnectsToEveryKindOfNetwork) {
  struct Case {
    std::string ssid;
    std::function<void()> answer;  // the prompts, scripted
    std::vector<std::string> sequence;
    bool joins = true;
  };
  const std::vector<Case> cases{
      {"CorvaneGuest", [] {}, ConnectSequence(Keys::kNone, false, false)},
      {"CorvaneLegacy", OnSheet([this] {
         keyTexts[0].text = "a1b2c3d4e5";
         radios[0].SetState(true);
       }),
       ConnectSequence(Keys::kWep1, false, false)},
      {"CorvaneLab", OnSheet([this] {
         authen.SelectIndex(kAuthSharedKey);
         wepSetting.OnAuthType();
         keyTexts[1].text = "0123456789abcdef0123456789";
         radios[1].SetState(true);
       }),
       ConnectSequence(Keys::kWep2, false, false)},
      {"CorvaneHome", PassPhrase("home sweet corvane"), ConnectSequence(Keys::kWpa, false, false)},
      {"CorvaneHome", PassPhrase(HexPsk("home sweet corvane", "CorvaneHome")),
       ConnectSequence(Keys::kWpa, false, false)},
      {"CorvaneHome", PassPhrase("home sweet home"), ConnectSequence(Keys::kWpa, false, false),
       false},
      {"CorvaneOffice", PassPhrase("office hours 9 to 5"),
       ConnectSequence(Keys::kWpa, false, false)},
      {"Corvane5G", PassPhrase("five gigahertz fast"), ConnectSequence(Keys::kWpa, false, false)},
      {"CorvaneMesh", PassPhrase("mesh together now"), ConnectSequence(Keys::kWpa, true, true)},
      {"CorvanePeer", [] {}, ConnectSequence(Keys::kNone, true, true)},
      {"",
       [this] {
         sheets.Then([this] {
           hiddenText.text = "CorvaneHidden";
           hiddenSSID.OnOK();
         });
         PassPhrase("nobody sees me")();
       },
       ConnectSequence(Keys::kWpa, false, true)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.ssid.empty() ? "hidden" : c.ssid);
    c.answer();
    const int row = c.ssid.empty() ? RowOf("BSSID", "02-C0-7A-00-00-07") : RowOf("SSID", c.ssid);
    EXPECT_EQ(Connect(row), c.sequence);
    EXPECT_TRUE(sheets.script.empty()) << "every scripted prompt was shown";
    EXPECT_EQ(Associated(), c.joins);
    timer.Fire();
    EXPECT_EQ(state.G_bCurSelItem, c.joins ? row : -1);
  }
  EXPECT_TRUE(alert.shown.empty());
}

}  // namespace
}  // namespace netvane
