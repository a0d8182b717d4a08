// UserClientApi over the service registry folder and Unix stream sockets: a service is a
// socket file, opening it connects (to a server of our own user or root only), calls are framed
// requests, and a connection has 5 seconds in all.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <variant>
#include <vector>

#include "platform/system/RefusalNotice.h"
#include "platform/userclient/Protocol.h"
#include "platform/userclient/Registry.h"
#include "platform/userclient/SocketIo.h"
#include "platform/userclient/UserClientApi.h"

namespace netvane::userclient {

class SocketUserClient : public UserClientApi {
 public:
  // `timeoutMs` bounds each connection as a whole: the connect, the structure call and the
  // scalar call after it share one deadline, so a driver that stops answering or trickles its
  // reply fails the request then. The deadline is counted on `clock`, which must outlive the
  // client.
  explicit SocketUserClient(int timeoutMs = kIoTimeoutSeconds * 1000,
                            IoClock& clock = SteadyIoClock())
      : timeoutMs_(timeoutMs), clock_(clock) {}
  ~SocketUserClient() override;

  KernReturn MasterPort(Handle* port) override;
  Handle ServiceMatching(const char* className) override;
  KernReturn GetMatchingServices(Handle port, Handle matching, Handle* iterator) override;
  Handle IteratorNext(Handle iterator) override;
  KernReturn ServiceOpen(Handle service, uint32_t type, Handle* connection) override;
  KernReturn StructureCall(Handle connection, uint32_t selector, const void* in, uint32_t inLength,
                           void* out, uint32_t* outLength) override;
  KernReturn ScalarCall(Handle connection, uint32_t selector) override;
  KernReturn ServiceClose(Handle connection) override;
  KernReturn ObjectRelease(Handle object) override;
  KernReturn PortDeallocate(Handle port) override;

  // Only the service `<name>.sock` is listed from now on; empty lists every service again.
  void SetInstance(std::string name) { instance_ = std::move(name); }

  // Where a refused registry folder or driver socket goes (its path and the reason): by default
  // one line on standard error per path and process. A front end that reports it its own way
  // (the command line's one line, the window's alert) passes its own.
  using RefusalReport = std::function<void(const std::string& path, const std::string& reason)>;
  void OnRefusal(RefusalReport report) { report_ = std::move(report); }

  // Handles currently alive (tests check that nothing leaks).
  std::size_t LiveHandles() const { return objects_.size(); }

 private:
  struct Port {};
  struct Matching {
    std::string className;
  };
  struct Iterator {
    std::vector<std::string> paths;
    std::size_t next = 0;
  };
  struct Service {
    std::string path;
  };
  struct Connection {
    int fd = -1;
    Deadline deadline;
  };
  using Object = std::variant<Port, Matching, Iterator, Service, Connection>;

  Handle Add(Object object);
  template <typename T>
  T* Find(Handle h);

  std::map<Handle, Object> objects_;
  Handle nextHandle_ = 0x1000;
  int timeoutMs_;
  IoClock& clock_;
  ServiceDirectory services_;
  std::string instance_;
  RefusalReport report_ = system::ReportRefusedOnce;
};

}  // namespace netvane::userclient
