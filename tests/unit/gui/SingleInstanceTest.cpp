// One window per user: the claim is a lock, so of two claims exactly one runs and the other
// hands over; a running instance that does not answer is reported, never handed over to.
#include "gui/SingleInstance.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QTimer>
#include <cstring>
#include <memory>
#include <string>

#include "platform/system/InstanceLock.h"
#include "support/LogRecorder.h"
#include "support/QtTestApp.h"
#include "support/TempFolder.h"

namespace netvane::gui {
namespace {

using Outcome = SingleInstance::Outcome;

class SingleInstanceTest : public ::testing::Test {
 protected:
  void SetUp() override { testing::QtTestApp(); }
  QString Folder() const { return QString::fromStdString(temp.Path()); }
  testing::TempFolder temp;
};

TEST_F(SingleInstanceTest, OfTwoClaimsOneRunsAndTheOtherRaisesIt) {
  int raised = 0;
  {
    SingleInstance first(Folder());
    SingleInstance second(Folder());
    first.OnActivate([&raised] { ++raised; });
    second.OnActivate([&raised] { raised += 100; });
    EXPECT_EQ(first.Claim(), Outcome::kRun);
    EXPECT_EQ(second.Claim(), Outcome::kHandedOver);
    EXPECT_EQ(raised, 1) << "the running one came to the front, once";
  }
  // The first is gone and its socket file is left behind: the next claim runs.
  SingleInstance next(Folder());
  EXPECT_EQ(next.Claim(), Outcome::kRun);
}

// Two starts at once: the second may ask before the first, holding the lock, listens. It tries
// again until the first answers, rather than taking a window still starting for a hung one.
TEST_F(SingleInstanceTest, ASecondStartWaitsForAFirstThatIsNotListeningYet) {
  auto lock = std::make_unique<system::InstanceLock>(temp.File("netvane-ui.lock"));
  ASSERT_EQ(lock->Get(), system::InstanceLock::State::kHeld);
  SingleInstance first(Folder());
  // Runs in the second's wait, after its first attempt found no socket.
  QTimer::singleShot(0, [&] {
    lock.reset();
    EXPECT_EQ(first.Claim(), Outcome::kRun);
  });
  SingleInstance second(Folder());
  EXPECT_EQ(second.Claim(), Outcome::kHandedOver);
}

// The holder of the lock accepts (the kernel does) but never reads: the window is hung.
TEST_F(SingleInstanceTest, AHolderThatDoesNotAnswerIsReportedNotHandedOver) {
  const int lock = open(temp.File("netvane-ui.lock").c_str(), O_RDWR | O_CREAT, 0600);
  ASSERT_EQ(flock(lock, LOCK_EX | LOCK_NB), 0);
  ASSERT_EQ(write(lock, "4242\n", 5), 5);
  const int listener = socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  const std::string path = temp.File("netvane-ui.sock");
  std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
  ASSERT_EQ(bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  ASSERT_EQ(listen(listener, 4), 0);

  SingleInstance second(Folder(), 50);
  testing::LogRecorder log;
  EXPECT_EQ(second.Claim(), Outcome::kNoAnswer);
  EXPECT_EQ(log.Text(),
            "netvane: Netvane is already running (process 4242) but does not answer; end that "
            "process and start again\n");
  close(listener);
  close(lock);
}

}  // namespace
}  // namespace netvane::gui
