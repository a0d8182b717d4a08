// Connection events from what the link status page sees each tick: joined, lost, the adapter
// removed and back, and the outcome of an automatic reconnection. One event per change, never
// one per tick; the desktop notifications, the event history and the tray all hear the same.
#pragma once

#include <cstdint>
#include <ctime>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace netvane {

enum class LinkState : uint8_t { kNoAdapter, kRadioOff, kDisconnected, kJoined };

// One tick of the link status page.
struct LinkObservation {
  LinkState state = LinkState::kNoAdapter;
  std::string ssid;          // the joined network's name (bytes); empty otherwise
  uint32_t linkQuality = 0;  // the smoothed percentage while joined
};

enum class EventKind : uint8_t {
  kJoined,
  kLost,
  kAdapterRemoved,
  kAdapterBack,
  kReconnected,
  kReconnectFailed,
  kJoinFailed,
  kAdapterFound  // the first time this run sees the adapter
};

struct ConnectionEvent {
  EventKind kind = EventKind::kJoined;
  std::string ssid;         // bytes; empty for the adapter's own events
  std::string detail = {};  // a failed join's likely reason, as a sentence
  bool operator==(const ConnectionEvent&) const = default;
};

class ConnectionWatcher {
 public:
  // Eight ticks of the adapter being there (16 seconds) for a reconnection to join.
  static constexpr int kReconnectTicks = 8;
  using Sink = std::function<void(const ConnectionEvent&)>;

  void AddSink(Sink sink) { sinks_.push_back(std::move(sink)); }
  // The first observation is where things stand, not a change.
  void Observe(const LinkObservation& now);
  // The active profile was applied again by itself (start-up, the adapter back): the next join
  // is its success ("Connected" at start-up, "Reconnected" once a link or the adapter was
  // lost), and no join within kReconnectTicks its failure.
  void ReconnectStarted(std::string ssid);
  // A connection attempt the person started: the old network it drops is not a loss. It lasts
  // until AttemptJoined or AttemptFailed, which says so once.
  void AttemptStarted() { attempting_ = true; }
  void AttemptJoined() { attempting_ = false; }
  void AttemptFailed(const std::string& ssid, const std::string& reason);

 private:
  void Emit(EventKind kind, const std::string& ssid, const std::string& detail = {});

  std::optional<LinkObservation> last_;
  std::optional<std::string> reconnecting_;
  int reconnectTicks_ = 0;
  bool attempting_ = false;
  bool adapterSeen_ = false;
  bool interrupted_ = false;  // a connection lost or the adapter removed since start
  std::vector<Sink> sinks_;
};

struct EventWords {
  std::string summary;
  std::string body;
};

// The event in words; `ssidText` is the network's name as the caller shows it.
EventWords WordsFor(const ConnectionEvent& event, const std::string& ssidText);

// The link in a few words for the tray: "CorvaneHome: link quality 85% (GOOD)", "Disconnected",
// "Radio off", "No adapter"; `ssidText` is the network's name as the caller shows it.
std::string LinkSummary(const LinkObservation& link, const std::string& ssidText);

// "2026-12-07T05:01:02+0100 Connected: Joined “CorvaneHome”." in local time; the name escaped
// (text::EscapedText), so no name can break the line, reorder it or forge another.
std::string HistoryLine(const ConnectionEvent& event, std::time_t when);

}  // namespace netvane
