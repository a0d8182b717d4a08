// The queue of connection tasks, first in, first out. Only its place in the wiring exists so
// far; the tasks themselves come with the site survey page.
#pragma once

namespace netvane {

class TaskQueue {
 public:
  TaskQueue() = default;
  TaskQueue(const TaskQueue&) = delete;
  TaskQueue& operator=(const TaskQueue&) = delete;
};

}  // namespace netvane
