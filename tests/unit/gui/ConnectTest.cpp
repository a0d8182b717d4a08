// Connecting as a person does, through the real window, the real sheets and the real
// composition root, offscreen, against cv7000-sim: what a screen reader hears of the list, and
// network names beyond ASCII both ways.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleTableInterface>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "driver/Oids.h"
#include "gui/CompositionRoot.h"
#include "platform/userclient/SocketIo.h"
#include "profiles/ProfileStore.h"
#include "support/JoinedNetwork.h"
#include "support/QtTestApp.h"
#include "support/SimHarness.h"

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
    {"ssid": "CorvaneSae", "bssid": "02:c0:7a:00:00:0e", "security": "wpa3-sae"},
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
  for (gui::QtRepeatingTimer* t : root->Timers()) t->OnTimeout();
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

TEST_F(ConnectTest, Wpa2PskJoinsThroughTheSheetAndWpa3SaeIsRefusedWithAnAlert) {
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

  QStringList said;
  root->Alert().SetOnShown([&](QMessageBox& box) {
    said << box.text() << box.informativeText();
    box.accept();
  });
  root->Sheets().SetOnShown(
      [](QDialog& sheet) { ADD_FAILURE() << sheet.objectName().toStdString(); });
  table->selectRow(RowOf("CorvaneSae"));
  QTest::keyClick(table, Qt::Key_Return);
  EXPECT_EQ(said, (QStringList{QString::fromUtf8(u8"Netvane cannot join “CorvaneSae”"),
                               "It uses WPA3-SAE, which this adapter does not support."}));
  EXPECT_EQ(Joined(), 0x0d) << "nothing was sent";
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

// The steady clock and poll(2) on the driver socket, except that a wait on nothing (the scan's)
// passes at once, each slice of it delivering a tick to every page timer as time passing would.
class SkippingClock : public userclient::IoClock {
 public:
  std::function<void()> onSkip;
  std::chrono::steady_clock::time_point Now() override {
    return std::chrono::steady_clock::now() + skipped_;
  }
  int Poll(pollfd& p, int timeoutMs) override {
    if (p.fd >= 0) return userclient::SteadyIoClock().Poll(p, timeoutMs);
    skipped_ += std::chrono::milliseconds(timeoutMs);
    if (onSkip) onSkip();
    return 0;
  }

 private:
  std::chrono::milliseconds skipped_{0};
};

// A rescan and the tick after it ask the driver the same things, in the same order, whether the
// scan's wait keeps the window live or not.
TEST_F(ConnectTest, ALiveScanWaitKeepsTheRequestsOnTheWire) {
  const auto rescanAndTick = [this] {
    sim->ClearTrace();
    QTest::mouseClick(root->Window().siteSurvey.Rescan, Qt::LeftButton);
    for (gui::QtRepeatingTimer* t : root->Timers()) t->OnTimeout();
    std::vector<std::string> sent;
    for (const nlohmann::json& line : sim->Trace()) sent.push_back(line["selector"].dump());
    return sent;
  };
  const std::vector<std::string> blocking = rescanAndTick();
  ASSERT_FALSE(blocking.empty());

  SkippingClock clock;
  root.emplace(gui::RootOptions{nullptr, {}, {}, {}, &clock});
  root->SetUp();
  clock.onSkip = [this] {
    for (gui::QtRepeatingTimer* t : root->Timers()) t->OnTimeout();
  };
  EXPECT_EQ(rescanAndTick(), blocking);
}

// Through the real editor and the real store files: a profile from the scan list, edited,
// activated from the keyboard and heard active, then stood down by a manual connect. Last: it
// leaves a profile in the folder that every later start-up would read.
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
  for (gui::QtRepeatingTimer* t : root->Timers()) t->OnTimeout();
  EXPECT_EQ(Spoken(0, 0, profiles), "Active");
  ExpectTabLeaves(profiles);

  // A manual connect stands the profile down; the row says so. (The cell's accessible text:
  // without an assistive tool attached Qt does not tell its cached cells about the reload.)
  table->selectRow(RowOf("CorvaneGuest"));
  QTest::mouseClick(root->Window().siteSurvey.Connect, Qt::LeftButton);
  EXPECT_EQ(Joined(), 0x01);
  for (gui::QtRepeatingTimer* t : root->Timers()) t->OnTimeout();
  EXPECT_EQ(profiles->model()->index(0, 0).data(Qt::AccessibleTextRole).toString(), "Not active");
  EXPECT_EQ(load().active.at(0).Text("Active Profile Flag"), "NO")
      << "the next start joins nothing";
}

}  // namespace
}  // namespace netvane
