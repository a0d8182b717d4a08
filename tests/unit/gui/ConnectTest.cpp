// Connecting as a person does, through the real window, the real sheets and the real
// composition root, offscreen, against cv7000-sim: what a screen reader hears of the list,
// network names beyond ASCII both ways, and what a person is told when a join does not come
// (the status line, the event history, the joined mark following the adapter).
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleTableInterface>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <string>
#include <vector>

#include "driver/Oids.h"
#include "gui/CompositionRoot.h"
#include "profiles/ProfileStore.h"
#include "support/JoinedNetwork.h"
#include "support/QtTestApp.h"
#include "support/SimHarness.h"
#include "support/StoredProfiles.h"

namespace netvane {
namespace {

constexpr const char* kNetworks = R"({"networks": [
    {"ssid": "CorvaneGuest", "bssid": "02:c0:7a:00:00:01"},
    {"ssid": "CorvaneLegacy", "bssid": "02:c0:7a:00:00:02", "security": "wep",
     "wep_keys": ["a1b2c3d4e5"]},
    {"ssid": "CorvaneHome", "bssid": "02:c0:7a:00:00:04", "security": "wpa-psk",
     "passphrase": "home sweet corvane"},
    {"ssid": "CorvaneFamily", "bssid": "02:c0:7a:00:00:0d", "security": "wpa2-psk",
     "passphrase": "family room router"},
    {"ssid": "Café Ω", "bssid": "02:c0:7a:00:00:0b"},
    {"ssid": "Ωmega", "bssid": "02:c0:7a:00:00:0c", "hidden": true}]})";

class ConnectTest : public ::testing::Test {
 protected:
  // One simulator for every case: starting it is the slow part.
  static void SetUpTestSuite() {
    testing::QtTestApp();
    sim = new testing::SimHarness;  // points the registry at its own folder
    sim->Start(kNetworks);
  }
  static void TearDownTestSuite() { delete sim; }
  void SetUp() override {
    root.emplace(gui::RootOptions{nullptr, [](unsigned) {}, {}, {}});
    root->SetUp();
    // An alert no case expects fails that case instead of waiting for a click.
    root->Alert().SetOnShown([](QMessageBox& box) {
      ADD_FAILURE() << box.text().toStdString();
      box.accept();
    });
    root->Window().show();
    table = root->Window().siteSurvey.ApList;
  }

  int RowOf(const QString& ssid) const {
    for (int r = 0; r < table->model()->rowCount(); ++r) {
      if (table->model()->index(r, 1).data().toString() == ssid) return r;
    }
    return -1;
  }
  uint8_t Joined() { return testing::JoinedTag(root->Adapter()); }
  void Tick(int times = 1) {
    for (int i = 0; i < times; ++i) {
      for (gui::QtRepeatingTimer* t : root->Timers()) t->OnTimeout();
    }
  }
  // Connect on the row of `ssid`, the key typed into the sheet if one opens.
  void Connect(const QString& ssid, const char* key = "") {
    root->Sheets().SetOnShown([key](QDialog& sheet) {
      QTest::keyClicks(sheet.findChild<QLineEdit*>("WPAPreSharedKey"), key);
      QTest::mouseClick(sheet.findChild<QPushButton*>("OK"), Qt::LeftButton);
    });
    table->selectRow(RowOf(ssid));
    QTest::mouseClick(root->Window().siteSurvey.Connect, Qt::LeftButton);
  }
  std::string Status() { return root->Window().siteSurvey.ConnectStatus->text().toStdString(); }
  int InHistory(const std::string& part) {
    const std::string text = root->Desktop().Log().ReadAll();
    int n = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
    return n;
  }
  // As a screen reader hears a cell of `in` (the site survey list unless given), or with row -1
  // the column's header.
  QString Spoken(int row, int column, QTableView* in = nullptr) const {
    QAccessibleInterface* view = QAccessible::queryAccessibleInterface(in != nullptr ? in : table);
    if (row >= 0) {
      QAccessibleTableInterface* cells = view->tableInterface();
      QAccessibleInterface* cell = cells == nullptr ? nullptr : cells->cellAt(row, column);
      return cell == nullptr ? QString() : cell->text(QAccessible::Name);
    }
    int i = 0;
    while (view->child(i)->role() != QAccessible::ColumnHeader) ++i;
    return view->child(i + column)->text(QAccessible::Name);
  }

