// Requests against the simulator core as the utility builds them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/Adapter.h"
#include "core/ScenarioLoader.h"

namespace netvane::sim::testing {

using ByteVec = std::vector<uint8_t>;

ByteVec Word(uint32_t v);
uint32_t WordAt(const ByteVec& b, std::size_t offset);

Scenario MustLoad(const std::string& json);

Reply Query(Adapter& a, uint32_t oid, uint32_t capacity);
Reply Set(Adapter& a, uint32_t oid, const ByteVec& payload);

ByteVec SsidRecord(const std::string& ssid);
// Associates with an open infrastructure network as the utility would.
void JoinOpen(Adapter& a, const std::string& ssid);
bool Connected(Adapter& a);

// Entries of one scan-list part, split by their Length (assumes a well-formed part).
std::vector<ByteVec> EntriesOf(const ByteVec& part);

}  // namespace netvane::sim::testing
