// The utility and the simulated driver compile the same Oids.h and Records.h, so a wrong OID, enum
// value or field offset would be agreed by both sides and pass every end-to-end test. These
// tables pin the headers to numbers written down independently of them, by hand, from the wire
// format the real driver expects: change a header and this is what must fail.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <type_traits>

#include "driver/Oids.h"
#include "driver/Records.h"

namespace netvane {
namespace {

struct Pin {
  const char* name;
  uint64_t expected;
  uint64_t actual;
};

#define VALUE(expr, expected) (Pin{#expr, expected, static_cast<uint64_t>(expr)})
#define SIZE(type, expected) (Pin{"sizeof " #type, expected, sizeof(type)})
#define OFFSET(type, field, expected) (Pin{#type "." #field, expected, offsetof(type, field)})

void ExpectPins(std::initializer_list<Pin> pins) {
  for (const Pin& pin : pins) {
    EXPECT_EQ(pin.actual, pin.expected) << pin.name << std::hex << " (0x" << pin.actual << ")";
  }
}

TEST(WireFormatTest, OidCodes) {
  ExpectPins({
      VALUE(kOidSetFlag, 0x00800000),
      VALUE(OID_GEN_MEDIA_CONNECT_STATUS, 0x00010114),
      VALUE(OID_GEN_RCV_OK, 0x00020102),
      VALUE(OID_GEN_RCV_NO_BUFFER, 0x00020105),
      VALUE(OID_802_3_CURRENT_ADDRESS, 0x01010102),
      VALUE(OID_802_11_BSSID, 0x0D010101),
      VALUE(OID_802_11_SSID, 0x0D010102),
      VALUE(OID_802_11_INFRASTRUCTURE_MODE, 0x0D010108),
      VALUE(OID_802_11_DISASSOCIATE, 0x0D010115),
      VALUE(OID_802_11_AUTHENTICATION_MODE, 0x0D010118),
      VALUE(OID_802_11_BSSID_LIST_SCAN, 0x0D01011A),
      VALUE(OID_802_11_WEP_STATUS, 0x0D01011B),
      VALUE(OID_802_11_ADD_KEY, 0x0D01011D),
      VALUE(OID_802_11_REMOVE_KEY, 0x0D01011E),
      VALUE(OID_802_11_NETWORK_TYPES_SUPPORTED, 0x0D010203),
      VALUE(OID_802_11_RSSI, 0x0D010206),
      VALUE(OID_802_11_FRAGMENTATION_THRESHOLD, 0x0D010209),
      VALUE(OID_802_11_RTS_THRESHOLD, 0x0D01020A),
      VALUE(OID_802_11_DESIRED_RATES, 0x0D010210),
      VALUE(OID_802_11_CONFIGURATION, 0x0D010211),
      VALUE(OID_802_11_POWER_MODE, 0x0D010216),
      VALUE(OID_802_11_BSSID_LIST, 0x0D010217),
      VALUE(OID_CV_802_11_BSSID_LIST_NEXT, 0x0D010218),
      VALUE(OID_802_11_STATISTICS, 0x0D020212),
      VALUE(OID_CV_802_11_PREAMBLE, 0x0D710101),
      VALUE(OID_CV_802_11_QUERY_LINK_STATUS, 0x0D710102),
      VALUE(OID_CV_802_11_RESET_COUNTERS, 0x0D710103),
      VALUE(OID_CV_802_11_RADIO, 0x0D710108),
      VALUE(OID_CV_802_11_PHY_MODE, 0x0D71010C),
      VALUE(OID_CV_802_11_STA_CONFIG, 0x0D710111),
      VALUE(OID_CV_802_11_ADD_WPA, 0x0D710116),
      VALUE(OID_CV_802_11_TX_POWER_LEVEL, 0x0D710118),
      VALUE(OID_CV_802_11_EEPROM_VERSION, 0x0D710119),
      // The codes the driver actually receives for sets.
      VALUE(SetForm(OID_802_11_BSSID_LIST_SCAN), 0x0D81011A),
      VALUE(SetForm(OID_802_11_ADD_KEY), 0x0D81011D),
      VALUE(SetForm(OID_CV_802_11_PREAMBLE), 0x0DF10101),
      VALUE(SetForm(OID_CV_802_11_RESET_COUNTERS), 0x0DF10103),
      VALUE(SetForm(OID_CV_802_11_RADIO), 0x0DF10108),
      VALUE(SetForm(OID_CV_802_11_PHY_MODE), 0x0DF1010C),
      VALUE(SetForm(OID_CV_802_11_ADD_WPA), 0x0DF10116),
      VALUE(SetForm(OID_CV_802_11_TX_POWER_LEVEL), 0x0DF10118),
  });
}

TEST(WireFormatTest, EnumerationValues) {
  ExpectPins({VALUE(Ndis802_11FH, 0), VALUE(Ndis802_11DS, 1), VALUE(Ndis802_11OFDM5, 2),
              VALUE(Ndis802_11OFDM24, 3), VALUE(Ndis802_11NetworkTypeMax, 4)});
  ExpectPins({VALUE(Ndis802_11IBSS, 0), VALUE(Ndis802_11Infrastructure, 1),
              VALUE(Ndis802_11AutoUnknown, 2), VALUE(Ndis802_11InfrastructureMax, 3)});
  ExpectPins({VALUE(Ndis802_11AuthModeOpen, 0), VALUE(Ndis802_11AuthModeShared, 1),
              VALUE(Ndis802_11AuthModeAutoSwitch, 2), VALUE(Ndis802_11AuthModeWPA, 3),
              VALUE(Ndis802_11AuthModeWPAPSK, 4), VALUE(Ndis802_11AuthModeWPANone, 5),
              VALUE(Ndis802_11AuthModeMax, 6)});
  ExpectPins({VALUE(Ndis802_11WEPEnabled, 0), VALUE(Ndis802_11Encryption1Enabled, 0),
              VALUE(Ndis802_11WEPDisabled, 1), VALUE(Ndis802_11EncryptionDisabled, 1),
              VALUE(Ndis802_11WEPKeyAbsent, 2), VALUE(Ndis802_11Encryption1KeyAbsent, 2),
              VALUE(Ndis802_11WEPNotSupported, 3), VALUE(Ndis802_11EncryptionNotSupported, 3),
              VALUE(Ndis802_11Encryption2Enabled, 4), VALUE(Ndis802_11Encryption2KeyAbsent, 5),
              VALUE(Ndis802_11Encryption3Enabled, 6), VALUE(Ndis802_11Encryption3KeyAbsent, 7)});
  ExpectPins({VALUE(Ndis802_11PowerModeCAM, 0), VALUE(Ndis802_11PowerModeMAX_PSP, 1),
              VALUE(Ndis802_11PowerModeFast_PSP, 2), VALUE(Ndis802_11PowerModeMax, 3)});
  ExpectPins({VALUE(NdisMediaStateConnected, 0), VALUE(NdisMediaStateDisconnected, 1)});
  ExpectPins(
      {VALUE(PHY_11BG_MIXED, 0), VALUE(PHY_11B, 1), VALUE(PHY_11A, 2), VALUE(PHY_11ABG_MIXED, 3)});
  ExpectPins({VALUE(Cv802_11PreambleLong, 0), VALUE(Cv802_11PreambleShort, 1),
              VALUE(Cv802_11PreambleAuto, 2)});
  // Bits and buffer lengths the two sides must read the same way.
  ExpectPins({VALUE(kKeyIndexTransmit, 0x80000000), VALUE(kSystemErrorEeprom, 1),
              VALUE(kNetworkTypeListLength, 20), VALUE(kBssidListPartLength, 4096)});
}

TEST(WireFormatTest, RecordLayouts) {
  ExpectPins({SIZE(NDIS_802_11_SSID, 36), OFFSET(NDIS_802_11_SSID, SsidLength, 0),
              OFFSET(NDIS_802_11_SSID, Ssid, 4)});
  ExpectPins({SIZE(NDIS_802_11_CONFIGURATION_FH, 16),
              OFFSET(NDIS_802_11_CONFIGURATION_FH, Length, 0),
              OFFSET(NDIS_802_11_CONFIGURATION_FH, HopPattern, 4),
              OFFSET(NDIS_802_11_CONFIGURATION_FH, HopSet, 8),
              OFFSET(NDIS_802_11_CONFIGURATION_FH, DwellTime, 12)});
  ExpectPins({SIZE(NDIS_802_11_CONFIGURATION, 32), OFFSET(NDIS_802_11_CONFIGURATION, Length, 0),
              OFFSET(NDIS_802_11_CONFIGURATION, BeaconPeriod, 4),
              OFFSET(NDIS_802_11_CONFIGURATION, ATIMWindow, 8),
              OFFSET(NDIS_802_11_CONFIGURATION, DSConfig, 12),
              OFFSET(NDIS_802_11_CONFIGURATION, FHConfig, 16)});
  ExpectPins(
      {SIZE(NDIS_WLAN_BSSID_EX, 120), OFFSET(NDIS_WLAN_BSSID_EX, Length, 0),
       OFFSET(NDIS_WLAN_BSSID_EX, MacAddress, 4), OFFSET(NDIS_WLAN_BSSID_EX, Reserved, 10),
       OFFSET(NDIS_WLAN_BSSID_EX, Ssid, 12), OFFSET(NDIS_WLAN_BSSID_EX, Privacy, 48),
       OFFSET(NDIS_WLAN_BSSID_EX, Rssi, 52), OFFSET(NDIS_WLAN_BSSID_EX, NetworkTypeInUse, 56),
       OFFSET(NDIS_WLAN_BSSID_EX, Configuration, 60),
       OFFSET(NDIS_WLAN_BSSID_EX, InfrastructureMode, 92),
       OFFSET(NDIS_WLAN_BSSID_EX, SupportedRates, 96), OFFSET(NDIS_WLAN_BSSID_EX, IELength, 112),
       OFFSET(NDIS_WLAN_BSSID_EX, IEs, 116), VALUE(kBssidEntryFixedLength, 116)});
  ExpectPins({OFFSET(NDIS_802_11_BSSID_LIST_EX, NumberOfItems, 0),
              OFFSET(NDIS_802_11_BSSID_LIST_EX, Bssid, 4)});
  ExpectPins({SIZE(NDIS_802_11_FIXED_IEs, 12), OFFSET(NDIS_802_11_FIXED_IEs, Timestamp, 0),
              OFFSET(NDIS_802_11_FIXED_IEs, BeaconInterval, 8),
              OFFSET(NDIS_802_11_FIXED_IEs, Capabilities, 10)});
  ExpectPins({OFFSET(NDIS_802_11_VARIABLE_IEs, ElementID, 0),
              OFFSET(NDIS_802_11_VARIABLE_IEs, Length, 1),
              OFFSET(NDIS_802_11_VARIABLE_IEs, data, 2)});
  ExpectPins({OFFSET(NDIS_802_11_NETWORK_TYPE_LIST, NumberOfItems, 0),
              OFFSET(NDIS_802_11_NETWORK_TYPE_LIST, NetworkType, 4)});
  ExpectPins({OFFSET(NDIS_802_11_KEY, Length, 0), OFFSET(NDIS_802_11_KEY, KeyIndex, 4),
              OFFSET(NDIS_802_11_KEY, KeyLength, 8), OFFSET(NDIS_802_11_KEY, BSSID, 12),
              OFFSET(NDIS_802_11_KEY, Padding, 18), OFFSET(NDIS_802_11_KEY, KeyRSC, 20),
              OFFSET(NDIS_802_11_KEY, KeyMaterial, 28)});
  // 28 header bytes, the key, 11 trailing zero bytes: WEP-40, WEP-104 and the WPA PSK.
  ExpectPins({VALUE(KeyRecordLength(5), 44), VALUE(KeyRecordLength(13), 52),
              VALUE(KeyRecordLength(32), 71)});
  ExpectPins({SIZE(NDIS_802_11_REMOVE_KEY, 16), OFFSET(NDIS_802_11_REMOVE_KEY, Length, 0),
              OFFSET(NDIS_802_11_REMOVE_KEY, KeyIndex, 4), OFFSET(NDIS_802_11_REMOVE_KEY, BSSID, 8),
              OFFSET(NDIS_802_11_REMOVE_KEY, Padding, 14)});
  ExpectPins({SIZE(NDIS_802_11_RATES, 8)});
  ExpectPins({SIZE(NDIS_802_11_STATISTICS, 100), OFFSET(NDIS_802_11_STATISTICS, Length, 0),
              OFFSET(NDIS_802_11_STATISTICS, TransmittedFragmentCount, 4),
              OFFSET(NDIS_802_11_STATISTICS, MulticastTransmittedFrameCount, 12),
              OFFSET(NDIS_802_11_STATISTICS, FailedCount, 20),
              OFFSET(NDIS_802_11_STATISTICS, RetryCount, 28),
              OFFSET(NDIS_802_11_STATISTICS, MultipleRetryCount, 36),
              OFFSET(NDIS_802_11_STATISTICS, RTSSuccessCount, 44),
              OFFSET(NDIS_802_11_STATISTICS, RTSFailureCount, 52),
              OFFSET(NDIS_802_11_STATISTICS, ACKFailureCount, 60),
              OFFSET(NDIS_802_11_STATISTICS, FrameDuplicateCount, 68),
              OFFSET(NDIS_802_11_STATISTICS, ReceivedFragmentCount, 76),
              OFFSET(NDIS_802_11_STATISTICS, MulticastReceivedFrameCount, 84),
              OFFSET(NDIS_802_11_STATISTICS, FCSErrorCount, 92)});
  ExpectPins({SIZE(CV_802_11_STA_CONFIG, 32), OFFSET(CV_802_11_STA_CONFIG, EnableTxBurst, 0),
              OFFSET(CV_802_11_STA_CONFIG, EnableTurboRate, 4),
              OFFSET(CV_802_11_STA_CONFIG, UseBGProtection, 8),
              OFFSET(CV_802_11_STA_CONFIG, UseShortSlotTime, 12),
              OFFSET(CV_802_11_STA_CONFIG, UseOfdmRatesIn11gAdhoc, 16),
              OFFSET(CV_802_11_STA_CONFIG, HwRadioStatus, 20),
              OFFSET(CV_802_11_STA_CONFIG, Rsv1, 24),
              OFFSET(CV_802_11_STA_CONFIG, SystemErrorBitmap, 28)});
  ExpectPins({SIZE(CV_802_11_LINK_STATUS, 16), OFFSET(CV_802_11_LINK_STATUS, CurrTxRate, 0),
              OFFSET(CV_802_11_LINK_STATUS, ChannelQuality, 4),
              OFFSET(CV_802_11_LINK_STATUS, TxByteCount, 8),
              OFFSET(CV_802_11_LINK_STATUS, RxByteCount, 12)});
  ExpectPins({SIZE(PAIR_CHANNEL_FREQ_ENTRY, 8), OFFSET(PAIR_CHANNEL_FREQ_ENTRY, lChannel, 0),
              OFFSET(PAIR_CHANNEL_FREQ_ENTRY, lFreq, 4)});
}

// Rssi is negative dBm; an unsigned field would turn every signal into a huge number.
TEST(WireFormatTest, RssiIsSigned) {
  EXPECT_TRUE(std::is_signed_v<decltype(NDIS_WLAN_BSSID_EX::Rssi)>);
}

}  // namespace
}  // namespace netvane
