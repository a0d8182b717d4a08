#include "fake_driver/FakeUserClient.h"

#include <algorithm>
#include <cstring>

namespace netvane::testing {

using userclient::Handle;
using userclient::KernReturn;
using userclient::kKernFailure;
using userclient::kKernSuccess;

std::vector<FakeCall> FakeUserClient::StructCalls() const {
  std::vector<FakeCall> out;
  for (const auto& c : calls) {
    if (c.kind == "struct") out.push_back(c);
  }
  return out;
}

Handle FakeUserClient::Add(Kind kind, std::string name) {
  const Handle h = next_++;
  live_.emplace(h, Object{kind, std::move(name)});
  return h;
}

KernReturn FakeUserClient::Release(Handle h, std::set<Kind> kinds) {
  auto it = live_.find(h);
  if (it == live_.end() || kinds.count(it->second.kind) == 0) return ++badReleases, kKernFailure;
  live_.erase(it);
  return kKernSuccess;
}

KernReturn FakeUserClient::MasterPort(Handle* port) {
  if (failAt == kMasterPort) return kKernFailure;
  *port = Add(Kind::Port);
  return kKernSuccess;
}

Handle FakeUserClient::ServiceMatching(const char* className) {
  if (failAt == kMatching) return 0;
  return Add(Kind::Matching, className);
}

KernReturn FakeUserClient::GetMatchingServices(Handle port, Handle matching, Handle* iterator) {
  Release(matching, {Kind::Matching});
  if (failAt == kLookup || live_.count(port) == 0) return kKernFailure;
  *iterator = Add(Kind::Iterator);
  return kKernSuccess;
}

Handle FakeUserClient::IteratorNext(Handle iterator) {
  auto it = live_.find(iterator);
  if (it == live_.end() || it->second.next >= services.size()) return 0;
  return Add(Kind::Service, services[it->second.next++]);
}

KernReturn FakeUserClient::ServiceOpen(Handle service, uint32_t /*type*/, Handle* connection) {
  auto it = live_.find(service);
  if (failAt == kOpen || it == live_.end() || it->second.kind != Kind::Service) return kKernFailure;
  *connection = Add(Kind::Connection, it->second.name);
  return kKernSuccess;
}

KernReturn FakeUserClient::StructureCall(Handle connection, uint32_t selector, const void* in,
                                         uint32_t inLength, void* out, uint32_t* outLength) {
  auto it = live_.find(connection);
  if (it == live_.end() || it->second.kind != Kind::Connection) return kKernFailure;
  FakeCall call{"struct", selector, {}, *outLength, it->second.name};
  const auto* bytes = static_cast<const uint8_t*>(in);
  call.in.assign(bytes, bytes + inLength);
  calls.push_back(call);

  FakeReply reply;
  if (auto a = answers_.find(selector); a != answers_.end()) {
    reply = a->second;
  } else if (handler) {
    reply = handler(selector, call.in, call.capacity);
  }
  const std::size_t n = std::min<std::size_t>(reply.out.size(), call.capacity);
  if (n > 0) std::memcpy(out, reply.out.data(), n);
  *outLength = static_cast<uint32_t>(n);
  return reply.status;
}

KernReturn FakeUserClient::ScalarCall(Handle connection, uint32_t selector) {
  auto it = live_.find(connection);
  if (it == live_.end()) return kKernFailure;
  calls.push_back(FakeCall{"scalar", selector, {}, 0, it->second.name});
  return kKernSuccess;
}

KernReturn FakeUserClient::ServiceClose(Handle connection) {
  return Release(connection, {Kind::Connection});
}

KernReturn FakeUserClient::ObjectRelease(Handle object) {
  return Release(object, {Kind::Matching, Kind::Iterator, Kind::Service});
}

KernReturn FakeUserClient::PortDeallocate(Handle port) {
  return Release(port, {Kind::Port});
}

}  // namespace netvane::testing
