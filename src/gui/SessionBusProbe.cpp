#include "gui/SessionBusProbe.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QByteArray>
#include <QFileInfo>
#include <QUrl>
#include <cstddef>
#include <cstdlib>
#include <cstring>

#include "platform/system/UniqueFd.h"
#include "platform/userclient/SocketIo.h"

namespace netvane::gui {
namespace {

// "unix:path=/run/user/1000/bus,guid=..." or "unix:abstract=/tmp/dbus-x": values are
// percent-escaped.
std::optional<BusSocket> UnixSocketOf(const QString& entry) {
  if (!entry.startsWith(QStringLiteral("unix:"))) return std::nullopt;
  for (const QString& pair : entry.mid(5).split(u',')) {
    const qsizetype equals = pair.indexOf(u'=');
    if (equals < 0) continue;
    const QString key = pair.left(equals);
    const QString value = QUrl::fromPercentEncoding(pair.mid(equals + 1).toUtf8());
    if (value.isEmpty()) continue;
    if (key == QStringLiteral("path")) return BusSocket{value, false};
    if (key == QStringLiteral("abstract")) return BusSocket{value, true};
  }
  return std::nullopt;
}

QByteArray FirstAuthLine() {
  // The credentials byte, then the first step of the authentication the bus must answer.
  return QByteArray(1, '\0') + "AUTH EXTERNAL " +
         QByteArray::number(static_cast<qulonglong>(geteuid())).toHex() + "\r\n";
}

}  // namespace

bool SessionBusAnswersWithin(int deadlineMs) {
  const std::optional<BusSocket> bus = SessionBusSocket();
  if (!bus) return false;
  const QByteArray name = bus->name.toLocal8Bit();
  const auto size = static_cast<std::size_t>(name.size());
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  const std::size_t start = bus->abstract ? 1 : 0;  // an abstract name starts with a zero byte
  if (size + start >= sizeof address.sun_path) return false;
  std::memcpy(address.sun_path + start, name.constData(), size);
  const auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + start + size +
                                             (bus->abstract ? 0 : 1));
  // Non-blocking: a listener whose queue is full fails at once instead of holding us.
  const system::UniqueFd fd(socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
  if (fd.Get() < 0) return false;
  const userclient::Deadline deadline(deadlineMs);
  if (connect(fd.Get(), reinterpret_cast<const sockaddr*>(&address), length) != 0) return false;
  const QByteArray line = FirstAuthLine();
  if (!userclient::WriteAll(fd.Get(), line.constData(), static_cast<std::size_t>(line.size()),
                            deadline)) {
    return false;
  }
  char answer = 0;
  return userclient::ReadAtLeast(fd.Get(), &answer, 1, 1, deadline) > 0;
}

std::optional<BusSocket> SessionBusSocket() {
  const QString address = qEnvironmentVariable("DBUS_SESSION_BUS_ADDRESS");
  if (!address.isEmpty()) {
    for (const QString& entry : address.split(u';', Qt::SkipEmptyParts)) {
      if (auto socket = UnixSocketOf(entry)) return socket;
    }
    return std::nullopt;
  }
  const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
  const QString bus = runtime + QStringLiteral("/bus");
  if (!runtime.isEmpty() && QFileInfo::exists(bus)) return BusSocket{bus, false};
  return std::nullopt;
}

SessionBusProbe::SessionBusProbe(int deadlineMs, std::function<void(bool answered)> done)
    : done_(std::move(done)) {
  const std::optional<BusSocket> bus = SessionBusSocket();
  if (!bus) {
    // Reported from the event loop like every other outcome.
    QTimer::singleShot(0, &socket_, [this] { Finish(false); });
    return;
  }
  deadline_.setSingleShot(true);
  QObject::connect(&deadline_, &QTimer::timeout, &socket_, [this] { Finish(false); });
  QObject::connect(&socket_, &QLocalSocket::connected, &socket_,
                   [this] { socket_.write(FirstAuthLine()); });
  QObject::connect(&socket_, &QLocalSocket::readyRead, &socket_, [this] {
    if (socket_.canReadLine()) Finish(true);
  });
  QObject::connect(&socket_, &QLocalSocket::errorOccurred, &socket_, [this] { Finish(false); });
  if (bus->abstract) socket_.setSocketOptions(QLocalSocket::AbstractNamespaceOption);
  deadline_.start(deadlineMs);
  socket_.connectToServer(bus->name);
}

void SessionBusProbe::Finish(bool answered) {
  if (!done_) return;
  deadline_.stop();
  const std::function<void(bool)> done = std::move(done_);
  done_ = nullptr;
  QObject::disconnect(&socket_, nullptr, nullptr, nullptr);
  socket_.abort();
  done(answered);
}

}  // namespace netvane::gui
