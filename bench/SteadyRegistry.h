// A driver service that has been registered for a while: the user client reads the registry
// folder again only while it may still be changing, so a benchmark that has just started the
// simulator dates the folder back to time the steady state a running utility sees.
#pragma once

#include <fcntl.h>
#include <sys/stat.h>

#include <ctime>
#include <string>

#include "platform/userclient/Protocol.h"
#include "platform/userclient/Registry.h"

namespace netvane::bench {

inline void SettleRegistry() {
  const std::string dir = userclient::ServiceClassDir(userclient::kWirelessDriverClass);
  timespec past[2]{};
  past[0].tv_sec = past[1].tv_sec = std::time(nullptr) - 60;
  utimensat(AT_FDCWD, dir.c_str(), past, 0);
}

}  // namespace netvane::bench
