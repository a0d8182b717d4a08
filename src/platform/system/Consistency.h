// Reports a value that the logic rules out (an internal consistency failure) on standard error,
// naming where it was found (pass __FILE__ and __LINE__). The caller then goes on with its own
// fallback.
#pragma once

namespace netvane::system {

void ReportConsistencyFailure(const char* file, int line);

}  // namespace netvane::system