  // The arrow keys move inside a list; Tab goes on to the next control.
  void ExpectTabLeaves(QTableView* list) {
    QApplication::setActiveWindow(&root->Window());
    list->setFocus();
    list->setCurrentIndex(list->model()->index(0, 1));
    QTest::keyClick(list, Qt::Key_Right);
    EXPECT_EQ(list->currentIndex().column(), 2);
    QTest::keyClick(list, Qt::Key_Tab);
    EXPECT_NE(root->Window().focusWidget(), list) << list->objectName().toStdString();
  }

  static testing::SimHarness* sim;
  std::optional<gui::CompositionRoot> root;
  QTableView* table = nullptr;
};

testing::SimHarness* ConnectTest::sim = nullptr;

TEST_F(ConnectTest, WpaPskThroughTheSheetThenEnterAndDoubleClickOnRows) {
  const int home = RowOf("CorvaneHome");
  root->Sheets().SetOnShown([&](QDialog& sheet) {
    EXPECT_EQ(sheet.findChild<QComboBox*>("AuthenType")->currentText(), "WPA-PSK");
    EXPECT_EQ(sheet.findChild<QComboBox*>("EncryType")->currentText(), "TKIP");
    // Typed at once, with no click on the field first.
    QTest::keyClicks(sheet.focusWidget(), "home sweet corvane");
    QTest::mouseClick(sheet.findChild<QPushButton*>("OK"), Qt::LeftButton);
  });
  table->selectRow(home);
  QTest::mouseClick(root->Window().siteSurvey.Connect, Qt::LeftButton);

  EXPECT_EQ(Joined(), 0x04);
  Tick();
  EXPECT_EQ(Spoken(-1, 0), "Status");
  EXPECT_EQ(Spoken(home, 0), "Connected");
  ExpectTabLeaves(table);
  EXPECT_EQ(Spoken(RowOf("CorvaneGuest"), 0), "");

  // Enter on a selected row connects as a double click does: here, the sheet for a WEP key,
  // typed at once.
  QStringList sheetsShown;
  root->Sheets().SetOnShown([&](QDialog& sheet) {
    sheetsShown << sheet.objectName();
    QTest::keyClicks(sheet.focusWidget(), "a1b2c3d4e5");
    QTest::mouseClick(sheet.findChild<QPushButton*>("OK"), Qt::LeftButton);
  });
  table->selectRow(RowOf("CorvaneLegacy"));
  QTest::keyClick(table, Qt::Key_Return);
  EXPECT_EQ(sheetsShown.join(", ").toStdString(), "SecuritySheet");
  EXPECT_EQ(Joined(), 0x02);

  // A double click on an open network connects without a sheet.
  const QRect cell = table->visualRect(table->model()->index(RowOf("CorvaneGuest"), 1));
  QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
  QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, cell.center());
  EXPECT_EQ(Joined(), 0x01);
}

// That WPA3-SAE is refused, and how, is the page's (SiteSurveyPageTest, the CLI's test).
TEST_F(ConnectTest, Wpa2PskJoinsThroughTheSheet) {
  const int family = RowOf("CorvaneFamily");
  EXPECT_EQ(Spoken(family, 5), "WPA2-PSK");
  root->Sheets().SetOnShown([&](QDialog& sheet) {
    EXPECT_EQ(sheet.findChild<QComboBox*>("AuthenType")->currentText(), "WPA2-PSK");
    QTest::keyClicks(sheet.findChild<QLineEdit*>("WPAPreSharedKey"), "family room router");
    QTest::mouseClick(sheet.findChild<QPushButton*>("OK"), Qt::LeftButton);
  });
  table->selectRow(family);
  QTest::mouseClick(root->Window().siteSurvey.Connect, Qt::LeftButton);
  EXPECT_EQ(Joined(), 0x0d);
}

