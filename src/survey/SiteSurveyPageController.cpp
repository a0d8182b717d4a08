#include "survey/SiteSurveyPageController.h"

#include "platform/ui/ImageNames.h"

namespace netvane {

SiteSurveyPageController::SiteSurveyPageController(CV7000Access& adapter, TaskQueue& queue,
                                                   ui::TableView& apList,
                                                   ui::TextField& connectStatus,
                                                   ui::RepeatingTimer& timer)
    : Adapter(adapter),
      taskQueue(queue),
      ApList(apList),
      ConnectStatus(connectStatus),
      SiteSurveyTimer(timer) {}

void SiteSurveyPageController::awakeFromNib() {
  ApList.SetImageColumn("PI");
  ApList.SetAllowsEmptySelection(true);
}

void SiteSurveyPageController::OnTimer() {}

void SiteSurveyPageController::RefreshAPList(const void* /*sender*/) { ApList.Reload(); }

void SiteSurveyPageController::StartSiteSurveyTimer() {
  SiteSurveyTimer.Start(kTimerSeconds, [this] { OnTimer(); });
}

void SiteSurveyPageController::StopSiteSurveyTimer() { SiteSurveyTimer.Stop(); }

void SiteSurveyPageController::ClearAPList() { ApList.Reload(); }

void SiteSurveyPageController::DoTask() {}

}  // namespace netvane
