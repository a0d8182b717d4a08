// The status and advanced pages of the real window against cv7000-sim, read the way a screen
// reader reads them: the about texts from the driver's property list and card, the link figures
// of a joined network, a fixed rate through Apply reaching the link, the counters' reset, the
// radio off and on, a-only hearing only 5 GHz, and the about page after re-insertion. The
// counters' signs and the pages' freeze without an adapter are proved over fakes.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QTest>
#include <fstream>
#include <nlohmann/json.hpp>
#include <string>

#include "gui/CompositionRoot.h"
#include "support/QtTestApp.h"
#include "support/SimHarness.h"

namespace netvane {
namespace {

std::string Scenario() {
  nlohmann::json s = nlohmann::json::parse(std::ifstream(NETVANE_SCENARIOS "/default.json"));
  s["card"]["driver_version"] = "2.3.1";
  s["counters"] = {{"transmitted_fragments", 5000000000LL}, {"retries", 6000000000LL}};
  return s.dump();
}

QString Heard(QWidget* field) {
  return QAccessible::queryAccessibleInterface(field)->text(QAccessible::Value);
}

class StatusIntegrationTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { testing::QtTestApp(); }
  void Tick() {
    for (gui::QtRepeatingTimer* t : root->Timers()) t->OnTimeout();
  }
  void Connect(const char* ssid) {
    QTableView* list = root->Window().siteSurvey.ApList;
    for (int r = 0; r < list->model()->rowCount(); ++r) {
      if (list->model()->index(r, 1).data().toString() == ssid) list->selectRow(r);
    }
    QTest::mouseClick(root->Window().siteSurvey.Connect, Qt::LeftButton);
  }

  testing::SimHarness sim;  // first: its own registry and preferences
  std::optional<gui::CompositionRoot> root;
};

TEST_F(StatusIntegrationTest, EveryPageShowsTheSimulatorsState) {
  sim.Start(Scenario());
  root.emplace(gui::RootOptions{nullptr, [](unsigned) {}, {}, {}});
  root->SetUp();
  gui::MainWindow& w = root->Window();
  EXPECT_EQ(Heard(w.about.DriverVersion), "2.3.1");
  EXPECT_EQ(Heard(w.about.EEPROMVersion), "2.5");
  EXPECT_EQ(Heard(w.about.MacAddress), "02-1A-2B-3C-4D-5E");

  Connect("CorvaneGuest");
  Tick();
  EXPECT_EQ(Heard(w.linkStatus.Status), "CorvaneGuest <--> 02-C0-7A-00-00-01");
  EXPECT_EQ(Heard(w.linkStatus.CurrentChannel), "1 <--> 2412000 KHz");
  EXPECT_EQ(Heard(w.siteSurvey.ConnectStatus), "Connected <--> CorvaneGuest");
  auto* graph = w.linkStatus.QualityGroup->findChild<QWidget*>("History");
  ASSERT_NE(graph, nullptr);
  EXPECT_TRUE(QAccessible::queryAccessibleInterface(graph)
                  ->text(QAccessible::Description)
                  .startsWith("Link quality "))
      << "the graph's current values, for a screen reader";

  // B only at a fixed 5.5 Mbps: the driver gets the rate set, the link shows it.
  w.advance.WirelessMode->setCurrentIndex(1);
  root->AdvancePage().OnSelChangeWirelessMode(nullptr);
  w.advance.TXrate->setCurrentIndex(3);
  QTest::mouseClick(w.advance.Apply, Qt::LeftButton);
  Tick();
  EXPECT_EQ(Heard(w.linkStatus.CurrentTxRate), "5.5 Mbps");

  EXPECT_GE(Heard(w.statistics.FTS).toLongLong(), 5000000000LL);
  QTest::mouseClick(w.statistics.ResetCounter, Qt::LeftButton);
  EXPECT_EQ(Heard(w.statistics.FTS), "0");
  Tick();
  EXPECT_LT(Heard(w.statistics.FTS).toLongLong(), 1000) << "the driver's counters were reset";

  QTest::mouseClick(w.advance.Radio, Qt::LeftButton);
  Tick();
  EXPECT_EQ(Heard(w.linkStatus.Status), "Radio Status <--> OFF");
  QTest::mouseClick(w.advance.Radio, Qt::LeftButton);
  Tick();
  EXPECT_EQ(Heard(w.linkStatus.Status), "Disconnected");

  // Removed, then back: brought up again, the about page filled anew.
  ASSERT_EQ(sim.Stop(), 0);
  Tick();
  EXPECT_EQ(root->State().G_bDeviceExist, 0);
  w.about.DriverVersion->clear();
  sim.Start(Scenario());
  Tick();
  EXPECT_EQ(root->State().G_bDeviceExist, 1);
  EXPECT_EQ(Heard(w.about.DriverVersion), "2.3.1");
}

}  // namespace
}  // namespace netvane
