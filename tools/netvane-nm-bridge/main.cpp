// netvane-nm-bridge: the driver service of the Wi-Fi devices NetworkManager manages. The main
// thread follows NetworkManager on the system bus; each device's socket answers on a thread of
// its own from what was last read.
#include <pwd.h>
#include <signal.h>
#include <sys/signalfd.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDBusConnection>
#include <QSocketNotifier>
#include <cstdio>
#include <string>

#include "Options.h"
#include "core/DenialLog.h"
#include "core/DeviceService.h"
#include "core/Snapshot.h"
#include "dbus/DeviceSockets.h"
#include "dbus/NmCalls.h"
#include "dbus/NmWatcher.h"
#include "driverkit/DriverInfoFile.h"
#include "driverkit/ServiceLog.h"
#include "platform/userclient/Protocol.h"
#include "platform/userclient/Registry.h"

namespace {

constexpr int kExitFailure = 1;

std::string EffectiveUserName() {
  const passwd* pw = getpwuid(geteuid());
  return pw != nullptr && pw->pw_name != nullptr ? std::string(pw->pw_name)
                                                 : std::to_string(geteuid());
}

// "iwlwifi 6.1.0 (firmware 1.2.3)": what Netvane shows as the driver's version.
std::string DriverVersionText(const netvane::nmbridge::DeviceState& device) {
  std::string text = device.driver.empty() ? std::string("NetworkManager") : device.driver;
  if (!device.driverVersion.empty()) text += " " + device.driverVersion;
  if (!device.firmwareVersion.empty()) text += " (firmware " + device.firmwareVersion + ")";
  return text;
}

void SignalReady(int fd) {
  if (fd < 0) return;
  const char nl = '\n';
  if (write(fd, &nl, 1) != 1) netvane::driverkit::ServiceWarning("cannot write the ready byte");
  close(fd);
}

}  // namespace

int main(int argc, char** argv) {
  using namespace netvane;
  const nmbridge::ParsedOptions parsed = nmbridge::ParseOptions(argc, argv);
  if (!parsed.options) {
    std::fputs(parsed.text.c_str(), parsed.exitCode == 0 ? stdout : stderr);
    return parsed.exitCode;
  }
  const nmbridge::Options& options = *parsed.options;
  driverkit::SetServiceLog("netvane-nm-bridge", options.verbose);

  // Before any thread starts, so every socket thread inherits the mask and the stop signals
  // reach the main thread's signalfd alone.
  sigset_t stops;
  sigemptyset(&stops);
  sigaddset(&stops, SIGTERM);
  sigaddset(&stops, SIGINT);
  pthread_sigmask(SIG_BLOCK, &stops, nullptr);
  signal(SIGPIPE, SIG_IGN);
  const int stopFd = signalfd(-1, &stops, SFD_CLOEXEC | SFD_NONBLOCK);

  if (const auto registry = userclient::EnsureServiceClassDir(userclient::kWirelessDriverClass);
      !registry.ok) {
    std::fprintf(stderr, "netvane-nm-bridge: cannot use the registry folder %s: %s\n",
                 registry.path.c_str(), registry.reason.c_str());
    return kExitFailure;
  }
  const std::string dir = userclient::ServiceClassDir(userclient::kWirelessDriverClass);

  QCoreApplication app(argc, argv);
  QDBusConnection bus = QDBusConnection::systemBus();
  if (!bus.isConnected()) {
    std::fprintf(stderr, "netvane-nm-bridge: cannot reach the system bus: %s\n",
                 bus.lastError().message().toLocal8Bit().constData());
    return kExitFailure;
  }
  QSocketNotifier stopNotifier(stopFd, QSocketNotifier::Read);
  QObject::connect(&stopNotifier, &QSocketNotifier::activated, &app, [&app] { app.quit(); });

  nmbridge::Snapshot snapshot;
  nmbridge::DenialLog denials(
      [](const std::string& line) { std::fprintf(stderr, "%s\n", line.c_str()); });
  QObject dbusThread;
  nmbridge::NmCalls calls(dbusThread, bus, denials);
  nmbridge::DeviceSockets sockets(
      dir, snapshot, calls, denials,
      // A set waits for NetworkManager at most four fifths of the connection's deadline, so
      // its refusal still reaches the client in time.
      {.sysfsRoot = options.sysfsRoot,
       .userName = EffectiveUserName(),
       .actionWaitMs = static_cast<uint32_t>(options.connectionTimeoutMs) / 5 * 4},
      options.connectionTimeoutMs);
  nmbridge::NmWatcher watcher(
      bus, snapshot, denials, options.instance,
      {.up =
           [&](const nmbridge::DeviceState& device) {
             // Whichever service starts last describes the driver; the date is this build's.
             const auto date =
                 driverkit::ParseDate(NETVANE_BUILD_DATE).value_or(driverkit::Date{1970, 1, 1});
             if (std::string reason;
                 !driverkit::WriteDriverInfo(dir, DriverVersionText(device), date, reason)) {
               driverkit::ServiceWarning("cannot write " + reason);
             }
             sockets.Add(device.path, device.interface);
           },
       .down = [&](const std::string& path) { sockets.Remove(path); }});
  watcher.Start();
  SignalReady(options.readyFd);
  const int code = app.exec();
  sockets.RemoveAll();
  driverkit::RemoveDriverInfo(dir);
  close(stopFd);
  return code;
}
