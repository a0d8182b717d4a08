// What the site survey page asks of the profile page and of the profile editor: a manual
// connection stands the active profile down, and a scanned network can start a new profile.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "driver/Records.h"

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

  // Prepares the editor for a new profile from `network`; false means do not show it.
  virtual bool AddProfile(const ScannedNetwork& network) = 0;
};

}  // namespace netvane
