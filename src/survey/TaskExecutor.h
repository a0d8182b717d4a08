// The only way from a queued task to the driver. It also finishes a pending scan: the next run
// after a scan was started fetches its result.
#pragma once

#include <cstdint>
#include <memory>

#include "state/SharedState.h"
#include "survey/ProfileDataRecord.h"

namespace netvane {

class CV7000Access;
class TaskQueue;

class TaskExecutor {
 public:
  // Every reference must outlive the executor.
  TaskExecutor(SharedState& state, CV7000Access& adapter, TaskQueue& queue)
      : state_(state), adapter_(adapter), queue_(queue) {}
  TaskExecutor(const TaskExecutor&) = delete;
  TaskExecutor& operator=(const TaskExecutor&) = delete;

  // Fetches a pending scan (dropping the oldest task unrun), then runs every queued task, oldest
  // first, until the queue is empty. Driver results are not examined.
  void DoTask();

  // Queues `record` as an apply task without running it.
  void SetTaskQueue(std::unique_ptr<PROFILE_DATA> record);

  // Transmit power percentage for a record's power step; unknown steps give full power.
  static uint32_t TxPowerPercent(uint32_t step);

 private:
  void Apply(PROFILE_DATA& record);
  void SendKeys(PROFILE_DATA& record);
  void SendAdhocChannel(uint32_t frequency);
  void Set(uint32_t oid, void* payload, uint32_t length);
  void SetU32(uint32_t oid, uint32_t value);

  SharedState& state_;
  CV7000Access& adapter_;
  TaskQueue& queue_;
};

}  // namespace netvane
