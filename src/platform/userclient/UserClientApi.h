// The kernel-service interface the driver access object is written against: a registry of
// driver services, searched by class, opened into user-client connections that carry
// structure and scalar calls. Handles are plain numbers, 0 meaning "none"; every handle
// obtained must be released once.
#pragma once

#include <cstdint>

namespace netvane::userclient {

using Handle = uint32_t;
using KernReturn = int32_t;
constexpr KernReturn kKernSuccess = 0;
constexpr KernReturn kKernFailure = 5;
constexpr KernReturn kKernNotFound = 0x2C0;
constexpr KernReturn kKernTimeout = 0x2D6;

class UserClientApi {
 public:
  UserClientApi() = default;
  UserClientApi(const UserClientApi&) = delete;
  UserClientApi& operator=(const UserClientApi&) = delete;
  virtual ~UserClientApi() = default;

  virtual KernReturn MasterPort(Handle* port) = 0;
  // A matching dictionary for a service class; 0 when it cannot be made.
  virtual Handle ServiceMatching(const char* className) = 0;
  // Consumes `matching` whatever the outcome.
  virtual KernReturn GetMatchingServices(Handle port, Handle matching, Handle* iterator) = 0;
  // The next service (a new reference), or 0 when the iteration is over.
  virtual Handle IteratorNext(Handle iterator) = 0;
  virtual KernReturn ServiceOpen(Handle service, uint32_t type, Handle* connection) = 0;
  // Sends `inLength` bytes of `in`; the answer (at most *outLength bytes, the capacity going
  // in) is written to `out` and its size to *outLength. Nothing is written past the capacity.
  virtual KernReturn StructureCall(Handle connection, uint32_t selector, const void* in,
                                   uint32_t inLength, void* out, uint32_t* outLength) = 0;
  virtual KernReturn ScalarCall(Handle connection, uint32_t selector) = 0;
  virtual KernReturn ServiceClose(Handle connection) = 0;
  virtual KernReturn ObjectRelease(Handle object) = 0;
  virtual KernReturn PortDeallocate(Handle port) = 0;
};

}  // namespace netvane::userclient
