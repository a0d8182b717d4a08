// Stand-ins for the four pages the shell drives: each call is logged by name into one shared
// log, so a test sees the order across pages.
#pragma once

#include <string>
#include <vector>

#include "platform/ui/ShellPages.h"
#include "state/SharedState.h"

namespace netvane::testing {

class RecordingPages : public SiteSurveyShellPage,
                       public ProfileShellPage,
                       public AdvanceShellPage,
                       public AboutShellPage {
 public:
  void RefreshAPList(const void* /*sender*/) override { log.emplace_back("RefreshAPList"); }
  void StartSiteSurveyTimer() override { log.emplace_back("StartSiteSurveyTimer"); }
  void StopSiteSurveyTimer() override { log.emplace_back("StopSiteSurveyTimer"); }
  void ClearAPList() override { log.emplace_back("ClearAPList"); }
  // `state` lets DoTask record what the shell had set before calling it.
  explicit RecordingPages(const SharedState& state) : state_(state) {}

  void DoTask() override {
    log.emplace_back("DoTask");
    rescanWhenDoTaskRan = state_.G_bRescan;
  }
  void RefreshProfileList() override { log.emplace_back("RefreshProfileList"); }
  void CheckProfileSettingForConnect() override {
    log.emplace_back("CheckProfileSettingForConnect");
  }
  void RadioStatus() override { log.emplace_back("RadioStatus"); }
  void GetAllInformation() override { log.emplace_back("GetAllInformation"); }

  std::vector<std::string> log;
  int rescanWhenDoTaskRan = -1;

 private:
  const SharedState& state_;
};

inline const std::vector<std::string>& BringUpCalls() {
  static const std::vector<std::string> calls = {
      "RefreshAPList",      "StartSiteSurveyTimer",
      "RefreshProfileList", "CheckProfileSettingForConnect",
      "RadioStatus",        "GetAllInformation"};
  return calls;
}

}  // namespace netvane::testing
