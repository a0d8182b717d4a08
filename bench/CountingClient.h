// What the benchmarks against the simulator share: an alert that shows nothing, and a socket
// client that counts its structure calls so that a bare equivalent can be sized.
#pragma once

#include <cstdint>
#include <string>

#include "platform/userclient/SocketUserClient.h"
#include "ui/Alert.h"

namespace netvane::bench {

class SilentAlert final : public ui::Alert {
 public:
  void Run(const std::string&, const std::string&) override {}
};

class CountingClient final : public userclient::SocketUserClient {
 public:
  userclient::KernReturn StructureCall(userclient::Handle c, uint32_t selector, const void* in,
                                       uint32_t inLength, void* out, uint32_t* outLength) override {
    ++calls;
    return SocketUserClient::StructureCall(c, selector, in, inLength, out, outLength);
  }
  long calls = 0;
};

}  // namespace netvane::bench
