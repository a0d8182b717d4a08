// Connecting through the real site survey page and security dialogs, played through the
// scripted sheet runner, against the real cv7000-sim and its built-in networks: the simulator
// associates (or not), its trace holds exactly the connect's requests, and the refresh cycle
// marks the associated row.
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "app/NetvaneController.h"
#include "driver/Oids.h"
#include "platform/userclient/SocketUserClient.h"
#include "security/MathFunc.h"
#include "support/SimHarness.h"
#include "support/survey/SurveyRig.h"

namespace netvane {
namespace {

using nlohmann::json;

struct IdlePages : AboutShellPage, ProfileShellPage, AdvanceShellPage {
  void GetAllInformation() override {}
  void RefreshProfileList() override {}
  void CheckProfileSettingForConnect() override {}
  void RadioStatus() override {}
};

std::string Selector(uint32_t code) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%08x", code);
  return text;
}

// What a connect sends, by the way it keys and associates.
enum class Keys { kNone, kWep1, kWep2, kWpa };
std::vector<std::string> ConnectSequence(Keys keys, bool adHoc, bool bySsid) {
  std::vector<uint32_t> oids{SetForm(OID_802_11_DISASSOCIATE),
                             SetForm(OID_802_11_INFRASTRUCTURE_MODE),
                             SetForm(OID_CV_802_11_PREAMBLE),
                             SetForm(OID_802_11_RTS_THRESHOLD),
                             SetForm(OID_802_11_FRAGMENTATION_THRESHOLD),
                             SetForm(OID_802_11_AUTHENTICATION_MODE),
                             SetForm(OID_802_11_WEP_STATUS),
                             SetForm(OID_CV_802_11_TX_POWER_LEVEL)};
  const uint32_t add = SetForm(OID_802_11_ADD_KEY);
  const uint32_t remove = SetForm(OID_802_11_REMOVE_KEY);
  if (keys == Keys::kWep1) oids.insert(oids.end(), {add, remove, remove, remove});
  if (keys == Keys::kWep2) oids.insert(oids.end(), {remove, add, remove, remove});
  if (keys == Keys::kWpa) oids.push_back(SetForm(OID_CV_802_11_ADD_WPA));
  if (adHoc) {
    oids.insert(oids.end(), {OID_802_11_CONFIGURATION, SetForm(OID_802_11_CONFIGURATION)});
  } else {
    oids.push_back(SetForm(OID_802_11_POWER_MODE));
  }
  oids.push_back(SetForm(bySsid ? OID_802_11_SSID : OID_802_11_BSSID));
  std::vector<std::string> out;
  out.reserve(oids.size());
  for (uint32_t oid : oids) out.push_back(Selector(oid));
  return out;
}

std::string HexPsk(const std::string& phrase, const std::string& ssid) {
  uint8_t out[40] = {};
  PasswordHash(phrase.c_str(), reinterpret_cast<const uint8_t*>(ssid.data()),  // NOLINT
               static_cast<int32_t>(ssid.size()), out);
  const char* digits = "0123456789abcdef";
  std::string hex;
  for (uint8_t byte : std::span(out).first(32)) {
    hex += digits[byte >> 4];
    hex += digits[byte & 15];
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
    netvane.awakeFromNib();  // brings the card up: first scan, rows, the page timer
    ASSERT_EQ(state.G_bDeviceExist, 1);
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
    const std::size_t mark = sim.TraceSize();
    apList.selected = row;
    page.OnConnect(nullptr);
    std::vector<std::string> selectors;
    for (const json& line : sim.TraceSince(mark)) {
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
  void OnSheet(const std::function<void()>& fill) {
    sheets.Then([this, fill] {
      fill();
      wepSetting.OnOK();
    });
  }
  void TypePassPhrase(const std::string& text) {
    OnSheet([this, text] { psk.text = text; });
  }

  IdlePages idle;
  testing::FakeTabView tabs;
  testing::ManualTimer poll;
  NetvaneController netvane{state, adapter, tabs, poll, page, idle, idle, idle};
};

TEST_F(SurveyIntegrationTest, ConnectsToEveryKindOfNetwork) {
  struct Case {
    std::string ssid;
    std::function<void()> answer;  // the prompts, scripted
    std::vector<std::string> sequence;
  };
  const std::vector<Case> cases{
      {"CorvaneGuest", [] {}, ConnectSequence(Keys::kNone, false, false)},
      {"CorvaneLegacy",
       [this] {
         OnSheet([this] {
           keyTexts[0].text = "a1b2c3d4e5";
           radios[0].SetState(true);
         });
       },
       ConnectSequence(Keys::kWep1, false, false)},
      {"CorvaneLab",
       [this] {
         OnSheet([this] {
           authen.SelectIndex(kAuthSharedKey);
           wepSetting.OnAuthType();
           keyTexts[1].text = "0123456789abcdef0123456789";
           radios[1].SetState(true);
         });
       },
       ConnectSequence(Keys::kWep2, false, false)},
      {"CorvaneHome", [this] { TypePassPhrase("home sweet corvane"); },
       ConnectSequence(Keys::kWpa, false, false)},
      {"CorvaneHome", [this] { TypePassPhrase(HexPsk("home sweet corvane", "CorvaneHome")); },
       ConnectSequence(Keys::kWpa, false, false)},
      {"CorvaneOffice", [this] { TypePassPhrase("office hours 9 to 5"); },
       ConnectSequence(Keys::kWpa, false, false)},
      {"CorvaneOffice", [this] { TypePassPhrase(HexPsk("office hours 9 to 5", "CorvaneOffice")); },
       ConnectSequence(Keys::kWpa, false, false)},
      {"Corvane5G", [this] { TypePassPhrase("five gigahertz fast"); },
       ConnectSequence(Keys::kWpa, false, false)},
      {"CorvaneMesh", [this] { TypePassPhrase("mesh together now"); },
       ConnectSequence(Keys::kWpa, true, true)},
      {"CorvanePeer", [] {}, ConnectSequence(Keys::kNone, true, true)},
      {"",
       [this] {
         sheets.Then([this] {
           hiddenText.text = "CorvaneHidden";
           hiddenSSID.OnOK();
         });
         TypePassPhrase("nobody sees me");
       },
       ConnectSequence(Keys::kWpa, false, true)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.ssid.empty() ? "hidden" : c.ssid);
    c.answer();
    const int row = c.ssid.empty() ? RowOf("BSSID", "02-C0-7A-00-00-07") : RowOf("SSID", c.ssid);
    EXPECT_EQ(Connect(row), c.sequence);
    EXPECT_TRUE(sheets.script.empty()) << "every scripted prompt was shown";
    EXPECT_TRUE(Associated());
  }
  EXPECT_TRUE(alert.shown.empty());
}

TEST_F(SurveyIntegrationTest, AWrongKeyLeavesItDisconnected) {
  TypePassPhrase("home sweet home");
  EXPECT_EQ(Connect(RowOf("SSID", "CorvaneHome")), ConnectSequence(Keys::kWpa, false, false));
  EXPECT_FALSE(Associated());
}

TEST_F(SurveyIntegrationTest, EnterpriseAndCancelledConnectsSendNothing) {
  EXPECT_TRUE(Connect(RowOf("SSID", "CorvaneCorp")).empty());
  EXPECT_TRUE(sheets.shown.empty());

  sheets.Answer(ui::kModalCancel);
  EXPECT_TRUE(Connect(RowOf("SSID", "CorvaneHome")).empty());
  sheets.Answer(ui::kModalCancel);
  EXPECT_TRUE(Connect(RowOf("BSSID", "02-C0-7A-00-00-07")).empty());
  EXPECT_EQ(sheets.shown, (std::vector<std::string>{"SecuritySheet", "HiddenSSIDPrompt"}));
  EXPECT_TRUE(queue.IsEmpty());
}

TEST_F(SurveyIntegrationTest, TheAssociatedRowIsMarkedAfterTheRefreshCycle) {
  TypePassPhrase("office hours 9 to 5");
  const int office = RowOf("SSID", "CorvaneOffice");
  Connect(office);
  ASSERT_TRUE(Associated());

  // Rescan: the scan starts; the page waits for the poll to collect it, then rebuilds.
  page.OnRescan(nullptr);
  EXPECT_EQ(state.G_bBssidListScan, 1);
  const std::size_t mark = sim.TraceSize();
  timer.Fire();
  EXPECT_EQ(sim.TraceSize(), mark) << "a tick with a scan pending asks nothing";
  ::testing::internal::CaptureStderr();
  poll.Fire();
  ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(state.G_bBssidListScan, 0);
  EXPECT_EQ(state.G_bRescan, 1);
  apList.selected = 2;
  timer.Fire();

  EXPECT_EQ(apList.selected, -1) << "rebuilt";
  EXPECT_EQ(state.G_bCurSelItem, office);
  for (std::size_t r = 0; r < apList.rows.size(); ++r) {
    EXPECT_EQ(apList.rows[r].at("PI"), static_cast<int>(r) == office ? "HANDSHAK" : "") << r;
  }

  // Disconnected: the next tick takes the mark away.
  uint32_t zero = 0;
  uint32_t returned = 0;
  adapter.OidSetInformation(OID_802_11_DISASSOCIATE, &zero, 4, &returned, 3);
  timer.Fire();
  EXPECT_EQ(state.G_bCurSelItem, -1);
  EXPECT_EQ(Cell("PI", office), "");
}

}  // namespace
}  // namespace netvane
