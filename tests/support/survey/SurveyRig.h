// The site survey page wired as the window wires it, with its two dialog controllers, over
// in-memory controls, a scripted sheet runner, recording profile hooks and the real driver
// access object on whatever driver registry the test gives it.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "driver/CV7000Access.h"
#include "platform/userclient/UserClientApi.h"
#include "state/SharedState.h"
#include "support/ui/FakeAlert.h"
#include "support/ui/FakeControls.h"
#include "support/ui/FakeSheetRunner.h"
#include "support/ui/FakeTableView.h"
#include "support/ui/ManualTimer.h"
#include "survey/HiddenSSIDController.h"
#include "survey/SiteSurveyPageController.h"
#include "survey/TaskQueue.h"
#include "survey/WEPSettingController.h"

namespace netvane::testing {

class RecordingProfiles : public ProfileActivationHook, public ProfileEditorHook {
 public:
  void DisabledActivateProfile() override { log.emplace_back("DisabledActivateProfile"); }
  void RefreshProfileList() override { log.emplace_back("RefreshProfileList"); }
  void AddInit() override { log.emplace_back("AddInit"); }
  bool EditInit(int32_t row) override {
    log.emplace_back("EditInit " + std::to_string(row));
    return true;
  }
  bool AddProfile(const ScannedNetwork& network) override {
    log.emplace_back("AddProfile");
    added.push_back(network);
    return acceptAdd;
  }
  std::vector<std::string> log;
  std::vector<ScannedNetwork> added;
  bool acceptAdd = true;
};

class SurveyRig {
 public:
  // `api` must outlive the rig. The scan wait is skipped.
  explicit SurveyRig(userclient::UserClientApi& api) : adapter(state, api, alert, [](unsigned) {}) {
    for (FakeChoiceList& keyType : keyTypes) keyType.entries = {"Hexadecimal", "ASCII"};
    authen.entries = {"Open System", "Shared Key", "WPA-PSK"};
    FakeToggle::Group({&radios[0], &radios[1], &radios[2], &radios[3]});
    wepSetting.SetSiteSurvey(page);
    hiddenSSID.SetSiteSurvey(page);
    wepSetting.awakeFromNib();
    page.awakeFromNib();
  }

  // Plays the user on the security sheet when it is next shown: `fill`, then OK.
  void OnSheet(const std::function<void()>& fill) {
    sheets.Then([this, fill] {
      fill();
      wepSetting.OnOK();
    });
  }

  SharedState state;
  FakeAlert alert;
  CV7000Access adapter;
  TaskQueue queue;
  FakeTableView apList{
      {"PI", "SSID", "BSSID", "Signal", "Channel", "Authentication", "Encryption", "NetworkType"}};
  FakeTextField connectStatus;
  ManualTimer timer;
  FakeSheetRunner sheets;

  FakeChoiceList authen;
  FakeChoiceList encry;
  std::array<FakeChoiceList, 4> keyTypes;
  std::array<FakeTextField, 4> keyTexts;
  std::array<FakeToggle, 4> radios;
  FakeTextField psk;
  SecurityControls controls{authen,
                            encry,
                            {&keyTypes[0], &keyTypes[1], &keyTypes[2], &keyTypes[3]},
                            {&keyTexts[0], &keyTexts[1], &keyTexts[2], &keyTexts[3]},
                            {&radios[0], &radios[1], &radios[2], &radios[3]},
                            psk};
  WEPSettingController wepSetting{controls, alert, sheets, state};
  FakeTextField hiddenText;
  HiddenSSIDController hiddenSSID{hiddenText, alert, sheets};

  FakeWindow securityWindow{"SecuritySheet"};
  FakeWindow hiddenWindow{"HiddenSSIDPrompt"};
  FakeWindow editorWindow{"ProfileEditor"};
  FakeTabView editorTabs;
  RecordingProfiles profiles;
  SiteSurveyDialogs dialogs{sheets,   alert,        wepSetting, securityWindow, hiddenWindow,
                            profiles, editorWindow, editorTabs, profiles};
  SiteSurveyPageController page{state, adapter, queue, apList, connectStatus, timer, dialogs};
};

}  // namespace netvane::testing
