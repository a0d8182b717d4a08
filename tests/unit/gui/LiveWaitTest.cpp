// The window stays live while it waits, on the scan and on a silent driver: posted work and
// assistive tools are served, the keyboard is held back until the wait ends, and neither the
// page timers nor a press from a screen reader start a driver request in the middle of one.
// Time is moved by hand.
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QAccessible>
#include <QKeyEvent>
#include <QTest>
#include <vector>

#include "driver/Oids.h"
#include "fake_driver/FakeUserClient.h"
#include "gui/CompositionRoot.h"
#include "gui/LiveIoClock.h"
#include "support/QtTestApp.h"
#include "support/ScriptedIoClock.h"
#include "support/TempFolder.h"

namespace netvane {
namespace {

// Records when the keys sent to a widget arrive.
class KeyLog : public QObject {
 public:
  explicit KeyLog(std::function<void()> onKey) : onKey_(std::move(onKey)) {}

 protected:
  bool eventFilter(QObject* /*watched*/, QEvent* event) override {
    if (event->type() == QEvent::KeyPress) onKey_();
    return false;
  }

 private:
  std::function<void()> onKey_;
};

class LiveWaitTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { testing::QtTestApp(); }

  std::vector<uint32_t> Selectors() const {
    std::vector<uint32_t> out;
    for (const testing::FakeCall& call : driver.StructCalls()) out.push_back(call.selector);
    return out;
  }

  testing::FakeUserClient driver;
  testing::TempFolder prefs;
  testing::ScriptedIoClock clock;
  gui::CompositionRoot root{{&driver, {}, prefs.Path(), {prefs.Path() + "/state", {}}, &clock}};
};

TEST_F(LiveWaitTest, TheScansWaitServesPostedWorkButNotKeysTimersOrPresses) {
  root.SetUp();
  gui::MainWindow& window = root.Window();
  window.show();
  QTableView* list = window.siteSurvey.ApList;

  std::vector<uint32_t> seenByPosted;
  QString heard;
  QMetaObject::invokeMethod(
      &window,
      [&] {
        seenByPosted = Selectors();
        heard = QAccessible::queryAccessibleInterface(&window)->text(QAccessible::Name);
      },
      Qt::QueuedConnection);
  std::vector<int64_t> keysAt;
  KeyLog keys([&] { keysAt.push_back(clock.NowMs()); });
  list->installEventFilter(&keys);
  QCoreApplication::postEvent(list, new QKeyEvent(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier));

  std::size_t callsBeforeTicks = 0;
  std::size_t callsAfterTicks = 0;
  const int64_t start = clock.NowMs();
  clock.At(start + 1000, [&] {
    callsBeforeTicks = driver.calls.size();
    for (gui::QtRepeatingTimer* t : root.Timers()) t->OnTimeout();
    QAccessibleInterface* rescan = QAccessible::queryAccessibleInterface(window.siteSurvey.Rescan);
    rescan->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    callsAfterTicks = driver.calls.size();
  });
  driver.calls.clear();
  QTest::mouseClick(window.siteSurvey.Rescan, Qt::LeftButton);
  EXPECT_EQ(clock.NowMs(), start + 2000) << "the wait is as long as before";

  // The posted call ran after the scan was started and before its list was asked for.
  ASSERT_FALSE(seenByPosted.empty());
  EXPECT_EQ(seenByPosted.back(), SetForm(OID_802_11_BSSID_LIST_SCAN));
  EXPECT_EQ(heard, window.windowTitle());
  EXPECT_GT(callsBeforeTicks, 0U);
  EXPECT_EQ(callsAfterTicks, callsBeforeTicks) << "no request started inside the wait";
  EXPECT_TRUE(keysAt.empty()) << "the key waited";
  EXPECT_FALSE(root.Modal().Active());

  QCoreApplication::processEvents();
  EXPECT_EQ(keysAt, std::vector<int64_t>{start + 2000}) << "the key arrives once, after the wait";
}

// A driver that answers at once leaves the window alone; a silent one has it live until it
// answers, and the answer ends the wait as soon as it is there.
TEST_F(LiveWaitTest, ASilentDriversRequestKeepsTheWindowLiveUntilItAnswers) {
  int pair[2];
  ASSERT_EQ(socketpair(AF_UNIX, SOCK_STREAM, 0, pair), 0);
  gui::ModalDepth depth;
  gui::LiveIoClock live(depth, clock);
  int postedRuns = 0;
  bool modalWhilePosted = false;
  const auto post = [&] {
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [&] {
          ++postedRuns;
          modalWhilePosted = depth.Active();
        },
        Qt::QueuedConnection);
  };

  post();
  clock.At(5, [&] { ASSERT_EQ(write(pair[1], "x", 1), 1); });
  pollfd quick{pair[0], POLLIN, 0};
  EXPECT_EQ(live.Poll(quick, 5000), 1);
  EXPECT_EQ(postedRuns, 0) << "a quick answer is not a wait";
  char byte = 0;
  ASSERT_EQ(read(pair[0], &byte, 1), 1);

  clock.At(1500, [&] { ASSERT_EQ(write(pair[1], "x", 1), 1); });
  pollfd slow{pair[0], POLLIN, 0};
  EXPECT_EQ(live.Poll(slow, 5000), 1);
  EXPECT_EQ(postedRuns, 1);
  EXPECT_TRUE(modalWhilePosted);
  EXPECT_LE(clock.NowMs(), 1500 + gui::LiveIoClock::kSliceMs);
  EXPECT_FALSE(depth.Active());

  // A driver that never answers: the wait ends at the deadline with nothing ready.
  const int64_t start = clock.NowMs();
  pollfd silent{pair[0], POLLIN, 0};
  ASSERT_EQ(read(pair[0], &byte, 1), 1);
  EXPECT_EQ(live.Poll(silent, 5000), 0);
  EXPECT_EQ(clock.NowMs() - start, 5000);
  close(pair[0]);
  close(pair[1]);
}

// A rescan and the tick after it ask the driver the same things, in the same order, whether the
// scan's wait keeps the window live or blocks.
TEST_F(LiveWaitTest, ALiveScanWaitSendsWhatABlockingOneSends) {
  const auto rescanAndTick = [](gui::CompositionRoot& on, testing::FakeUserClient& to) {
    on.SetUp();
    to.calls.clear();
    QTest::mouseClick(on.Window().siteSurvey.Rescan, Qt::LeftButton);
    for (gui::QtRepeatingTimer* t : on.Timers()) t->OnTimeout();
    std::vector<uint32_t> sent;
    for (const testing::FakeCall& call : to.StructCalls()) sent.push_back(call.selector);
    return sent;
  };
  testing::FakeUserClient blockingDriver;
  gui::CompositionRoot blocking{
      {&blockingDriver, [](unsigned) {}, prefs.Path(), {prefs.Path() + "/state", {}}}};
  const std::vector<uint32_t> sent = rescanAndTick(blocking, blockingDriver);
  ASSERT_FALSE(sent.empty());
  EXPECT_EQ(rescanAndTick(root, driver), sent);
}

}  // namespace
}  // namespace netvane
