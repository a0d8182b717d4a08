// Connection events: one per change of what the link status ticks see, the outcome of an
// automatic reconnection instead of a plain join, and the words of the history lines.
#include "status/ConnectionEvents.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "support/HostileNames.h"

namespace netvane {

void PrintTo(const ConnectionEvent& e, std::ostream* out) {
  *out << "{" << static_cast<int>(e.kind) << ", \"" << e.ssid << "\"}";
}

namespace {

using K = EventKind;
using S = LinkState;

LinkObservation In(LinkState state) {
  return {state, {}, 0};
}

LinkObservation Joined(const std::string& ssid, uint32_t quality = 80) {
  return {S::kJoined, ssid, quality};
}

struct Recorder {
  ConnectionWatcher watcher;
  std::vector<ConnectionEvent> events;
  Recorder() {
    watcher.AddSink([this](const ConnectionEvent& e) { events.push_back(e); });
  }
  std::vector<ConnectionEvent> Take() { return std::exchange(events, {}); }
};

using Events = std::vector<ConnectionEvent>;

TEST(ConnectionWatcherTest, TheNetworkAnAttemptDropsIsNotALossAndItsFailureIsSaidOnce) {
  Recorder r;
  r.watcher.Observe(Joined("Guest"));
  r.watcher.AttemptStarted();
  r.watcher.Observe(In(S::kDisconnected));
  r.watcher.Observe(In(S::kDisconnected));
  r.watcher.AttemptFailed("Home", "The key is probably wrong.");
  const Events failed{{K::kJoinFailed, "Home", "The key is probably wrong."}};
  EXPECT_EQ(r.Take(), failed);
  EXPECT_EQ(HistoryLine(failed[0], 0).substr(25),
            "Not connected: Could not join \u201cHome\u201d. The key is probably wrong.");

  // A join ends the attempt by itself, even before its page says so: the next drop is a loss.
  r.watcher.Observe(Joined("Guest"));
  r.watcher.AttemptStarted();
  r.watcher.Observe(Joined("Home"));
  r.watcher.Observe(In(S::kDisconnected));
  EXPECT_EQ(r.Take(), (Events{{K::kJoined, "Guest"}, {K::kJoined, "Home"}, {K::kLost, "Home"}}));
}

TEST(ConnectionWatcherTest, AReconnectionEndsInOneOutcome) {
  Recorder r;
  r.watcher.Observe(In(S::kNoAdapter));
  r.watcher.ReconnectStarted("Home");
  r.watcher.Observe(In(S::kNoAdapter));  // ticks without the adapter do not count
  r.watcher.Observe(Joined("Home"));
  r.watcher.Observe(Joined("Home"));
  EXPECT_EQ(r.Take(), (Events{{K::kAdapterFound, ""}, {K::kJoined, "Home"}}))
      << "the first appearance and the start-up join, once each";

  r.watcher.ReconnectStarted("Home");
  r.watcher.Observe(In(S::kDisconnected));  // left the old network: the outcome tells
  for (int tick = 2; tick < ConnectionWatcher::kReconnectTicks; ++tick) {
    r.watcher.Observe(In(S::kDisconnected));
  }
  EXPECT_EQ(r.Take(), Events{});
  r.watcher.Observe(In(S::kDisconnected));
  r.watcher.Observe(In(S::kDisconnected));
  EXPECT_EQ(r.Take(), (Events{{K::kReconnectFailed, "Home"}}));
  r.watcher.Observe(Joined("Home"));
  EXPECT_EQ(r.Take(), (Events{{K::kJoined, "Home"}})) << "a late join is an ordinary one";
}

TEST(ConnectionWatcherTest, AfterARemovalTheAdapterIsBackAndTheJoinIsAReconnection) {
  Recorder r;
  r.watcher.ReconnectStarted("Home");
  r.watcher.Observe(Joined("Home"));
  EXPECT_EQ(r.Take(), (Events{{K::kJoined, "Home"}})) << "present from the start: no adapter event";
  r.watcher.Observe(In(S::kNoAdapter));
  r.watcher.ReconnectStarted("Home");
  r.watcher.Observe(In(S::kDisconnected));
  r.watcher.Observe(Joined("Home"));
  EXPECT_EQ(r.Take(),
            (Events{{K::kAdapterRemoved, ""}, {K::kAdapterBack, ""}, {K::kReconnected, "Home"}}));
  EXPECT_EQ(WordsFor({K::kAdapterFound, ""}, "").summary, "Adapter found");
}

TEST(ConnectionWordsTest, NamesCannotBreakOrForgeAHistoryLine) {
  setenv("TZ", "UTC", 1);
  tzset();
  for (const auto& name : testing::HostileNames()) {
    SCOPED_TRACE(name.what);
    EXPECT_EQ(HistoryLine({K::kLost, name.bytes}, 1796619662),
              "2026-12-07T05:01:02+0000 Connection lost: The connection to \u201c" + name.shown +
                  "\u201d was lost.");
  }
}

}  // namespace
}  // namespace netvane
