// What a person is told when a join does not come, through the real window against
// cv7000-sim, every timer ticked by hand: the status line, the event history (no "Connection
// lost" for the network the attempt dropped), and the joined mark following the adapter.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleTableInterface>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <optional>
#include <string>

#include "gui/CompositionRoot.h"
#include "support/QtTestApp.h"
#include "support/SimHarness.h"
#include "support/StoredProfiles.h"

namespace netvane {
namespace {

constexpr const char* kGuest = R"({"ssid": "CorvaneGuest", "bssid": "02:c0:7a:00:00:01"})";
constexpr const char* kHome = R"({"ssid": "CorvaneHome", "bssid": "02:c0:7a:00:00:04",
    "security": "wpa-psk", "passphrase": "home sweet corvane"})";
constexpr const char* kGone = R"({"ssid": "CorvaneGone", "bssid": "02:c0:7a:00:00:0f"})";

std::string Networks(const std::string& list) {
  return R"({"networks": [)" + list + "]}";
}

class JoinOutcomeTest : public ::testing::Test {
 protected:
  void StartWindow(const std::string& scenario) {
    testing::QtTestApp();
    sim.Start(scenario);
    root.emplace(gui::RootOptions{nullptr, [](unsigned) {}, {}, {}});
    root->SetUp();
    root->Window().show();
    table = root->Window().siteSurvey.ApList;
  }
  int RowOf(const QString& ssid) const {
    for (int r = 0; r < table->model()->rowCount(); ++r) {
      if (table->model()->index(r, 1).data().toString() == ssid) return r;
    }
    return -1;
  }
  // The mark column as a screen reader hears it.
  QString Mark(int row) const {
    QAccessibleInterface* view = QAccessible::queryAccessibleInterface(table);
    QAccessibleInterface* cell = view->tableInterface()->cellAt(row, 0);
    return cell == nullptr ? QString() : cell->text(QAccessible::Name);
  }
  void Connect(const QString& ssid, const char* key = nullptr) {
    root->Sheets().SetOnShown([key](QDialog& sheet) {
      QTest::keyClicks(sheet.findChild<QLineEdit*>("WPAPreSharedKey"), key);
      QTest::mouseClick(sheet.findChild<QPushButton*>("OK"), Qt::LeftButton);
    });
    table->selectRow(RowOf(ssid));
    QTest::mouseClick(root->Window().siteSurvey.Connect, Qt::LeftButton);
  }
  void Tick(int times = 1) {
    for (int i = 0; i < times; ++i) {
      for (gui::QtRepeatingTimer* t : root->Timers()) t->OnTimeout();
    }
  }
  std::string Status() { return root->Window().siteSurvey.ConnectStatus->text().toStdString(); }
  std::string History() { return root->Desktop().Log().ReadAll(); }
  static int Count(const std::string& text, const std::string& part) {
    int n = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
    return n;
  }

  testing::SimHarness sim;
  std::optional<gui::CompositionRoot> root;
  QTableView* table = nullptr;
};

TEST_F(JoinOutcomeTest, AWrongKeyIsSaidOnceAndTheDroppedNetworkIsNotALoss) {
  StartWindow(Networks(std::string(kGuest) + "," + kHome));
  Connect("CorvaneGuest");
  Tick();
  ASSERT_EQ(Mark(RowOf("CorvaneGuest")), "Connected");

  Connect("CorvaneHome", "not the pass phrase");
  // The page's very next tick takes the mark off the network the adapter left, before any
  // scan is collected: the view is told, so it is drawn and heard without it.
  QSignalSpy redrawn(table->model(), &QAbstractItemModel::modelReset);
  root->Timers()[1]->OnTimeout();
  EXPECT_EQ(redrawn.count(), 1);
  EXPECT_EQ(Mark(RowOf("CorvaneGuest")), "");
  Tick();
  EXPECT_EQ(Status(), "** Disconnected **");

  Tick(5);  // 14 seconds: not yet
  EXPECT_EQ(Count(History(), "Could not join"), 0);
  Tick(3);
  const std::string failed = "Could not join \u201cCorvaneHome\u201d. The key is probably wrong.";
  EXPECT_EQ(Status(), "** Disconnected **  " + failed);
  // More ticks neither say it again nor lose the line.
  Tick(10);
  EXPECT_EQ(Status(), "** Disconnected **  " + failed);
  EXPECT_EQ(Count(History(), "Not connected: " + failed), 1) << History();
  EXPECT_EQ(Count(History(), "Connection lost"), 0) << History();

  // A join afterwards clears the line.
  Connect("CorvaneHome", "home sweet corvane");
  Tick();
  EXPECT_EQ(Status(), "Connected <--> CorvaneHome");
  EXPECT_EQ(Mark(RowOf("CorvaneHome")), "Connected");
}

TEST_F(JoinOutcomeTest, ANetworkNoLongerThereIsNotInRange) {
  StartWindow(Networks(std::string(kGuest) + "," + kGone));
  // The list still shows it, but the card no longer hears it.
  table->selectRow(RowOf("CorvaneGone"));
  sim.Stop();
  sim.Start(Networks(kGuest));
  QTest::mouseClick(root->Window().siteSurvey.Connect, Qt::LeftButton);

  Tick(9);
  EXPECT_EQ(RowOf("CorvaneGone"), -1) << "the attempt looked again";
  EXPECT_EQ(Status(),
            "** Disconnected **  Could not join \u201cCorvaneGone\u201d. The network is not in "
            "range.");
  EXPECT_EQ(Count(History(), "Could not join \u201cCorvaneGone\u201d"), 1) << History();
}

TEST_F(JoinOutcomeTest, AnActivatedProfileIsWatchedAsAConnectIs) {
  testing::QtTestApp();  // the profile is stored where the harness points the preferences
  testing::StoreProfiles({testing::FullProfile({{"Profile Name", "Home"},
                                                {"SSID", "CorvaneHome"},
                                                {"Authentication Type", "2"},
                                                {"Encryption Type", "0"},
                                                {"WPAPSK", "not the pass phrase"}})});
  StartWindow(Networks(kHome));
  root->Window().profile.profileList->selectRow(0);
  QTest::mouseClick(root->Window().profile.Activate, Qt::LeftButton);

  Tick(8);
  EXPECT_EQ(
      Status(),
      "** Disconnected **  Could not join \u201cCorvaneHome\u201d. The key is probably wrong.");
}

}  // namespace
}  // namespace netvane
