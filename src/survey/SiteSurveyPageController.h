// The site survey page: the scanned networks and the connection-task entry points. For now it
// owns its repeating timer and its table; the list itself is filled in later.
#pragma once

#include "app/ShellPages.h"
#include "platform/ui/RepeatingTimer.h"
#include "platform/ui/TableView.h"
#include "platform/ui/TextField.h"

namespace netvane {

class CV7000Access;
class TaskQueue;

class SiteSurveyPageController : public SiteSurveyShellPage {
 public:
  static constexpr double kTimerSeconds = 2.0;

  SiteSurveyPageController(CV7000Access& adapter, TaskQueue& taskQueue, ui::TableView& apList,
                           ui::TextField& connectStatus, ui::RepeatingTimer& timer);

  void awakeFromNib();  // NOLINT(readability-identifier-naming) set-up hook of the layout
  void OnTimer();

  void RefreshAPList(const void* sender) override;
  void StartSiteSurveyTimer() override;
  void StopSiteSurveyTimer() override;
  void ClearAPList() override;
  void DoTask() override;

 private:
  // NOLINTBEGIN(readability-identifier-naming) the wiring names of the window layout
  [[maybe_unused]] CV7000Access& Adapter;
  [[maybe_unused]] TaskQueue& taskQueue;
  ui::TableView& ApList;
  [[maybe_unused]] ui::TextField& ConnectStatus;
  ui::RepeatingTimer& SiteSurveyTimer;
  // NOLINTEND(readability-identifier-naming)
};

}  // namespace netvane
