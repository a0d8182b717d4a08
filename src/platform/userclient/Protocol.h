// Wire framing between a user client and a driver service (see docs/driver-protocol.md).
// Shared by the utility's user-client layer and the simulated driver.
#pragma once

#include <cstddef>
#include <cstdint>

namespace netvane::userclient {

constexpr uint32_t kFrameMagic = 0x4E565543U;  // "NVUC"
constexpr uint32_t kKindStructure = 1;
constexpr uint32_t kKindScalar = 2;
constexpr uint32_t kMaxFrameLength = 65536;
constexpr int kIoTimeoutSeconds = 5;
constexpr uint32_t kStatusSuccess = 0;
constexpr uint32_t kStatusError = 0xE00002BCU;    // the driver refused the request
constexpr uint32_t kStatusBadArgs = 0xE00002C2U;  // unknown selector or malformed payload

constexpr const char* kWirelessDriverClass = "CardBusWirelessDriver";

#pragma pack(push, 1)
struct RequestHeader {
  uint32_t magic;
  uint32_t kind;
  uint32_t selector;
  uint32_t inLength;
  uint32_t outCapacity;
};
static_assert(sizeof(RequestHeader) == 20);
static_assert(offsetof(RequestHeader, magic) == 0);
static_assert(offsetof(RequestHeader, kind) == 4);
static_assert(offsetof(RequestHeader, selector) == 8);
static_assert(offsetof(RequestHeader, inLength) == 12);
static_assert(offsetof(RequestHeader, outCapacity) == 16);

struct ReplyHeader {
  uint32_t status;
  uint32_t outLength;
};
static_assert(sizeof(ReplyHeader) == 8);
static_assert(offsetof(ReplyHeader, status) == 0);
static_assert(offsetof(ReplyHeader, outLength) == 4);
#pragma pack(pop)

}  // namespace netvane::userclient
