#include "status/ConnectionEvents.h"

#include "status/LinkFigures.h"
#include "text/SafeText.h"
#include "text/Translate.h"

namespace netvane {

void ConnectionWatcher::Emit(EventKind kind, const std::string& ssid, const std::string& detail) {
  if (kind == EventKind::kLost || kind == EventKind::kAdapterRemoved) interrupted_ = true;
  const ConnectionEvent event{kind, ssid, detail};
  for (const Sink& sink : sinks_) sink(event);
}

void ConnectionWatcher::AttemptFailed(const std::string& ssid, const std::string& reason) {
  attempting_ = false;
  Emit(EventKind::kJoinFailed, ssid, reason);
}

void ConnectionWatcher::ReconnectStarted(std::string ssid) {
  reconnecting_ = std::move(ssid);
  reconnectTicks_ = 0;
}

void ConnectionWatcher::Observe(const LinkObservation& now) {
  const bool present = now.state != LinkState::kNoAdapter;
  const bool joined = now.state == LinkState::kJoined;
  if (last_) {
    const bool wasPresent = last_->state != LinkState::kNoAdapter;
    const bool wasJoined = last_->state == LinkState::kJoined;
    if (wasPresent && !present) {
      Emit(EventKind::kAdapterRemoved, {});
      // A new bring-up starts its own reconnection.
      reconnecting_.reset();
    } else if (!wasPresent && present) {
      Emit(adapterSeen_ ? EventKind::kAdapterBack : EventKind::kAdapterFound, {});
    }
    // A pending reconnection reports for itself below.
    if (present && !reconnecting_) {
      if (joined && (!wasJoined || last_->ssid != now.ssid)) {
        Emit(EventKind::kJoined, now.ssid);
        // A new join ends an attempt whether or not its page has said so yet.
        attempting_ = false;
      } else if (!joined && wasJoined && wasPresent && !attempting_) {
        Emit(EventKind::kLost, last_->ssid);
      }
    }
  }
  if (reconnecting_ && present) {
    if (joined) {
      Emit(interrupted_ ? EventKind::kReconnected : EventKind::kJoined, now.ssid);
      reconnecting_.reset();
    } else if (++reconnectTicks_ >= kReconnectTicks) {
      Emit(EventKind::kReconnectFailed, *reconnecting_);
      reconnecting_.reset();
    }
  }
  adapterSeen_ = adapterSeen_ || present;
  last_ = now;
}

EventWords WordsFor(const ConnectionEvent& event, const std::string& ssidText) {
  switch (event.kind) {
    case EventKind::kJoined:
      return {text::Tr("ConnectionEvents", "Connected"),
              text::Arg(text::Tr("ConnectionEvents", "Joined “%1”."), {ssidText})};
    case EventKind::kLost:
      return {
          text::Tr("ConnectionEvents", "Connection lost"),
          text::Arg(text::Tr("ConnectionEvents", "The connection to “%1” was lost."), {ssidText})};
    case EventKind::kAdapterRemoved:
      return {text::Tr("ConnectionEvents", "Adapter removed"),
              text::Tr("ConnectionEvents", "The wireless adapter is no longer there.")};
    case EventKind::kAdapterFound:
      return {text::Tr("ConnectionEvents", "Adapter found"),
              text::Tr("ConnectionEvents", "The wireless adapter is ready.")};
    case EventKind::kAdapterBack:
      return {text::Tr("ConnectionEvents", "Adapter back"),
              text::Tr("ConnectionEvents", "The wireless adapter is there again.")};
    case EventKind::kReconnected:
      return {text::Tr("ConnectionEvents", "Reconnected"),
              text::Arg(text::Tr("ConnectionEvents", "The active profile joined “%1” again."),
                        {ssidText})};
    case EventKind::kReconnectFailed:
      return {text::Tr("ConnectionEvents", "Reconnection failed"),
              text::Arg(text::Tr("ConnectionEvents", "The active profile could not join “%1”."),
                        {ssidText})};
    case EventKind::kJoinFailed:
      // The summary carries no name: a notification's summary is never escaped.
      return {text::Tr("ConnectionEvents", "Not connected"),
              event.detail.empty()
                  ? text::Arg(text::Tr("ConnectionEvents", "Could not join “%1”."), {ssidText})
                  : text::Arg(text::Tr("ConnectionEvents", "Could not join “%1”. %2"),
                              {ssidText, event.detail})};
  }
  return {};
}

std::string LinkSummary(const LinkObservation& link, const std::string& ssidText) {
  switch (link.state) {
    case LinkState::kNoAdapter:
      return text::Tr("ConnectionEvents", "No adapter");
    case LinkState::kRadioOff:
      return text::Tr("ConnectionEvents", "Radio off");
    case LinkState::kDisconnected:
      return text::Tr("ConnectionEvents", "Disconnected");
    case LinkState::kJoined:
      break;
  }
  std::string grade = ShownQualityGrade(link.linkQuality);
  while (!grade.empty() && grade.back() == ' ') grade.pop_back();
  return text::Arg(text::Tr("ConnectionEvents", "%1: link quality %2% (%3)"),
                   {ssidText, std::to_string(link.linkQuality), grade});
}

std::string HistoryLine(const ConnectionEvent& event, std::time_t when) {
  std::tm local{};
  localtime_r(&when, &local);
  char stamp[32];
  if (std::strftime(stamp, sizeof stamp, "%Y-%m-%dT%H:%M:%S%z", &local) == 0) stamp[0] = '\0';
  const EventWords words = WordsFor(event, text::EscapedText(event.ssid));
  // The line holds the words as shown when it was written: the history is read back as it is,
  // so lines written in another language stay readable too.
  return std::string(stamp) + " " +
         text::Arg(text::Tr("ConnectionEvents", "%1: %2"), {words.summary, words.body});
}

}  // namespace netvane
