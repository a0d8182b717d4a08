// Request frames read from, and replies written to, a plain byte buffer. The socket layer feeds
// it what it has received; nothing here trusts a length before checking it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "driverkit/Bytes.h"

namespace netvane::driverkit {

struct Request {
  uint32_t kind = 0;
  uint32_t selector = 0;
  uint32_t outCapacity = 0;
  std::span<const uint8_t> in;  // points into the parsed buffer
};

enum class FrameStatus { kNeedMore, kComplete, kBad };

struct FrameParse {
  FrameStatus status = FrameStatus::kNeedMore;
  std::size_t frameLength = 0;  // bytes the whole frame takes, once the header is known
  Request request;
  std::string problem;  // why a frame is bad
};

// Looks at the start of `buffer`. A wrong magic, an unknown kind or a length above the protocol
// limit makes the frame bad, and the connection is then closed.
FrameParse ParseRequest(std::span<const uint8_t> buffer);

// Reply header and payload, ready to send in one write.
Bytes EncodeReply(uint32_t status, std::span<const uint8_t> out);

// The request frame a client would send (used by tests and the fuzz seeds).
Bytes EncodeRequest(uint32_t kind, uint32_t selector, std::span<const uint8_t> in,
                    uint32_t outCapacity);

}  // namespace netvane::driverkit
