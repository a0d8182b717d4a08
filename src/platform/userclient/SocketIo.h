// Whole-buffer reads and writes on a socket, bounded by the transport timeout.
#pragma once

#include <cstddef>

namespace netvane::userclient {

// Both return false on error, end of stream or timeout.
bool WriteAll(int fd, const void* data, std::size_t length);
bool ReadAll(int fd, void* data, std::size_t length);

// Connects to a Unix stream socket with send and receive timeouts set; -1 on failure.
int ConnectUnix(const char* path);

}  // namespace netvane::userclient
