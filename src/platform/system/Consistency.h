// Reports a value that the logic rules out (an internal consistency failure) on standard error,
// naming where it was found. The caller then carries on with its own fallback.
#pragma once

#include <source_location>

namespace netvane::platform {

void ReportConsistencyFailure(std::source_location where = std::source_location::current());

}  // namespace netvane::platform
