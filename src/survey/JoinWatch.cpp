#include "survey/JoinWatch.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "text/SafeText.h"
#include "text/Translate.h"

namespace netvane {

bool JoinTarget::Matches(const std::string& otherSsid, const uint8_t* otherBssid) const {
  if (!ssid.empty() && ssid == otherSsid) return true;
  const bool known = std::any_of(bssid.begin(), bssid.end(), [](uint8_t b) { return b != 0; });
  return known && std::memcmp(bssid.data(), otherBssid, kMacLength) == 0;
}

std::string JoinProblemText(JoinProblem problem) {
  switch (problem) {
    case JoinProblem::kWrongKey:
      return text::Tr("JoinWatch", "The key is probably wrong.");
    case JoinProblem::kNotInRange:
      return text::Tr("JoinWatch", "The network is not in range.");
    case JoinProblem::kUnknown:
      break;
  }
  return text::Tr("JoinWatch", "The network did not accept the adapter.");
}

std::string JoinFailureLine(const JoinReport& report) {
  return text::Arg(text::Tr("SiteSurveyPage", "Could not join “%1”. %2"),
                   {text::EscapedText(report.ssid), JoinProblemText(report.problem)});
}

JoinWatch::JoinWatch(double tickSeconds)
    : giveUpTicks_(std::max(1, static_cast<int>(std::ceil(kGiveUpSeconds / tickSeconds)))) {}

void JoinWatch::Start(JoinTarget target) {
  target_ = std::move(target);
  ticks_ = 0;
}

std::optional<JoinReport> JoinWatch::Tick(bool joined, bool inScan) {
  if (!target_) return std::nullopt;
  JoinReport report{JoinReport::Kind::kJoined, target_->ssid, JoinProblem::kUnknown};
  if (!joined) {
    if (++ticks_ < giveUpTicks_) return std::nullopt;
    report.kind = JoinReport::Kind::kFailed;
    if (!inScan) {
      report.problem = JoinProblem::kNotInRange;
    } else if (target_->secured) {
      report.problem = JoinProblem::kWrongKey;
    }
  }
  target_.reset();
  return report;
}

}  // namespace netvane
