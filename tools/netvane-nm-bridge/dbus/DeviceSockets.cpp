#include "dbus/DeviceSockets.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <cerrno>

#include "driverkit/Server.h"
#include "driverkit/ServiceLog.h"

namespace netvane::nmbridge {
namespace {

// Not a pause: the most a new server thread may take to bind before it counts as failed.
constexpr int kListenLimitMs = 2000;

}  // namespace

struct DeviceSockets::Running {
  std::unique_ptr<DeviceService> service;
  int stopFd = -1;
  std::thread thread;
  int code = 0;

  ~Running() {
    if (thread.joinable()) {
      const uint64_t one = 1;
      if (write(stopFd, &one, sizeof one) != sizeof one) {
        driverkit::ServiceWarning("cannot stop a socket thread");
      }
      thread.join();
    }
    if (stopFd >= 0) close(stopFd);
  }
};

DeviceSockets::DeviceSockets(std::string registryDir, const Snapshot& snapshot, NmActions& actions,
                             DenialLog& denials, DeviceServiceSettings settings,
                             int connectionTimeoutMs)
    : dir_(std::move(registryDir)),
      snapshot_(snapshot),
      actions_(actions),
      denials_(denials),
      settings_(std::move(settings)),
      connectionTimeoutMs_(connectionTimeoutMs) {}

DeviceSockets::~DeviceSockets() {
  RemoveAll();
}

bool DeviceSockets::Add(const std::string& devicePath, const std::string& interface) {
  Remove(devicePath);
  // The interface names a file in the registry: one plain path component.
  if (interface.empty() || interface.find('/') != std::string::npos || interface.front() == '.') {
    driverkit::ServiceWarning("not serving a device with the interface name \"" + interface + "\"");
    return false;
  }
  auto run = std::make_unique<Running>();
  run->service =
      std::make_unique<DeviceService>(snapshot_, devicePath, actions_, denials_, settings_);
  run->stopFd = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
  int ready[2] = {-1, -1};
  if (run->stopFd < 0 || pipe2(ready, O_CLOEXEC) != 0) {
    driverkit::ServiceWarning("cannot start a socket for " + interface);
    return false;
  }
  const std::string path = dir_ + "/" + interface + ".sock";
  driverkit::ServerSettings server{.readyFd = ready[1],
                                   .connectionTimeoutMs = connectionTimeoutMs_,
                                   .stopFd = run->stopFd,
                                   .ownSignals = false};
  Running* r = run.get();
  r->thread =
      std::thread([r, path, server] { r->code = driverkit::RunServer(path, *r->service, server); });
  // The server closes its end once listening, or exits (closing it too) when it cannot.
  pollfd p{ready[0], POLLIN, 0};
  char byte = 0;
  const bool listening = poll(&p, 1, kListenLimitMs) == 1 && read(ready[0], &byte, 1) == 1;
  close(ready[0]);
  if (!listening) {
    driverkit::ServiceWarning("cannot serve " + interface + " on " + path);
    return false;  // `run` stops the thread
  }
  driverkit::ServiceDebug("serving " + interface + " on " + path);
  running_[devicePath] = std::move(run);
  return true;
}

void DeviceSockets::Remove(const std::string& devicePath) {
  const auto found = running_.find(devicePath);
  if (found == running_.end()) return;
  running_.erase(found);  // stops the thread, which removes the socket file
  driverkit::ServiceDebug("stopped serving " + devicePath);
}

void DeviceSockets::RemoveAll() {
  running_.clear();
}

}  // namespace netvane::nmbridge
