// Start-up of the real composition root and window in conditions a person cannot fix from the
// window: a session bus that accepts and never answers must not hold the window up; no adapter
// is a line above the pages saying what to do, the driver's actions disabled until the simulator
// starts (an insertion); a registry folder Netvane refuses is named there and once in an alert.
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QAccessible>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <cstdlib>
#include <cstring>
#include <string>

#include "gui/AdapterNotice.h"
#include "gui/CompositionRoot.h"
#include "gui/SessionBusProbe.h"
#include "support/QtTestApp.h"
#include "support/SimHarness.h"

namespace netvane::gui {
namespace {

// Spins the event loop until `done` holds; only events move it on, never the clock.
template <typename Done>
void RunUntil(Done done) {
  while (!done()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

// Listens and never reads nor writes: connecting works, the bus's first answer never comes.
class SilentBus {
 public:
  explicit SilentBus(const std::string& path) : fd_(socket(AF_UNIX, SOCK_STREAM, 0)) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
    ok_ = bind(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
          listen(fd_, 16) == 0;
    setenv("DBUS_SESSION_BUS_ADDRESS", ("unix:path=" + path).c_str(), 1);
  }
  ~SilentBus() { close(fd_); }
  bool Ok() const { return ok_; }

 private:
  int fd_;
  bool ok_ = false;
};

// Before the window could even be built, the desktop integration waited for the bus for good.
// Now the window comes up, events are kept while the bus is awaited, and once it is given up
// they are dropped with one note, and only at the debug level.
TEST(StartUpTest, ASilentSessionBusHoldsNothingUp) {
  testing::QtTestApp();
  testing::SimHarness sim;
  const SilentBus bus(sim.Dir() + "/bus");
  ASSERT_TRUE(bus.Ok());
  // What the application asks before Qt's own services may connect: hidden from them.
  EXPECT_FALSE(SessionBusAnswersWithin(20));
  sim.Start();
  std::string notes;
  RootOptions options{nullptr, [](unsigned) {}, {}, {}};
  options.desktop.debugNote = [&notes](const std::string& line) { notes += line + "\n"; };
  options.desktop.busDeadlineMs = 20;
  CompositionRoot root(std::move(options));
  root.Window().show();
  root.SetUp();
  root.LinkStatus().OnTimer();  // the baseline
  ASSERT_EQ(sim.Stop(), 0);
  root.LinkStatus().OnTimer();  // the adapter is gone: one event, waiting for the bus
  EXPECT_EQ(root.Desktop().Notifier().State(), DesktopNotifier::Bus::kWaiting);
  EXPECT_EQ(root.Desktop().Notifier().Waiting(), 1U);
  RunUntil([&] { return root.Desktop().Notifier().State() != DesktopNotifier::Bus::kWaiting; });
  EXPECT_EQ(root.Desktop().Notifier().State(), DesktopNotifier::Bus::kNone);
  EXPECT_EQ(root.Desktop().Notifier().Waiting(), 0U);
  EXPECT_EQ(notes, "netvane: the session bus did not answer; 1 notification dropped\n");
  EXPECT_TRUE(root.Window().isVisible());
}

QString Heard(QWidget* widget, QAccessible::Text what = QAccessible::Name) {
  return QAccessible::queryAccessibleInterface(widget)->text(what);
}

TEST(StartUpTest, WithoutAnAdapterTheWindowSaysWhatToDoAndActsAgainOnceItIsThere) {
  testing::QtTestApp();
  testing::SimHarness sim;  // not started: no driver service
  CompositionRoot root{{nullptr, [](unsigned) {}, {}, {}}};
  root.SetUp();
  root.Window().show();
  MainWindow& w = root.Window();
  QLabel* line = w.AdapterState();

  EXPECT_TRUE(line->isVisible());
  EXPECT_EQ(Heard(line).toStdString(), AdapterNotice::kNoAdapter);
  EXPECT_EQ(line->focusPolicy(), Qt::TabFocus);
  for (QWidget* action :
       {static_cast<QWidget*>(w.siteSurvey.Connect), static_cast<QWidget*>(w.siteSurvey.Rescan),
        static_cast<QWidget*>(w.profile.Activate), w.PageWidget(Page::Advance)}) {
    EXPECT_FALSE(action->isEnabled()) << action->objectName().toStdString();
    EXPECT_EQ(Heard(action, QAccessible::Description).toStdString(), AdapterNotice::kUnavailable);
  }
  // Only the driver's actions: profiles can still be edited.
  EXPECT_TRUE(w.profile.Add->isEnabled());

  sim.Start();
  root.Controller().OnTimer();
  EXPECT_FALSE(line->isVisible());
  EXPECT_TRUE(w.siteSurvey.Connect->isEnabled());
  EXPECT_EQ(Heard(w.siteSurvey.Connect, QAccessible::Description), "");
  EXPECT_TRUE(w.PageWidget(Page::Advance)->isEnabled());
  // A control the page keeps disabled itself stays so.
  EXPECT_FALSE(w.advance.Apply->isEnabled());

  // Taken out again: the line comes back.
  sim.Stop();
  root.Controller().OnTimer();
  EXPECT_TRUE(line->isVisible());
  EXPECT_FALSE(w.siteSurvey.Connect->isEnabled());
}

TEST(StartUpTest, ARefusedRegistryIsNamedOnThePageAndOnceInAnAlert) {
  testing::QtTestApp();
  testing::SimHarness sim;
  const std::string registry = sim.Dir() + "/run/netvane";
  ASSERT_EQ(mkdir(registry.c_str(), 0700), 0);
  chmod(registry.c_str(), 0777);
  CompositionRoot root{{nullptr, [](unsigned) {}, {}, {}}};
  std::vector<std::string> shown;
  root.Alert().SetOnShown([&shown](QMessageBox& box) {
    shown.push_back(box.text().toStdString() + " | " + box.informativeText().toStdString());
    box.accept();
  });
  root.SetUp();
  root.Window().show();
  root.Controller().OnTimer();
  const std::string why = "Not using " + registry + ": others may write to it (mode 0777).";
  ASSERT_EQ(shown.size(), 1U);
  EXPECT_EQ(shown[0], "Netvane cannot look for the adapter | " + why);
  EXPECT_TRUE(root.Window().AdapterState()->isVisible());
  EXPECT_EQ(Heard(root.Window().AdapterState()).toStdString(),
            "Netvane cannot look for the adapter. " + why);
  EXPECT_FALSE(root.Window().siteSurvey.Connect->isEnabled());
}

}  // namespace
}  // namespace netvane::gui