TEST_F(ConnectTest, Utf8NamesAreHeardAsTheyAreAndTypedOnesGoOutAsUtf8) {
  const int cafe = RowOf(QString::fromUtf8(u8"Café Ω"));
  EXPECT_EQ(Spoken(cafe, 1), QString::fromUtf8(u8"Café Ω"));

  QStringList alerts;
  root->Alert().SetOnShown([&](QMessageBox& box) {
    alerts << box.informativeText();
    box.accept();
  });
  root->Sheets().SetOnShown([](QDialog& prompt) {
    auto* name = prompt.findChild<QLineEdit*>("HiddenSSIDText");
    EXPECT_EQ(prompt.focusWidget(), name) << "what is typed at once goes to the name";
    const auto attempt = [&](const QString& typed) {
      name->clear();
      for (const QChar c : typed) {
        QTest::sendKeyEvent(QTest::Click, name, Qt::Key_unknown, QString(c), Qt::NoModifier);
      }
      QTest::mouseClick(prompt.findChild<QPushButton*>("OK"), Qt::LeftButton);
    };
    // Eleven characters, 33 bytes; then 33 characters: both refused, and the prompt stays.
    attempt(QString(11, QChar(0x20AC)));
    attempt(QString(33, QLatin1Char('x')));
    attempt(QString::fromUtf8(u8"Ωmega"));
  });
  table->selectRow(RowOf(QString()));
  QTest::mouseClick(root->Window().siteSurvey.Connect, Qt::LeftButton);

  ASSERT_EQ(alerts.size(), 2);
  EXPECT_TRUE(alerts[0].contains(QStringLiteral("32 bytes"))) << alerts[0].toStdString();
  EXPECT_EQ(Joined(), 0x0c) << "the simulator joins only on the network's own bytes";
}

// Through the real editor and the real store files: a profile from the scan list, edited,
// activated from the keyboard and heard active, then stood down by a manual connect. Last: it
// leaves a profile in the folder that every later start-up would read (the cases after it
// store their own).
TEST_F(ConnectTest, AddToProfileThenEditThenActivateJoinsAndIsHeard) {
  const auto load = [] {
    prefs::PrefsFolder folder;
    prefs::UserDefaults defaults(folder);
    return ProfileStore(defaults, folder).Load();
  };
  const auto stored = [&load] { return load().records; };
  const auto typePassPhraseAndOk = [](QDialog& editor) {
    QTest::keyClicks(editor.findChild<QLineEdit*>("WPAPreSharedKey"), "home sweet corvane");
    QTest::mouseClick(editor.findChild<QPushButton*>("OK"), Qt::LeftButton);
  };
  root->Sheets().SetOnShown([&](QDialog& editor) {
    EXPECT_EQ(editor.findChild<QComboBox*>("SSID")->currentText(), "CorvaneHome");
    EXPECT_EQ(editor.focusWidget(), editor.findChild<QLineEdit*>("ProfileName"));
    typePassPhraseAndOk(editor);
  });
  table->selectRow(RowOf("CorvaneHome"));
  QTest::mouseClick(root->Window().siteSurvey.AddProfile, Qt::LeftButton);
  ASSERT_EQ(stored().size(), 1u);
  EXPECT_EQ(stored()[0].Text("BSSID"), "02C07A000004");
  EXPECT_EQ(stored()[0].Text("Profile Name"), "PROF1");

  QTableView* profiles = root->Window().profile.profileList;
  root->Sheets().SetOnShown([&](QDialog& editor) {
    editor.findChild<QLineEdit*>("ProfileName")->clear();
    QTest::keyClicks(editor.focusWidget(), "Home");
    typePassPhraseAndOk(editor);
  });
  profiles->selectRow(0);
  QTest::mouseClick(root->Window().profile.Edit, Qt::LeftButton);
  ASSERT_EQ(stored().size(), 1u);
  EXPECT_EQ(stored()[0].Text("Profile Name"), "Home");
  EXPECT_EQ(stored()[0].Text("BSSID"), "02C07A000004");

  profiles->selectRow(0);
  QTest::keyClick(profiles, Qt::Key_Return);
  EXPECT_EQ(Joined(), 0x04);
  Tick();
  EXPECT_EQ(Spoken(0, 0, profiles), "Active");
  ExpectTabLeaves(profiles);

  // A manual connect stands the profile down; the row says so. (The cell's accessible text:
  // without an assistive tool attached Qt does not tell its cached cells about the reload.)
  table->selectRow(RowOf("CorvaneGuest"));
  QTest::mouseClick(root->Window().siteSurvey.Connect, Qt::LeftButton);
  EXPECT_EQ(Joined(), 0x01);
  Tick();
  EXPECT_EQ(profiles->model()->index(0, 0).data(Qt::AccessibleTextRole).toString(), "Not active");
  EXPECT_EQ(load().active.at(0).Text("Active Profile Flag"), "NO")
      << "the next start joins nothing";
}

