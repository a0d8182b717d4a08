#include "platform/userclient/SocketUserClient.h"

#include <unistd.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/system/Wipe.h"
#include "platform/userclient/Protocol.h"
#include "platform/userclient/Registry.h"
#include "platform/userclient/SocketIo.h"
#include "text/Translate.h"

namespace netvane::userclient {

SocketUserClient::~SocketUserClient() {
  for (auto& [handle, object] : objects_) {
    if (auto* c = std::get_if<Connection>(&object); c != nullptr && c->fd >= 0) close(c->fd);
  }
}

Handle SocketUserClient::Add(Object object) {
  const Handle h = nextHandle_++;
  if (nextHandle_ == 0) nextHandle_ = 0x1000;  // never hand out the "none" handle
  objects_.emplace(h, std::move(object));
  return h;
}

template <typename T>
T* SocketUserClient::Find(Handle h) {
  auto it = objects_.find(h);
  return it == objects_.end() ? nullptr : std::get_if<T>(&it->second);
}

KernReturn SocketUserClient::MasterPort(Handle* port) {
  *port = Add(Port{});
  return kKernSuccess;
}

Handle SocketUserClient::ServiceMatching(const char* className) {
  if (className == nullptr || className[0] == '\0') return 0;
  return Add(Matching{className});
}

KernReturn SocketUserClient::GetMatchingServices(Handle port, Handle matching, Handle* iterator) {
  const Matching* m = Find<Matching>(matching);
  const std::string className = m != nullptr ? m->className : std::string();
  objects_.erase(matching);  // consumed whatever the outcome
  if (Find<Port>(port) == nullptr || className.empty()) return kKernFailure;
  // A registry folder another user made or may write could hold their socket: it lists nothing.
  const auto registry = EnsureServiceClassDir(className);
  if (!registry.ok) report_(registry.path, registry.reason);
  std::vector<std::string> paths =
      registry.ok ? services_.List(className) : std::vector<std::string>{};
  if (!instance_.empty()) {
    const std::string wanted = "/" + instance_ + ".sock";
    std::erase_if(paths, [&](const std::string& path) {
      return path.size() < wanted.size() ||
             path.compare(path.size() - wanted.size(), wanted.size(), wanted) != 0;
    });
  }
  *iterator = Add(Iterator{std::move(paths), 0});
  return kKernSuccess;
}

Handle SocketUserClient::IteratorNext(Handle iterator) {
  Iterator* it = Find<Iterator>(iterator);
  if (it == nullptr || it->next >= it->paths.size()) return 0;
  return Add(Service{it->paths[it->next++]});
}

KernReturn SocketUserClient::ServiceOpen(Handle service, uint32_t /*type*/, Handle* connection) {
  const Service* s = Find<Service>(service);
  if (s == nullptr) return kKernFailure;
  const Deadline deadline(timeoutMs_, clock_);
  const int fd = ConnectUnix(s->path.c_str(), deadline);
  if (fd < 0) return kKernNotFound;
  // Only a driver of our own user or of root gets to see a request, or to answer one.
  const auto peer = PeerUid(fd);
  if (!peer || (*peer != geteuid() && *peer != 0)) {
    close(fd);
    report_(s->path,
            peer ? text::Arg(text::Tr("SocketUserClient",
                                      "its server runs as uid %1, not as this user or root"),
                             {std::to_string(*peer)})
                 : text::Tr("SocketUserClient", "the user of its server cannot be told"));
    return kKernNotFound;
  }
  *connection = Add(Connection{fd, deadline});
  return kKernSuccess;
}

KernReturn SocketUserClient::StructureCall(Handle connection, uint32_t selector, const void* in,
                                           uint32_t inLength, void* out, uint32_t* outLength) {
  Connection* c = Find<Connection>(connection);
  if (c == nullptr || c->fd < 0 || outLength == nullptr) return kKernFailure;
  const uint32_t capacity = out == nullptr ? 0 : *outLength;
  if (inLength > kMaxFrameLength || capacity > kMaxFrameLength || (inLength > 0 && in == nullptr)) {
    return kKernFailure;
  }
  const RequestHeader request{kFrameMagic, kKindStructure, selector, inLength, capacity};
  // Copy the input first: the caller may pass one buffer as both input and output.
  // The request may carry key material: its copy is wiped when it goes.
  system::SecretBytes frame(sizeof request + inLength);
  std::memcpy(frame.data(), &request, sizeof request);
  if (inLength > 0) std::memcpy(frame.data() + sizeof request, in, inLength);

  // The reply header and its answer usually arrive together: read them in one go.
  system::SecretBytes answer(sizeof(ReplyHeader) + capacity);
  ReplyHeader reply{};
  bool ok = WriteAll(c->fd, frame.data(), frame.size(), c->deadline);
  long got = ok ? ReadAtLeast(c->fd, answer.data(), sizeof reply, answer.size(), c->deadline) : -1;
  if (got >= 0) {
    std::memcpy(&reply, answer.data(), sizeof reply);
    const std::size_t whole = sizeof reply + reply.outLength;
    const auto have = static_cast<std::size_t>(got);
    ok = reply.outLength <= capacity && have <= whole &&
         (have == whole || ReadAll(c->fd, answer.data() + have, whole - have, c->deadline));
  } else {
    ok = false;
  }
  if (!ok) {
    // A broken, stalled or lying driver: nothing is written to the caller's buffer and the
    // connection is not used again.
    close(c->fd);
    c->fd = -1;
    return kKernTimeout;
  }
  if (reply.status != kStatusSuccess) {
    // A refused request has no answer, whatever bytes came with the refusal.
    *outLength = 0;
    return static_cast<KernReturn>(reply.status);
  }
  if (reply.outLength > 0) std::memcpy(out, answer.data() + sizeof reply, reply.outLength);
  *outLength = reply.outLength;
  return kKernSuccess;
}

KernReturn SocketUserClient::ScalarCall(Handle connection, uint32_t selector) {
  Connection* c = Find<Connection>(connection);
  if (c == nullptr || c->fd < 0) return kKernFailure;
  const RequestHeader request{kFrameMagic, kKindScalar, selector, 0, 0};
  ReplyHeader reply{};
  if (!WriteAll(c->fd, &request, sizeof request, c->deadline) ||
      !ReadAll(c->fd, &reply, sizeof reply, c->deadline) || reply.outLength != 0) {
    close(c->fd);
    c->fd = -1;
    return kKernTimeout;
  }
  return reply.status == kStatusSuccess ? kKernSuccess : static_cast<KernReturn>(reply.status);
}

KernReturn SocketUserClient::ServiceClose(Handle connection) {
  Connection* c = Find<Connection>(connection);
  if (c == nullptr) return kKernFailure;
  if (c->fd >= 0) close(c->fd);
  objects_.erase(connection);
  return kKernSuccess;
}

KernReturn SocketUserClient::ObjectRelease(Handle object) {
  auto it = objects_.find(object);
  if (it == objects_.end() || std::holds_alternative<Connection>(it->second) ||
      std::holds_alternative<Port>(it->second)) {
    return kKernFailure;
  }
  objects_.erase(it);
  return kKernSuccess;
}

KernReturn SocketUserClient::PortDeallocate(Handle port) {
  if (Find<Port>(port) == nullptr) return kKernFailure;
  objects_.erase(port);
  return kKernSuccess;
}

}  // namespace netvane::userclient
