// Activation and deletion of a stored profile as plain functions, so that the profile page and
// a second front end apply and remove profiles the same way.
#pragma once

#include <cstdint>

#include "profiles/ProfileRecord.h"
#include "profiles/ProfileStore.h"
#include "state/SharedState.h"
#include "survey/ProfileHooks.h"

namespace netvane {

// Where a row index goes when row `removed` is deleted: down by one below it, none if it was
// that row.
int32_t AfterRemoval(int32_t row, int32_t removed);

// Sends `record` through `target`: timer stopped, pending scan cleared so the task is never
// dropped, task queued and run, timer started.
void ApplyProfile(SharedState& state, ConnectionTarget& target, const ProfileRecord& record);

// Applies `record` (row `row` of the list) and stores it as the active profile in force.
void ActivateProfile(SharedState& state, ProfileStore& store, ConnectionTarget& target,
                     ProfileRecordList& active, const ProfileRecord& record, int32_t row);

// Stores `records` without row `row` and moves the stored active row with its profile (none
// when the active row itself goes). The active copy and its flag stay as they are.
void DeleteProfile(ProfileStore& store, ProfileRecordList records, ProfileRecordList& active,
                   int32_t row);

}  // namespace netvane
