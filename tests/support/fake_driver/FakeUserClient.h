// An in-process stand-in for the driver service registry: answers structure calls from a
// handler, records every call and counts handles so tests can see leaks and double releases.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/userclient/UserClientApi.h"

namespace netvane::testing {

struct FakeCall {
  std::string kind;  // "struct" or "scalar"
  uint32_t selector = 0;
  std::vector<uint8_t> in;
  uint32_t capacity = 0;
  std::string service;  // the service the connection was opened on
};

struct FakeReply {
  int32_t status = 0;
  std::vector<uint8_t> out;
};

class FakeUserClient final : public userclient::UserClientApi {
 public:
  using Handler = std::function<FakeReply(uint32_t selector, const std::vector<uint8_t>& in,
                                          uint32_t capacity)>;

  // Services registered under the driver class, in iteration order; none means no adapter.
  std::vector<std::string> services{"0"};
  enum Stage { kNoFailure, kMasterPort, kMatching, kLookup, kOpen };
  Stage failAt = kNoFailure;  // the lookup or open step that fails
  Handler handler;            // default: success with no bytes

  // Convenience: answer this selector with these bytes (success) or a failure status.
  void Answer(uint32_t selector, std::vector<uint8_t> out, int32_t status = 0) {
    answers_[selector] = FakeReply{status, std::move(out)};
  }

  std::vector<FakeCall> calls;
  std::vector<FakeCall> StructCalls() const;
  std::size_t LiveHandles() const { return live_.size(); }
  int badReleases = 0;  // releases of handles not alive or of the wrong kind

  userclient::KernReturn MasterPort(userclient::Handle* port) override;
  userclient::Handle ServiceMatching(const char* className) override;
  userclient::KernReturn GetMatchingServices(userclient::Handle port, userclient::Handle matching,
                                             userclient::Handle* iterator) override;
  userclient::Handle IteratorNext(userclient::Handle iterator) override;
  userclient::KernReturn ServiceOpen(userclient::Handle service, uint32_t type,
                                     userclient::Handle* connection) override;
  userclient::KernReturn StructureCall(userclient::Handle connection, uint32_t selector,
                                       const void* in, uint32_t inLength, void* out,
                                       uint32_t* outLength) override;
  userclient::KernReturn ScalarCall(userclient::Handle connection, uint32_t selector) override;
  userclient::KernReturn ServiceClose(userclient::Handle connection) override;
  userclient::KernReturn ObjectRelease(userclient::Handle object) override;
  userclient::KernReturn PortDeallocate(userclient::Handle port) override;

 private:
  enum class Kind { Port, Matching, Iterator, Service, Connection };
  userclient::Handle Add(Kind kind, std::string name = {});
  userclient::KernReturn Release(userclient::Handle h, std::set<Kind> kinds);

  struct Object {
    Kind kind;
    std::string name;
    std::size_t next = 0;
  };
  std::map<userclient::Handle, Object> live_;
  std::map<uint32_t, FakeReply> answers_;
  userclient::Handle next_ = 100;
};

// Little helpers to build and read little records in tests.
template <typename T>
std::vector<uint8_t> Bytes(const T& value) {
  const auto* p = reinterpret_cast<const uint8_t*>(&value);  // NOLINT test helper
  return {p, p + sizeof(T)};
}

}  // namespace netvane::testing