TEST_F(ConnectTest, AWrongKeyIsSaidOnceAndTheDroppedNetworkIsNotALoss) {
  Connect("CorvaneGuest");
  Tick();
  ASSERT_EQ(Spoken(RowOf("CorvaneGuest"), 0), "Connected");

  Connect("CorvaneHome", "not the pass phrase");
  // The page's very next tick takes the mark off the network the adapter left, before any
  // scan is collected: the view is told, so it is drawn and heard without it.
  QSignalSpy redrawn(table->model(), &QAbstractItemModel::modelReset);
  root->Timers()[1]->OnTimeout();
  EXPECT_EQ(redrawn.count(), 1);
  EXPECT_EQ(Spoken(RowOf("CorvaneGuest"), 0), "");
  Tick();
  EXPECT_EQ(Status(), "** Disconnected **");

  Tick(5);  // 14 seconds: not yet
  EXPECT_EQ(InHistory("Could not join"), 0);
  Tick(3);
  const std::string failed = "Could not join \u201cCorvaneHome\u201d. The key is probably wrong.";
  EXPECT_EQ(Status(), "** Disconnected **  " + failed);
  // More ticks neither say it again nor lose the line.
  Tick(10);
  EXPECT_EQ(Status(), "** Disconnected **  " + failed);
  EXPECT_EQ(InHistory("Not connected: " + failed), 1);
  EXPECT_EQ(InHistory("Connection lost"), 0);

  // A join afterwards clears the line.
  Connect("CorvaneHome", "home sweet corvane");
  Tick();
  EXPECT_EQ(Status(), "Connected <--> CorvaneHome");
}

TEST_F(ConnectTest, ANetworkNoLongerThereIsNotInRange) {
  // The list still shows it, but the card no longer hears it.
  table->selectRow(RowOf("CorvaneGuest"));
  sim->Stop();
  sim->Start(R"({"networks": [{"ssid": "CorvaneHome", "bssid": "02:c0:7a:00:00:04"}]})");
  QTest::mouseClick(root->Window().siteSurvey.Connect, Qt::LeftButton);
  Tick(9);
  EXPECT_EQ(RowOf("CorvaneGuest"), -1) << "the attempt looked again";
  EXPECT_EQ(Status(),
            "** Disconnected **  Could not join \u201cCorvaneGuest\u201d. The network is "
            "not in range.");
  EXPECT_EQ(InHistory("Could not join \u201cCorvaneGuest\u201d"), 1);
  sim->Stop();
  sim->Start(kNetworks);
}

TEST_F(ConnectTest, AnActivatedProfileIsWatchedAsAConnectIs) {
  testing::StoreProfiles({testing::FullProfile({{"Profile Name", "Home"},
                                                {"SSID", "CorvaneHome"},
                                                {"Authentication Type", "2"},
                                                {"Encryption Type", "0"},
                                                {"WPAPSK", "not the pass phrase"}})});
  SetUp();  // a window that reads it
  root->Window().profile.profileList->selectRow(0);
  QTest::mouseClick(root->Window().profile.Activate, Qt::LeftButton);
  Tick(8);
  EXPECT_EQ(
      Status(),
      "** Disconnected **  Could not join \u201cCorvaneHome\u201d. The key is probably wrong.");
}

}  // namespace
}  // namespace netvane
