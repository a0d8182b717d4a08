#include "driverkit/Frame.h"

#include "platform/userclient/Protocol.h"

namespace netvane::driverkit {

using userclient::kFrameMagic;
using userclient::kKindScalar;
using userclient::kKindStructure;
using userclient::kMaxFrameLength;
using userclient::ReplyHeader;
using userclient::RequestHeader;

FrameParse ParseRequest(std::span<const uint8_t> buffer) {
  FrameParse p;
  if (buffer.size() < sizeof(RequestHeader)) {
    // A wrong magic is known as soon as its four bytes are here.
    if (buffer.size() >= sizeof(uint32_t) && ReadU32(buffer, 0) != kFrameMagic) {
      p.status = FrameStatus::kBad;
      p.problem = "wrong magic";
    }
    return p;
  }
  const auto header = FromBytes<RequestHeader>(buffer);
  if (header.magic != kFrameMagic) {
    p.status = FrameStatus::kBad;
    p.problem = "wrong magic";
    return p;
  }
  if (header.kind != kKindStructure && header.kind != kKindScalar) {
    p.status = FrameStatus::kBad;
    p.problem = "unknown kind " + std::to_string(header.kind);
    return p;
  }
  if (header.inLength > kMaxFrameLength || header.outCapacity > kMaxFrameLength) {
    p.status = FrameStatus::kBad;
    p.problem = "length above " + std::to_string(kMaxFrameLength);
    return p;
  }
  p.frameLength = sizeof(RequestHeader) + header.inLength;
  if (buffer.size() < p.frameLength) return p;
  p.status = FrameStatus::kComplete;
  p.request.kind = header.kind;
  p.request.selector = header.selector;
  p.request.outCapacity = header.outCapacity;
  p.request.in = buffer.subspan(sizeof(RequestHeader), header.inLength);
  return p;
}

Bytes EncodeReply(uint32_t status, std::span<const uint8_t> out) {
  const ReplyHeader header{status, static_cast<uint32_t>(out.size())};
  Bytes frame = ToBytes(header);
  frame.insert(frame.end(), out.begin(), out.end());
  return frame;
}

Bytes EncodeRequest(uint32_t kind, uint32_t selector, std::span<const uint8_t> in,
                    uint32_t outCapacity) {
  const RequestHeader header{kFrameMagic, kind, selector, static_cast<uint32_t>(in.size()),
                             outCapacity};
  Bytes frame = ToBytes(header);
  frame.insert(frame.end(), in.begin(), in.end());
  return frame;
}

}  // namespace netvane::driverkit
