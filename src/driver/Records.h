// Records exchanged with the adapter driver. Native byte order, exact offsets, no hidden
// padding: every record is packed and every size and offset is checked at compile time.
#pragma once

#include <cstddef>
#include <cstdint>

namespace netvane {

// NOLINTBEGIN(readability-identifier-naming) driver names kept as the driver publishes them

enum NDIS_802_11_NETWORK_TYPE : uint32_t {
  Ndis802_11FH = 0,
  Ndis802_11DS = 1,
  Ndis802_11OFDM5 = 2,
  Ndis802_11OFDM24 = 3,
  Ndis802_11NetworkTypeMax = 4,
};

enum NDIS_802_11_NETWORK_INFRASTRUCTURE : uint32_t {
  Ndis802_11IBSS = 0,
  Ndis802_11Infrastructure = 1,
  Ndis802_11AutoUnknown = 2,
  Ndis802_11InfrastructureMax = 3,
};

enum NDIS_802_11_AUTHENTICATION_MODE : uint32_t {
  Ndis802_11AuthModeOpen = 0,
  Ndis802_11AuthModeShared = 1,
  Ndis802_11AuthModeAutoSwitch = 2,
  Ndis802_11AuthModeWPA = 3,
  Ndis802_11AuthModeWPAPSK = 4,
  Ndis802_11AuthModeWPANone = 5,
  // RSN (WPA2) key management: 802.1X, and the pre-shared key that WPA2-PSK and the WPA2/WPA3
  // transition networks take.
  Ndis802_11AuthModeWPA2 = 6,
  Ndis802_11AuthModeWPA2PSK = 7,
  Ndis802_11AuthModeMax = 8,
};

enum NDIS_802_11_WEP_STATUS : uint32_t {
  Ndis802_11WEPEnabled = 0,
  Ndis802_11Encryption1Enabled = 0,
  Ndis802_11WEPDisabled = 1,
  Ndis802_11EncryptionDisabled = 1,
  Ndis802_11WEPKeyAbsent = 2,
  Ndis802_11Encryption1KeyAbsent = 2,
  Ndis802_11WEPNotSupported = 3,
  Ndis802_11EncryptionNotSupported = 3,
  Ndis802_11Encryption2Enabled = 4,
  Ndis802_11Encryption2KeyAbsent = 5,
  Ndis802_11Encryption3Enabled = 6,
  Ndis802_11Encryption3KeyAbsent = 7,
};
using NDIS_802_11_ENCRYPTION_STATUS = NDIS_802_11_WEP_STATUS;

enum NDIS_802_11_POWER_MODE : uint32_t {
  Ndis802_11PowerModeCAM = 0,
  Ndis802_11PowerModeMAX_PSP = 1,
  Ndis802_11PowerModeFast_PSP = 2,
  Ndis802_11PowerModeMax = 3,
};

enum NDIS_MEDIA_STATE : uint32_t {
  NdisMediaStateConnected = 0,
  NdisMediaStateDisconnected = 1,
};

enum CV_802_11_PHY_MODE : uint32_t {
  PHY_11BG_MIXED = 0,
  PHY_11B = 1,
  PHY_11A = 2,
  PHY_11ABG_MIXED = 3,
};

enum CV_802_11_PREAMBLE : uint32_t {
  Cv802_11PreambleLong = 0,
  Cv802_11PreambleShort = 1,
  Cv802_11PreambleAuto = 2,
};

#pragma pack(push, 1)

constexpr std::size_t kMaxSsidLength = 32;
constexpr std::size_t kMacLength = 6;

struct NDIS_802_11_SSID {
  uint32_t SsidLength;
  uint8_t Ssid[kMaxSsidLength];
};
static_assert(sizeof(NDIS_802_11_SSID) == 36);
static_assert(offsetof(NDIS_802_11_SSID, SsidLength) == 0);
static_assert(offsetof(NDIS_802_11_SSID, Ssid) == 4);

struct NDIS_802_11_CONFIGURATION_FH {
  uint32_t Length;
  uint32_t HopPattern;
  uint32_t HopSet;
  uint32_t DwellTime;
};
static_assert(sizeof(NDIS_802_11_CONFIGURATION_FH) == 16);
static_assert(offsetof(NDIS_802_11_CONFIGURATION_FH, Length) == 0);
static_assert(offsetof(NDIS_802_11_CONFIGURATION_FH, HopPattern) == 4);
static_assert(offsetof(NDIS_802_11_CONFIGURATION_FH, HopSet) == 8);
static_assert(offsetof(NDIS_802_11_CONFIGURATION_FH, DwellTime) == 12);

struct NDIS_802_11_CONFIGURATION {
  uint32_t Length;
  uint32_t BeaconPeriod;
  uint32_t ATIMWindow;
  uint32_t DSConfig;  // channel centre frequency in kHz
  NDIS_802_11_CONFIGURATION_FH FHConfig;
};
static_assert(sizeof(NDIS_802_11_CONFIGURATION) == 32);
static_assert(offsetof(NDIS_802_11_CONFIGURATION, Length) == 0);
static_assert(offsetof(NDIS_802_11_CONFIGURATION, BeaconPeriod) == 4);
static_assert(offsetof(NDIS_802_11_CONFIGURATION, ATIMWindow) == 8);
static_assert(offsetof(NDIS_802_11_CONFIGURATION, DSConfig) == 12);
static_assert(offsetof(NDIS_802_11_CONFIGURATION, FHConfig) == 16);

constexpr std::size_t kSupportedRatesLength = 16;

// One scanned network. The declared size is 120 bytes, but an entry really is `Length` bytes
// long: its information elements follow from offset 116. Never read one by trusting `Length`;
// walk the list with ScanListView.
struct NDIS_WLAN_BSSID_EX {
  uint32_t Length;
  uint8_t MacAddress[kMacLength];
  uint8_t Reserved[2];
  NDIS_802_11_SSID Ssid;
  uint32_t Privacy;
  int32_t Rssi;
  uint32_t NetworkTypeInUse;
  NDIS_802_11_CONFIGURATION Configuration;
  uint32_t InfrastructureMode;
  uint8_t SupportedRates[kSupportedRatesLength];
  uint32_t IELength;
  uint8_t IEs[4];
};
static_assert(sizeof(NDIS_WLAN_BSSID_EX) == 120);
static_assert(offsetof(NDIS_WLAN_BSSID_EX, Length) == 0);
static_assert(offsetof(NDIS_WLAN_BSSID_EX, MacAddress) == 4);
static_assert(offsetof(NDIS_WLAN_BSSID_EX, Reserved) == 10);
static_assert(offsetof(NDIS_WLAN_BSSID_EX, Ssid) == 12);
static_assert(offsetof(NDIS_WLAN_BSSID_EX, Privacy) == 48);
static_assert(offsetof(NDIS_WLAN_BSSID_EX, Rssi) == 52);
static_assert(offsetof(NDIS_WLAN_BSSID_EX, NetworkTypeInUse) == 56);
static_assert(offsetof(NDIS_WLAN_BSSID_EX, Configuration) == 60);
static_assert(offsetof(NDIS_WLAN_BSSID_EX, InfrastructureMode) == 92);
static_assert(offsetof(NDIS_WLAN_BSSID_EX, SupportedRates) == 96);
static_assert(offsetof(NDIS_WLAN_BSSID_EX, IELength) == 112);
static_assert(offsetof(NDIS_WLAN_BSSID_EX, IEs) == 116);

// Fixed part of an entry: everything before the information elements.
constexpr std::size_t kBssidEntryFixedLength = offsetof(NDIS_WLAN_BSSID_EX, IEs);

struct NDIS_802_11_BSSID_LIST_EX {
  uint32_t NumberOfItems;
  NDIS_WLAN_BSSID_EX Bssid[1];
};
static_assert(sizeof(NDIS_802_11_BSSID_LIST_EX) == 124);
static_assert(offsetof(NDIS_802_11_BSSID_LIST_EX, NumberOfItems) == 0);
static_assert(offsetof(NDIS_802_11_BSSID_LIST_EX, Bssid) == 4);

struct NDIS_802_11_FIXED_IEs {
  uint8_t Timestamp[8];
  uint16_t BeaconInterval;
  uint16_t Capabilities;
};
static_assert(sizeof(NDIS_802_11_FIXED_IEs) == 12);
static_assert(offsetof(NDIS_802_11_FIXED_IEs, Timestamp) == 0);
static_assert(offsetof(NDIS_802_11_FIXED_IEs, BeaconInterval) == 8);
static_assert(offsetof(NDIS_802_11_FIXED_IEs, Capabilities) == 10);

struct NDIS_802_11_VARIABLE_IEs {
  uint8_t ElementID;
  uint8_t Length;
  uint8_t data[1];
};
static_assert(sizeof(NDIS_802_11_VARIABLE_IEs) == 3);
static_assert(offsetof(NDIS_802_11_VARIABLE_IEs, ElementID) == 0);
static_assert(offsetof(NDIS_802_11_VARIABLE_IEs, Length) == 1);
static_assert(offsetof(NDIS_802_11_VARIABLE_IEs, data) == 2);

struct NDIS_802_11_NETWORK_TYPE_LIST {
  uint32_t NumberOfItems;
  uint32_t NetworkType[1];
};
static_assert(sizeof(NDIS_802_11_NETWORK_TYPE_LIST) == 8);
static_assert(offsetof(NDIS_802_11_NETWORK_TYPE_LIST, NumberOfItems) == 0);
static_assert(offsetof(NDIS_802_11_NETWORK_TYPE_LIST, NetworkType) == 4);
// The utility reads the list into 20 bytes: the count and room for four types.
constexpr std::size_t kNetworkTypeListLength = 20;

constexpr uint32_t kKeyIndexTransmit = 0x80000000U;
constexpr uint32_t kKeyIndexSlotMask = 0x000000FFU;

// A key to install. `KeyMaterial` really is `KeyLength` bytes; the records the utility builds
// are KeyLength + 39 bytes long (28 header bytes, the key, 11 zero bytes).
struct NDIS_802_11_KEY {
  uint32_t Length;
  uint32_t KeyIndex;
  uint32_t KeyLength;
  uint8_t BSSID[kMacLength];
  uint8_t Padding[2];
  uint64_t KeyRSC;
  uint8_t KeyMaterial[1];
};
static_assert(offsetof(NDIS_802_11_KEY, Length) == 0);
static_assert(offsetof(NDIS_802_11_KEY, KeyIndex) == 4);
static_assert(offsetof(NDIS_802_11_KEY, KeyLength) == 8);
static_assert(offsetof(NDIS_802_11_KEY, BSSID) == 12);
static_assert(offsetof(NDIS_802_11_KEY, Padding) == 18);
static_assert(offsetof(NDIS_802_11_KEY, KeyRSC) == 20);
static_assert(offsetof(NDIS_802_11_KEY, KeyMaterial) == 28);
constexpr std::size_t kKeyHeaderLength = offsetof(NDIS_802_11_KEY, KeyMaterial);
constexpr std::size_t kKeyTrailerLength = 11;
constexpr std::size_t KeyRecordLength(std::size_t keyLength) {
  return kKeyHeaderLength + keyLength + kKeyTrailerLength;
}
static_assert(KeyRecordLength(5) == 44);
static_assert(KeyRecordLength(13) == 52);
static_assert(KeyRecordLength(32) == 71);

struct NDIS_802_11_REMOVE_KEY {
  uint32_t Length;
  uint32_t KeyIndex;
  uint8_t BSSID[kMacLength];
  uint8_t Padding[2];
};
static_assert(sizeof(NDIS_802_11_REMOVE_KEY) == 16);
static_assert(offsetof(NDIS_802_11_REMOVE_KEY, Length) == 0);
static_assert(offsetof(NDIS_802_11_REMOVE_KEY, KeyIndex) == 4);
static_assert(offsetof(NDIS_802_11_REMOVE_KEY, BSSID) == 8);
static_assert(offsetof(NDIS_802_11_REMOVE_KEY, Padding) == 14);

constexpr std::size_t kRatesLength = 8;
using NDIS_802_11_RATES = uint8_t[kRatesLength];
static_assert(sizeof(NDIS_802_11_RATES) == 8);

struct NDIS_802_11_STATISTICS {
  uint32_t Length;
  uint64_t TransmittedFragmentCount;
  uint64_t MulticastTransmittedFrameCount;
  uint64_t FailedCount;
  uint64_t RetryCount;
  uint64_t MultipleRetryCount;
  uint64_t RTSSuccessCount;
  uint64_t RTSFailureCount;
  uint64_t ACKFailureCount;
  uint64_t FrameDuplicateCount;
  uint64_t ReceivedFragmentCount;
  uint64_t MulticastReceivedFrameCount;
  uint64_t FCSErrorCount;
};
static_assert(sizeof(NDIS_802_11_STATISTICS) == 100);
static_assert(offsetof(NDIS_802_11_STATISTICS, Length) == 0);
static_assert(offsetof(NDIS_802_11_STATISTICS, TransmittedFragmentCount) == 4);
static_assert(offsetof(NDIS_802_11_STATISTICS, MulticastTransmittedFrameCount) == 12);
static_assert(offsetof(NDIS_802_11_STATISTICS, FailedCount) == 20);
static_assert(offsetof(NDIS_802_11_STATISTICS, RetryCount) == 28);
static_assert(offsetof(NDIS_802_11_STATISTICS, MultipleRetryCount) == 36);
static_assert(offsetof(NDIS_802_11_STATISTICS, RTSSuccessCount) == 44);
static_assert(offsetof(NDIS_802_11_STATISTICS, RTSFailureCount) == 52);
static_assert(offsetof(NDIS_802_11_STATISTICS, ACKFailureCount) == 60);
static_assert(offsetof(NDIS_802_11_STATISTICS, FrameDuplicateCount) == 68);
static_assert(offsetof(NDIS_802_11_STATISTICS, ReceivedFragmentCount) == 76);
static_assert(offsetof(NDIS_802_11_STATISTICS, MulticastReceivedFrameCount) == 84);
static_assert(offsetof(NDIS_802_11_STATISTICS, FCSErrorCount) == 92);

constexpr uint32_t kSystemErrorEeprom = 0x00000001U;

struct CV_802_11_STA_CONFIG {
  uint32_t EnableTxBurst;
  uint32_t EnableTurboRate;
  uint32_t UseBGProtection;
  uint32_t UseShortSlotTime;
  uint32_t UseOfdmRatesIn11gAdhoc;
  uint32_t HwRadioStatus;
  uint32_t Rsv1;
  uint32_t SystemErrorBitmap;
};
static_assert(sizeof(CV_802_11_STA_CONFIG) == 32);
static_assert(offsetof(CV_802_11_STA_CONFIG, EnableTxBurst) == 0);
static_assert(offsetof(CV_802_11_STA_CONFIG, EnableTurboRate) == 4);
static_assert(offsetof(CV_802_11_STA_CONFIG, UseBGProtection) == 8);
static_assert(offsetof(CV_802_11_STA_CONFIG, UseShortSlotTime) == 12);
static_assert(offsetof(CV_802_11_STA_CONFIG, UseOfdmRatesIn11gAdhoc) == 16);
static_assert(offsetof(CV_802_11_STA_CONFIG, HwRadioStatus) == 20);
static_assert(offsetof(CV_802_11_STA_CONFIG, Rsv1) == 24);
static_assert(offsetof(CV_802_11_STA_CONFIG, SystemErrorBitmap) == 28);

struct CV_802_11_LINK_STATUS {
  uint32_t CurrTxRate;
  uint32_t ChannelQuality;
  uint32_t TxByteCount;
  uint32_t RxByteCount;
};
static_assert(sizeof(CV_802_11_LINK_STATUS) == 16);
static_assert(offsetof(CV_802_11_LINK_STATUS, CurrTxRate) == 0);
static_assert(offsetof(CV_802_11_LINK_STATUS, ChannelQuality) == 4);
static_assert(offsetof(CV_802_11_LINK_STATUS, TxByteCount) == 8);
static_assert(offsetof(CV_802_11_LINK_STATUS, RxByteCount) == 12);

struct PAIR_CHANNEL_FREQ_ENTRY {
  uint32_t lChannel;
  uint32_t lFreq;  // kHz
};
static_assert(sizeof(PAIR_CHANNEL_FREQ_ENTRY) == 8);
static_assert(offsetof(PAIR_CHANNEL_FREQ_ENTRY, lChannel) == 0);
static_assert(offsetof(PAIR_CHANNEL_FREQ_ENTRY, lFreq) == 4);

#pragma pack(pop)

// The scan list is one fixed buffer; parts arrive 4096 bytes at a time.
constexpr std::size_t kBssidListBufferLength = 65536;
constexpr std::size_t kBssidListPartLength = 4096;

// NOLINTEND(readability-identifier-naming)

}  // namespace netvane
