// Whole-buffer reads and writes on a connected socket, each bounded in time.
#pragma once

#include <cstddef>

namespace netvane::userclient {

// Connects to a Unix stream socket whose every send and receive gives up after `timeoutMs`;
// -1 on failure.
int ConnectUnix(const char* path, int timeoutMs);

// Both return false on error, end of stream, or when the socket's timeout expires; a peer that
// dribbles bytes is cut off once `timeoutMs` has passed since the call began.
bool WriteAll(int fd, const void* data, std::size_t length, int timeoutMs);
bool ReadAll(int fd, void* data, std::size_t length, int timeoutMs);

// Reads at least `least` and at most `most` bytes, whatever has arrived once `least` have;
// returns the count, or -1 as ReadAll fails.
long ReadAtLeast(int fd, void* data, std::size_t least, std::size_t most, int timeoutMs);

}  // namespace netvane::userclient
