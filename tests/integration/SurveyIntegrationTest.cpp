// Connecting through the real site survey page and security dialogs, played through the
// scripted sheet runner, against the real cv7000-sim and its built-in networks: the simulator
// associates (or not), its trace holds exactly the connect's requests, and the page's next tick
// marks the associated row.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "driver/Oids.h"
#include "platform/userclient/SocketUserClient.h"
#include "support/SimHarness.h"
#include "support/survey/ApplySequence.h"
#include "support/survey/SurveyRig.h"

namespace netvane {
namespace {

constexpr uint32_t kAdd = OID_802_11_ADD_KEY;
constexpr uint32_t kRemove = OID_802_11_REMOVE_KEY;

TEST(SurveyIntegrationTest, ConnectsToEveryKindOfNetwork) {
  testing::SimHarness sim;  // first: points the registry at its own folder
  sim.Start();
  userclient::SocketUserClient client;
  testing::SurveyRig rig(client);
  rig.state.G_bDeviceExist = 1;
  rig.adapter.QueryBssidList();  // the scan the card made when it started
  rig.page.RefreshAPList(nullptr);
  rig.page.StartSiteSurveyTimer();
  // Selects the row and presses Connect; the selectors of the structure calls it made.
  const auto connect = [&](int row) {
    sim.ClearTrace();
    rig.apList.selected = row;
    rig.page.OnConnect(nullptr);
    std::vector<std::string> selectors;
    for (const nlohmann::json& line : sim.Trace()) {
      if (line.value("call", "") == "struct") selectors.push_back(line.value("selector", ""));
    }
    return selectors;
  };

  struct Case {
    std::string ssid;             // empty: the hidden network, named in its prompt
    std::function<void()> sheet;  // the security sheet's fields, or no sheet
    std::vector<uint32_t> keys;
    bool adHoc = false;
    bool joins = true;
  };
  const auto phrase = [&rig](const std::string& t) { return [&rig, t] { rig.psk.text = t; }; };
  const std::vector<uint32_t> wpa{OID_CV_802_11_ADD_WPA};
  const std::vector<Case> cases{
      {"CorvaneGuest", nullptr, {}},
      {"CorvaneLegacy",
       [&rig] {
         rig.keyTexts[0].text = "a1b2c3d4e5";
         rig.radios[0].SetState(true);
       },
       {kAdd, kRemove, kRemove, kRemove}},
      {"CorvaneLab",
       [&rig] {
         rig.authen.SelectIndex(kAuthSharedKey);
         rig.wepSetting.OnAuthType();
         rig.keyTexts[1].text = "0123456789abcdef0123456789";
         rig.radios[1].SetState(true);
       },
       {kRemove, kAdd, kRemove, kRemove}},
      {"CorvaneHome", phrase("home sweet corvane"), wpa},
      {"CorvaneOffice", phrase("office hours 9 to 5"), wpa},
      {"Corvane5G", phrase("five gigahertz fast"), wpa},
      {"CorvaneMesh", phrase("mesh together now"), wpa, true},
      {"CorvanePeer", nullptr, {}, true},
      {"", phrase("nobody sees me"), wpa},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.ssid.empty() ? "hidden" : c.ssid);
    const auto& rows = rig.apList.rows;
    const auto found = std::find_if(rows.begin(), rows.end(),
                                    [&c](const auto& r) { return r.at("SSID") == c.ssid; });
    ASSERT_NE(found, rows.end());
    const auto row = static_cast<int>(found - rows.begin());
    if (c.ssid.empty()) {
      rig.sheets.Then([&rig] {
        rig.hiddenText.text = "CorvaneHidden";
        rig.hiddenSSID.OnOK();
      });
    }
    if (c.sheet) rig.OnSheet(c.sheet);
    EXPECT_EQ(connect(row), testing::ApplySelectors(c.keys, c.adHoc, c.adHoc || c.ssid.empty()));
    EXPECT_TRUE(rig.sheets.script.empty()) << "every scripted prompt was shown";
    rig.timer.Fire();
    EXPECT_EQ(rig.state.G_bCurSelItem, c.joins ? row : -1) << "the mark";
  }
  EXPECT_TRUE(rig.alert.shown.empty());
}

}  // namespace
}  // namespace netvane
