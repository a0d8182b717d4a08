// What the two connect-time dialogs hand to the site survey page when the user presses OK,
// and the receiving side each dialog is wired to.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "keyentry/KeyValidation.h"
#include "keyentry/WepKeyMaterial.h"
#include "platform/system/Wipe.h"

namespace netvane {

constexpr std::size_t kWpaKeyTextLength = 64;  // a pass phrase, or 64 hexadecimal digits

// The security sheet's result. Indexes are read as the key-entry dialogs define them.
struct SecuritySettings {
  int32_t AuthenType = 0;
  int32_t EncryType = 0;
  int32_t SelKeyIndex = 0;  // 0 to 3: the transmit key
  std::array<WepKeyMaterial, kWepKeyCount> keys{};
  int32_t WPAPSKlen = 0;
  system::SecretArray<kWpaKeyTextLength> WPAPSK;  // the key text as typed, not terminated
};

class SecuritySettingsReceiver {
 public:
  SecuritySettingsReceiver() = default;
  SecuritySettingsReceiver(const SecuritySettingsReceiver&) = delete;
  SecuritySettingsReceiver& operator=(const SecuritySettingsReceiver&) = delete;
  virtual ~SecuritySettingsReceiver() = default;

  // Copies what it needs during the call.
  virtual void ReceiveWEPsetting(const SecuritySettings& settings) = 0;
};

class HiddenSSIDReceiver {
 public:
  HiddenSSIDReceiver() = default;
  HiddenSSIDReceiver(const HiddenSSIDReceiver&) = delete;
  HiddenSSIDReceiver& operator=(const HiddenSSIDReceiver&) = delete;
  virtual ~HiddenSSIDReceiver() = default;

  // The typed SSID, as bytes; the sender has refused anything over 32 bytes.
  virtual void ReceiveHiddenSSID(std::string_view ssid) = 0;
};

}  // namespace netvane
