// The desktop side against the real cv7000-sim and a private session bus: the notification
// service receives exactly one notification per change while the adapter joins, loses its
// network, is removed and comes back; the event history file says the same without a key byte;
// the tray and the history window show it.
#include <gtest/gtest.h>

#include <QDBusConnection>
#include <QDBusMessage>
#include <QPushButton>
#include <algorithm>
#include <string>
#include <vector>

#include "driver/Oids.h"
#include "gui/CompositionRoot.h"
#include "gui/SessionBusProbe.h"
#include "platform/system/AutostartEntry.h"
#include "profiles/ProfileRecord.h"
#include "support/QtTestApp.h"
#include "support/SimHarness.h"
#include "support/StoredProfiles.h"
#include "support/TempFolder.h"
#include "support/dbus/DbusSession.h"

namespace netvane {
namespace {

constexpr const char* kPassPhrase = "home sweet corvane";

// The Home profile of an earlier run, active, for the WPA-PSK network CorvaneHome.
void EarlierRun() {
  const ProfileRecord home = testing::FullProfile({{"Profile Name", "Home"},
                                                   {"SSID", "CorvaneHome"},
                                                   {"Authentication Type", "2"},
                                                   {"Encryption Type", "0"},
                                                   {"WPAPSK", kPassPhrase}});
  testing::StoreProfiles({home}, &home, 0);
}

class DesktopIntegrationTest : public ::testing::Test {
 protected:
  // The bus comes before anything in the process uses it.
  static void SetUpTestSuite() {
    bus = new testing::DbusSession();
    testing::QtTestApp();
  }
  static void TearDownTestSuite() { delete bus; }

  // Every notification sent so far has reached the service: one call on the same connection
  // behind them, answered only after the calls before it.
  std::vector<std::string> Summaries() const {
    QDBusConnection::sessionBus().call(QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.Notifications"),
        QStringLiteral("/org/freedesktop/Notifications"),
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("GetServerInformation")));
    std::vector<std::string> summaries;
    for (const auto& call : bus->Notifications()) summaries.push_back(call["summary"]);
    return summaries;
  }

  void Disassociate(gui::CompositionRoot& root) {
    uint32_t returned = 0;
    root.Adapter().OidSetInformation(OID_802_11_DISASSOCIATE, nullptr, 0, &returned, 1);
  }

  static testing::DbusSession* bus;
  testing::SimHarness sim;
};

testing::DbusSession* DesktopIntegrationTest::bus = nullptr;

TEST_F(DesktopIntegrationTest, OneNotificationAndOneHistoryLinePerChange) {
  EXPECT_TRUE(gui::SessionBusAnswersWithin(5000)) << "a real bus is not hidden from the program";
  EarlierRun();
  sim.Start();
  gui::CompositionRoot root{{nullptr, [](unsigned) {}, {}, {{}, [] { return 1796619662; }}}};
  root.SetUp();  // the active profile is applied again
  const auto tick = [&root] { root.LinkStatus().OnTimer(); };

  tick();
  tick();
  EXPECT_EQ(root.Desktop().Tray().Icon().toolTip().toStdString().substr(0, 35),
            "Netvane: CorvaneHome: link quality ");
  Disassociate(root);
  tick();
  tick();
  // Joined again from the tray's menu: an ordinary join, not a reconnection.
  gui::TrayIndicator& tray = root.Desktop().Tray();
  sim.ClearTrace();
  tray.RefreshMenu();
  EXPECT_TRUE(sim.Trace().empty()) << "the tray shows what the pages read; it asks nothing";
  QMenu* profiles = tray.Menu().actions()[1]->menu();
  ASSERT_EQ(profiles->actions().size(), 1);
  EXPECT_EQ(profiles->actions()[0]->text().toStdString(), "Home");
  profiles->actions()[0]->trigger();
  tick();

  ASSERT_EQ(sim.Stop(), 0);
  tick();
  root.Controller().OnTimer();
  tick();
  EXPECT_EQ(tray.Icon().toolTip().toStdString(), "Netvane: No adapter");
  sim.Start();
  root.Controller().OnTimer();  // brought up again: the profile is applied again
  tick();
  tick();
  // Notifications go out one at a time as the bus answers; a driver request slow enough to
  // keep the window live may already have let some go. Every one is out once all are answered.
  const gui::DesktopNotifier& notifier = root.Desktop().Notifier();
  while (!notifier.Settled()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  EXPECT_EQ(Summaries(),
            (std::vector<std::string>{"Connected", "Connection lost", "Connected",
                                      "Adapter removed", "Adapter back", "Reconnected"}));
  // Each replaces the one before on its topic (the stand-in numbers its answers 1, 2, ...).
  std::vector<int> replaces;
  for (const auto& call : bus->Notifications()) replaces.push_back(call["replaces"]);
  EXPECT_EQ(replaces, (std::vector<int>{0, 1, 2, 0, 4, 3}));
  const nlohmann::json first = bus->Notifications().front();
  EXPECT_EQ(first["app"], "Netvane");
  EXPECT_EQ(first["body"], "Joined \u201cCorvaneHome\u201d.");
  EXPECT_EQ(first["hints"]["desktop-entry"], "com.corvane.Netvane");

  // Switched off in the history window (opened from the About page): remembered, and the
  // history goes on without them.
  root.Window().findChild<QPushButton*>(QStringLiteral("EventHistory"))->click();
  gui::EventHistoryWindow& window = root.Desktop().History();
  EXPECT_EQ(window.Lines().toPlainText().count(u'\n'), 5) << "six lines so far";
  window.Notifications().click();
  EXPECT_EQ(prefs::UserDefaults(prefs::PrefsFolder()).BoolForKey("Show Notifications"), false);
  // Start at login, off until clicked: the entry starts this program in the background.
  EXPECT_FALSE(window.Autostart().isChecked());
  window.Autostart().click();
  EXPECT_NE(testing::ReadText(system::AutostartEntryPath())
                .find(QCoreApplication::applicationFilePath().toStdString() + "\" --background"),
            std::string::npos);
  window.Autostart().click();
  EXPECT_FALSE(system::AutostartOn());
  Disassociate(root);
  tick();
  EXPECT_EQ(Summaries().size(), 6U);
  EXPECT_TRUE(window.Lines().toPlainText().endsWith(
      QStringLiteral("Connection lost: The connection to \u201cCorvaneHome\u201d was lost.")));

  // The window shows the file line for line (EventHistoryWindowTest): here, no key in it.
  const std::string history = testing::ReadText(root.Desktop().Log().Path());
  EXPECT_EQ(history.find(kPassPhrase), std::string::npos);
  EXPECT_EQ(std::count(history.begin(), history.end(), '\n'), 7);

  QAction* radio = tray.Menu().actions()[2];
  radio->trigger();
  tray.RefreshMenu();
  EXPECT_EQ(root.State().G_bRadio, 0);
  EXPECT_EQ(radio->text().toStdString(), "Turn &Radio On");
}

}  // namespace
}  // namespace netvane
