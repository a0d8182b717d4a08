// One Netvane per user: two would fight over the driver and the preference files. Whoever holds
// the lock file <folder>/netvane-ui.lock runs and listens on <folder>/netvane-ui.sock; a later
// start asks it there to come to the front and leaves once it has said so. A running instance
// that does not answer (its window hangs) is reported instead of handed over to.
#pragma once

#include <QLocalServer>
#include <QString>
#include <functional>
#include <memory>

#include "platform/system/InstanceLock.h"

namespace netvane::gui {

class SingleInstance {
 public:
  enum class Outcome { kRun, kHandedOver, kNoAnswer };
  // How long a running instance has to acknowledge the request to come to the front.
  static constexpr int kAnswerMs = 2000;

  // `folder` empty: no guard (Claim always runs).
  explicit SingleInstance(QString folder, int answerMs = kAnswerMs);
  // The current user's registry folder; empty when that folder is not private.
  static QString DefaultFolder();

  // kRun: this process is the one instance. kHandedOver: another one runs and came to the
  // front. kNoAnswer: another one holds the lock but did not answer in time; one line on
  // standard error says so.
  Outcome Claim();
  void OnActivate(std::function<void()> activate) { activate_ = std::move(activate); }

 private:
  void Listen();
  bool AskToRaise(const QString& socketPath) const;

  QString folder_;
  int answerMs_;
  std::unique_ptr<system::InstanceLock> lock_;
  QLocalServer server_;
  std::function<void()> activate_;
};

}  // namespace netvane::gui
