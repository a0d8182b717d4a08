#include "survey/TaskQueue.h"

#include <utility>

namespace netvane {

void TaskQueue::InsertTaskObject(std::unique_ptr<ProfileData> task) {
  if (task) ProfileDataQueue.push_front(std::move(task));
}

ProfileData* TaskQueue::GetTaskObject() const {
  return ProfileDataQueue.empty() ? nullptr : ProfileDataQueue.back().get();
}

void TaskQueue::RemoveTaskObject() {
  if (!ProfileDataQueue.empty()) ProfileDataQueue.pop_back();
}

}  // namespace netvane
