// One Netvane per user: two would fight over the driver and the preference files. The first
// instance listens on a local socket in the user's registry folder; a later one connects, asks
// it to come to the front, and leaves.
#pragma once

#include <QLocalServer>
#include <QString>
#include <functional>

namespace netvane::qt {

class SingleInstance {
 public:
  explicit SingleInstance(QString socketPath);
  // The socket of the current user's registry folder; empty when that folder is not private
  // (Claim then runs unguarded).
  static QString DefaultSocketPath();

  // True when this process may run; false when another instance runs and has been told to come
  // to the front.
  bool Claim();
  void OnActivate(std::function<void()> activate) { activate_ = std::move(activate); }

 private:
  QString path_;
  QLocalServer server_;
  std::function<void()> activate_;
};

}  // namespace netvane::qt
