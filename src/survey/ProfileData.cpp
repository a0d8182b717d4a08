#include "survey/ProfileData.h"

#include <utility>

#include "platform/system/Log.h"

namespace netvane {
namespace {

// Each record's release, for a verbose session log.
void TraceRelease(const char* step) {
  system::LogDebug(system::LogCategory::kSurvey, step);
}

}  // namespace

ProfileData::ProfileData() : profile_(std::make_unique<PROFILE_DATA>()) {}

ProfileData::~ProfileData() {
  TraceRelease("ProfileDat - setProfile - start");
  TraceRelease("ProfileDat - setProfile - end");
}

std::unique_ptr<ProfileData> ProfileData::setProfileData(std::unique_ptr<PROFILE_DATA> record) {
  auto task = std::make_unique<ProfileData>();
  task->setProfile(std::move(record));
  return task;
}

void ProfileData::setProfile(std::unique_ptr<PROFILE_DATA> record) {
  TraceRelease("ProfileDat - setProfile - start");
  profile_ = std::move(record);
  TraceRelease("ProfileDat - setProfile - end");
}

}  // namespace netvane
