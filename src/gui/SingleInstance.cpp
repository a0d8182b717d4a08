#include "gui/SingleInstance.h"

#include <QEventLoop>
#include <QLocalSocket>
#include <QTimer>

#include "platform/system/Log.h"
#include "platform/system/PrivateFolder.h"
#include "platform/system/RefusalNotice.h"
#include "platform/userclient/Registry.h"

namespace netvane::gui {

namespace {
// Between taking the lock and listening the holder has no socket yet: try connecting again.
constexpr int kRetryMs = 50;
const QByteArray kRaise = QByteArrayLiteral("raise\n");
const QByteArray kRaised = QByteArrayLiteral("raised\n");
}  // namespace

SingleInstance::SingleInstance(QString folder, int answerMs)
    : folder_(std::move(folder)), answerMs_(answerMs) {}

QString SingleInstance::DefaultFolder() {
  const std::string root = userclient::RegistryRoot();
  // In a folder someone else controls, their lock or socket could keep Netvane from starting:
  // such a folder gives no guard, and the instance runs unguarded.
  const auto folder = system::EnsurePrivateFolder(root);
  if (!folder.ok) {
    system::ReportRefusedOnce(folder.path, folder.reason);
    return {};
  }
  return QString::fromStdString(root);
}

SingleInstance::Outcome SingleInstance::Claim() {
  if (folder_.isEmpty()) return Outcome::kRun;
  lock_ = std::make_unique<system::InstanceLock>((folder_ + "/netvane-ui.lock").toStdString());
  const QString socketPath = folder_ + QStringLiteral("/netvane-ui.sock");
  switch (lock_->Get()) {
    case system::InstanceLock::State::kHeld:
      // Only the holder gets here, so a socket file left by one that died is safe to replace.
      QLocalServer::removeServer(socketPath);
      server_.setSocketOptions(QLocalServer::UserAccessOption);
      if (server_.listen(socketPath)) Listen();  // else: running beats refusing to start
      return Outcome::kRun;
    case system::InstanceLock::State::kUnavailable:
      return Outcome::kRun;  // cannot guard; running beats refusing to start
    case system::InstanceLock::State::kBusy:
      break;
  }
  if (AskToRaise(socketPath)) return Outcome::kHandedOver;
  const long holder = lock_->Holder();
  system::LogError(system::LogCategory::kGui,
                   "netvane: Netvane is already running" +
                       (holder > 0 ? " (process " + std::to_string(holder) + ")" : std::string()) +
                       " but does not answer; end that process and start again");
  return Outcome::kNoAnswer;
}

void SingleInstance::Listen() {
  QObject::connect(&server_, &QLocalServer::newConnection, &server_, [this] {
    while (QLocalSocket* peer = server_.nextPendingConnection()) {
      QObject::connect(peer, &QLocalSocket::readyRead, peer, [this, peer] {
        if (!peer->readAll().contains(kRaise)) return;
        if (activate_) activate_();
        // The answer tells the new start that this window is alive, not hung.
        peer->write(kRaised);
        peer->flush();
      });
      QObject::connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
    }
  });
}

bool SingleInstance::AskToRaise(const QString& socketPath) const {
  // An event loop of its own, so that a holder in this very process (tests) can answer too.
  QEventLoop loop;
  QLocalSocket socket;
  QByteArray answer;
  bool raised = false;
  QTimer deadline;
  deadline.setSingleShot(true);
  QObject::connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
  QObject::connect(&socket, &QLocalSocket::connected, &loop, [&socket] { socket.write(kRaise); });
  QObject::connect(&socket, &QLocalSocket::readyRead, &loop, [&] {
    answer += socket.readAll();
    if (answer.contains(kRaised)) {
      raised = true;
      loop.quit();
    }
  });
  // The error comes while the socket still says it is connecting: the retry starts it afresh.
  QObject::connect(&socket, &QLocalSocket::errorOccurred, &loop, [&socket, &socketPath] {
    QTimer::singleShot(kRetryMs, &socket, [&socket, &socketPath] {
      if (socket.state() == QLocalSocket::ConnectedState) return;
      socket.abort();
      socket.connectToServer(socketPath);
    });
  });
  deadline.start(answerMs_);
  socket.connectToServer(socketPath);
  loop.exec();
  return raised;
}

}  // namespace netvane::gui
