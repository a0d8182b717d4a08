#include "platform/qt/SingleInstance.h"

#include <QLocalSocket>

#include "platform/system/PrivateFolder.h"
#include "platform/system/RefusalNotice.h"
#include "platform/userclient/Registry.h"

namespace netvane::qt {

namespace {
constexpr int kProbeMs = 1000;
const QByteArray kRaise = QByteArrayLiteral("raise\n");
}  // namespace

SingleInstance::SingleInstance(QString socketPath) : path_(std::move(socketPath)) {}

QString SingleInstance::DefaultSocketPath() {
  const std::string root = userclient::RegistryRoot();
  // In a folder someone else controls, their socket could answer the probe and keep Netvane
  // from starting: such a folder gives no path, and the instance runs unguarded.
  const auto folder = platform::EnsurePrivateFolder(root);
  if (!folder.ok) {
    platform::ReportRefusedOnce(folder.path, folder.reason);
    return {};
  }
  return QString::fromStdString(root) + QStringLiteral("/netvane-ui.sock");
}

bool SingleInstance::Claim() {
  if (path_.isEmpty()) return true;
  QLocalSocket probe;
  probe.connectToServer(path_);
  if (probe.waitForConnected(kProbeMs)) {
    probe.write(kRaise);
    probe.waitForBytesWritten(kProbeMs);
    probe.disconnectFromServer();
    return false;
  }
  // Nobody answers: a socket file left by an instance that died is taken over.
  QLocalServer::removeServer(path_);
  server_.setSocketOptions(QLocalServer::UserAccessOption);
  if (!server_.listen(path_)) return true;  // cannot guard; running beats refusing to start
  QObject::connect(&server_, &QLocalServer::newConnection, &server_, [this] {
    while (QLocalSocket* peer = server_.nextPendingConnection()) {
      QObject::connect(peer, &QLocalSocket::readyRead, peer, [this, peer] {
        if (peer->readAll().contains(kRaise) && activate_) activate_();
      });
      QObject::connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
    }
  });
  return true;
}

}  // namespace netvane::qt
