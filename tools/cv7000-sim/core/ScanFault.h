// The simulator's scan-list faults: a part the shared delivery gave back, corrupted the way a
// faulty driver might, for testing the readers.
#pragma once

#include "core/Scenario.h"
#include "driverkit/Bytes.h"

namespace netvane::sim {

void ApplyScanFault(driverkit::Bytes& part, MalformedScan fault);

}  // namespace netvane::sim
