// One connection attempt watched on the site survey page's ticks: it ends when the adapter
// joins the network, or after about 15 seconds without a join with the likely reason, once.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "driver/Records.h"

namespace netvane {

// Why a join did not happen, as far as the driver's answers tell.
enum class JoinProblem : uint8_t {
  kUnknown,     // an open network that never associated
  kWrongKey,    // a WEP or WPA network, still in the scan, that never associated
  kNotInRange,  // the network is no longer in the scan
};

// The network an attempt is for, as the connection record names it.
struct JoinTarget {
  std::string ssid;                         // bytes; may be empty for one joined by BSSID
  std::array<uint8_t, kMacLength> bssid{};  // all zero when not known
  bool secured = false;                     // a key was sent with it
  bool Matches(const std::string& otherSsid, const uint8_t* otherBssid) const;
};

// What the page tells the rest of the program about an attempt.
struct JoinReport {
  enum class Kind : uint8_t { kStarted, kJoined, kFailed };
  Kind kind = Kind::kStarted;
  std::string ssid;  // bytes
  JoinProblem problem = JoinProblem::kUnknown;
};
using JoinObserver = std::function<void(const JoinReport&)>;

// "The key is probably wrong." and the like: a sentence for the problem.
std::string JoinProblemText(JoinProblem problem);
// "Could not join “name”. The key is probably wrong." with the name escaped.
std::string JoinFailureLine(const JoinReport& report);

class JoinWatch {
 public:
  static constexpr double kGiveUpSeconds = 15.0;

  // `tickSeconds` is the period of the ticks the watch is given.
  explicit JoinWatch(double tickSeconds);

  void Start(JoinTarget target);
  bool Watching() const { return target_.has_value(); }

  // One tick; `joined` whether the adapter is joined to the target now, `inScan` whether the
  // current scan list holds it. Returns the outcome once: joined, or failed with its problem.
  std::optional<JoinReport> Tick(bool joined, bool inScan);
  // True on the one tick half-way through an attempt still waiting: time for a fresh scan, so
  // the verdict reads a list that is not older than the attempt.
  bool LookAgainNow() const { return Watching() && ticks_ == giveUpTicks_ / 2; }
  const std::optional<JoinTarget>& Target() const { return target_; }

 private:
  int giveUpTicks_;
  int ticks_ = 0;
  std::optional<JoinTarget> target_;
};

}  // namespace netvane
