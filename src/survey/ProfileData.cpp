#include "survey/ProfileData.h"

#include <utility>

#include "platform/system/Trace.h"

namespace netvane {
namespace {

// Written whatever the debug flag: these lines show each record's release in a session log.
void TraceRelease(const char* step) {
  system::WriteLogLine(step);
}

}  // namespace

ProfileData::ProfileData() : profile_(std::make_unique<PROFILE_DATA>()) {}

ProfileData::~ProfileData() {
  TraceRelease("ProfileDat - setProfile - start\n");
  TraceRelease("ProfileDat - setProfile - end\n");
}

std::unique_ptr<ProfileData> ProfileData::setProfileData(std::unique_ptr<PROFILE_DATA> record) {
  auto task = std::make_unique<ProfileData>();
  task->setProfile(std::move(record));
  return task;
}

void ProfileData::setProfile(std::unique_ptr<PROFILE_DATA> record) {
  TraceRelease("ProfileDat - setProfile - start\n");
  profile_ = std::move(record);
  TraceRelease("ProfileDat - setProfile - end\n");
}

}  // namespace netvane
