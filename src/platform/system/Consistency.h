// Reports a value that the logic rules out (an internal consistency failure) as an error line
// saying what was inconsistent and what the caller does instead. The caller then goes on with
// its own fallback.
#pragma once

#include "platform/system/Log.h"

namespace netvane::system {

// Writes "netvane: inconsistent state: <what>".
void ReportConsistencyFailure(LogCategory category, const char* format, ...)
    __attribute__((format(printf, 2, 3)));

}  // namespace netvane::system
