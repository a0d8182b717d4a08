#include "platform/qt/SessionBusProbe.h"

#include <unistd.h>

#include <QByteArray>
#include <QFileInfo>
#include <QUrl>
#include <cstdlib>

namespace netvane::qt {
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

}  // namespace

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
  QObject::connect(&socket_, &QLocalSocket::connected, &socket_, [this] {
    // The credentials byte, then the first step of the authentication the bus must answer.
    socket_.write(QByteArray(1, '\0') + "AUTH EXTERNAL " +
                  QByteArray::number(static_cast<qulonglong>(geteuid())).toHex() + "\r\n");
  });
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

}  // namespace netvane::qt
