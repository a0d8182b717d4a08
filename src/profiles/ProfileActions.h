// Activation of a stored profile as plain functions, so that the profile page and a second
// front end apply profiles the same way.
#pragma once

#include <cstdint>

#include "profiles/ProfileRecord.h"
#include "profiles/ProfileStore.h"
#include "state/SharedState.h"
#include "survey/ProfileHooks.h"

namespace netvane {

// Sends `record` through `target`: timer stopped, pending scan cleared so the task is never
// dropped, task queued and run, timer started.
void ApplyProfile(SharedState& state, ConnectionTarget& target, const ProfileRecord& record);

// Stores `shown` (row `row` of the list the caller showed) as the active profile in force and,
// once that is written, applies it. Nothing is applied when the store did not save.
StoreResult ActivateProfile(SharedState& state, ProfileStore& store, ConnectionTarget& target,
                            const ProfileRecord& shown, int32_t row);

}  // namespace netvane
