// What the security sheet and the hidden-SSID prompt hand over on OK, and when they refuse.
#include <gtest/gtest.h>

#include <optional>

#include "SurveyPageFixture.h"

namespace netvane {
namespace {

class Received : public SecuritySettingsReceiver, public HiddenSSIDReceiver {
 public:
  void ReceiveWEPsetting(const SecuritySettings& s) override { settings.push_back(s); }
  void ReceiveHiddenSSID(std::string_view s) override { ssids.emplace_back(s); }
  std::vector<SecuritySettings> settings;
  std::vector<std::string> ssids;
};

class SecuritySheetTest : public testing::SurveyPageFixture {
 protected:
  SecuritySheetTest() {
    wepSetting.SetSiteSurvey(received);
    hiddenSSID.SetSiteSurvey(received);
  }
  // Shows the sheet preset as the connect flow would, lets `fill` type, presses OK.
  int RunSheet(int32_t auth, int32_t encryption, const std::function<void()>& fill) {
    wepSetting.Preset(auth, encryption);
    wepSetting.clearText();
    sheets.Then([&] {
      fill();
      wepSetting.OnOK();
    });
    return sheets.Run(securityWindow);
  }
  static std::vector<uint8_t> Material(const WepKeyMaterial& k) {
    return {k.bytes.begin(), k.bytes.end()};
  }

  Received received;
};

TEST_F(SecuritySheetTest, WepKeysConvertByTheirTypeAndCarryOverToWpa) {
  EXPECT_EQ(RunSheet(kAuthOpenSystem, kEncryWep,
                     [this] {
                       keyTexts[0].text = "0a1B2c3D4e";
                       keyTypes[2].SelectIndex(kKeyTypeAscii);
                       keyTexts[2].text = "ASCII-13-char";
                       radios[0].SetState(true);
                     }),
            ui::kModalOK);
  ASSERT_EQ(received.settings.size(), 1U);
  const SecuritySettings wep = received.settings[0];
  EXPECT_EQ(wep.AuthenType, kAuthOpenSystem);
  EXPECT_EQ(wep.EncryType, kEncryWep);
  EXPECT_EQ(wep.SelKeyIndex, 0);
  EXPECT_EQ(wep.keys[0].length, 5);
  EXPECT_EQ(Material(wep.keys[0]),
            (std::vector<uint8_t>{0x0a, 0x1b, 0x2c, 0x3d, 0x4e, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(wep.keys[1].length, 0);
  EXPECT_EQ(Material(wep.keys[1]), std::vector<uint8_t>(14, 0));
  EXPECT_EQ(wep.keys[2].length, 13);
  EXPECT_EQ(std::string(wep.keys[2].bytes.begin(), wep.keys[2].bytes.begin() + 13),
            "ASCII-13-char");
  EXPECT_EQ(wep.keys[2].bytes[13], 0);
  EXPECT_EQ(wep.WPAPSKlen, 0) << "the disabled, empty pass-phrase field";

  // WPA-PSK (TKIP) does not convert keys: the last ones are handed over again.
  EXPECT_EQ(RunSheet(kAuthWpaPsk, kEncryTkip, [this] { psk.text = "a pass phrase of 26 chars"; }),
            ui::kModalOK);
  const SecuritySettings wpa = received.settings.at(1);
  EXPECT_EQ(wpa.AuthenType, kAuthWpaPsk);
  EXPECT_EQ(wpa.WPAPSKlen, 25);
  EXPECT_EQ(std::string(wpa.WPAPSK.begin(), wpa.WPAPSK.begin() + 25), psk.text);
  EXPECT_EQ(Material(wpa.keys[0]), Material(wep.keys[0]));
  EXPECT_EQ(Material(wpa.keys[2]), Material(wep.keys[2]));

  // Shared key with no encryption still uses the keys.
  RunSheet(kAuthSharedKey, kEncryNone, [this] {
    keyTexts[3].text = "0123456789";
    radios[3].SetState(true);
  });
  EXPECT_EQ(received.settings.at(2).keys[3].length, 5);
  EXPECT_EQ(received.settings[2].keys[0].length, 0) << "cleared by the preset";
  EXPECT_EQ(received.settings[2].SelKeyIndex, 3);
}

TEST_F(SecuritySheetTest, HiddenSsidOverThirtyTwoBytesIsRefused) {
  const std::string longest(32, 's');
  std::string euros;  // eleven characters, 33 bytes of UTF-8
  for (int i = 0; i < 11; ++i) euros += "\xE2\x82\xAC";
  sheets.Then([&] {
    hiddenText.text = euros;
    hiddenSSID.OnOK();
    EXPECT_TRUE(received.ssids.empty());
    hiddenText.text = longest;
    hiddenSSID.OnOK();
  });
  EXPECT_EQ(sheets.Run(hiddenWindow), ui::kModalOK);
  ASSERT_EQ(alert.shown.size(), 1U);
  EXPECT_EQ(alert.shown[0].message, "Invalid SSID");
  EXPECT_EQ(alert.shown[0].informativeText,
            "The SSID should use at most 32 bytes. A character outside ASCII takes two to four "
            "of them.");
  EXPECT_EQ(received.ssids, std::vector<std::string>{longest});

  sheets.Then([this] { hiddenSSID.OnCANCEL(); }, ui::kModalOK);
  EXPECT_EQ(sheets.Run(hiddenWindow), ui::kModalCancel);
  EXPECT_EQ(received.ssids.size(), 1U);
}

}  // namespace
}  // namespace netvane
