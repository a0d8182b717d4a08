// What the main window controller needs of the pages it brings up. Each page controller
// implements its part; the shell never sees more of a page than this.
#pragma once

namespace netvane::ui {

class SiteSurveyShellPage {
 public:
  SiteSurveyShellPage() = default;
  SiteSurveyShellPage(const SiteSurveyShellPage&) = delete;
  SiteSurveyShellPage& operator=(const SiteSurveyShellPage&) = delete;
  virtual ~SiteSurveyShellPage() = default;

  // `sender` is the control that asked for it, or null.
  virtual void RefreshAPList(const void* sender) = 0;
  virtual void StartSiteSurveyTimer() = 0;
  virtual void StopSiteSurveyTimer() = 0;
  virtual void ClearAPList() = 0;
  virtual void DoTask() = 0;
};

class ProfileShellPage {
 public:
  ProfileShellPage() = default;
  ProfileShellPage(const ProfileShellPage&) = delete;
  ProfileShellPage& operator=(const ProfileShellPage&) = delete;
  virtual ~ProfileShellPage() = default;

  virtual void RefreshProfileList() = 0;
  virtual void CheckProfileSettingForConnect() = 0;
};

class AdvanceShellPage {
 public:
  AdvanceShellPage() = default;
  AdvanceShellPage(const AdvanceShellPage&) = delete;
  AdvanceShellPage& operator=(const AdvanceShellPage&) = delete;
  virtual ~AdvanceShellPage() = default;

  virtual void RadioStatus() = 0;
};

class AboutShellPage {
 public:
  AboutShellPage() = default;
  AboutShellPage(const AboutShellPage&) = delete;
  AboutShellPage& operator=(const AboutShellPage&) = delete;
  virtual ~AboutShellPage() = default;

  virtual void GetAllInformation() = 0;
};

}  // namespace netvane::ui
