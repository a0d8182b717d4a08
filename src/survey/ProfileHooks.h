// Where the site survey page and the profile page meet: a manual connection stands the active
// profile down, a scanned network can start a new profile, and activation applies a record
// through the site survey page.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "driver/Records.h"
#include "survey/ProfileDataRecord.h"

namespace netvane {

class ProfileActivationHook {
 public:
  ProfileActivationHook() = default;
  ProfileActivationHook(const ProfileActivationHook&) = delete;
  ProfileActivationHook& operator=(const ProfileActivationHook&) = delete;
  virtual ~ProfileActivationHook() = default;

  virtual void DisabledActivateProfile() = 0;
  virtual void RefreshProfileList() = 0;
};

// A scanned network as a new profile starts from it.
struct ScannedNetwork {
  std::string ssid;
  std::array<uint8_t, kMacLength> bssid{};
  NDIS_802_11_WEP_STATUS encryption = Ndis802_11WEPDisabled;
  NDIS_802_11_AUTHENTICATION_MODE authentication = Ndis802_11AuthModeOpen;
  int32_t networkType = 0;
  int32_t channel = 0;
  bool operator==(const ScannedNetwork&) const = default;
};

class ProfileEditorHook {
 public:
  ProfileEditorHook() = default;
  ProfileEditorHook(const ProfileEditorHook&) = delete;
  ProfileEditorHook& operator=(const ProfileEditorHook&) = delete;
  virtual ~ProfileEditorHook() = default;

  // Prepares the editor for a new blank profile.
  virtual void AddInit() = 0;
  // Prepares the editor for the stored profile at `row`; false (nothing to show) when the
  // stored list has no such row.
  virtual bool EditInit(int32_t row) = 0;
  // Prepares the editor for a new profile from `network`; false means do not show it.
  virtual bool AddProfile(const ScannedNetwork& network) = 0;
};

// What profile activation asks of the site survey page: a record applied to the driver now,
// between a stop and a start of the page's timer.
class ConnectionTarget {
 public:
  ConnectionTarget() = default;
  ConnectionTarget(const ConnectionTarget&) = delete;
  ConnectionTarget& operator=(const ConnectionTarget&) = delete;
  virtual ~ConnectionTarget() = default;

  virtual void StopSiteSurveyTimer() = 0;
  virtual void SetTaskQueue(std::unique_ptr<PROFILE_DATA> record) = 0;
  virtual void DoTask() = 0;
  virtual void StartSiteSurveyTimer() = 0;
  // Forgets how the page itself last associated (by SSID or by BSSID).
  virtual void resetFlag() = 0;  // NOLINT(readability-identifier-naming) the name activation calls
  // Watches for the join of the record applied last; a target that cannot say leaves it.
  virtual void WatchJoin() {}
};

}  // namespace netvane
