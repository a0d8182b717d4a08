// The one queue of connection tasks, first in, first out. New tasks enter at the front; the
// oldest is at the back and is the one the executor takes.
#pragma once

#include <cstddef>
#include <deque>
#include <memory>

#include "survey/ProfileData.h"

namespace netvane {

class TaskQueue {
 public:
  TaskQueue() = default;
  TaskQueue(const TaskQueue&) = delete;
  TaskQueue& operator=(const TaskQueue&) = delete;

  // The queue holds `task` from now on. A null task is ignored.
  void InsertTaskObject(std::unique_ptr<ProfileData> task);
  // The oldest task, still queued; null when the queue is empty.
  ProfileData* GetTaskObject() const;
  // Ends the life of the oldest task; nothing when the queue is empty.
  void RemoveTaskObject();

  std::size_t Count() const { return ProfileDataQueue.size(); }
  bool IsEmpty() const { return ProfileDataQueue.empty(); }

 private:
  // NOLINTNEXTLINE(readability-identifier-naming) the queue's established name
  std::deque<std::unique_ptr<ProfileData>> ProfileDataQueue;
};

}  // namespace netvane
