// Whole-buffer reads and writes on a socket, each bounded by a deadline.
#pragma once

#include <cstddef>

namespace netvane::userclient {

// Both return false on error, end of stream, or when `timeoutMs` passes before the whole
// buffer has moved (a driver that dribbles bytes cannot stretch the wait).
bool WriteAll(int fd, const void* data, std::size_t length, int timeoutMs);
bool ReadAll(int fd, void* data, std::size_t length, int timeoutMs);

// Connects to a Unix stream socket; -1 on failure.
int ConnectUnix(const char* path, int timeoutMs);

}  // namespace netvane::userclient
