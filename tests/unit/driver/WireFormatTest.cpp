// The utility and the simulated driver compile the same Oids.h and Records.h, so a wrong OID or
// enum value would be agreed by both sides and pass every end-to-end test. These tables pin the
// headers to numbers written down independently of them, by hand, from the wire format the real
// driver expects: change a header and this is what must fail. Record sizes and offsets, and the
// set form of a code, are checked where they are declared, at compile time.
#include <gtest/gtest.h>

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

// Rssi is negative dBm; an unsigned field would turn every signal into a huge number.
TEST(WireFormatTest, RssiIsSigned) {
  EXPECT_TRUE(std::is_signed_v<decltype(NDIS_WLAN_BSSID_EX::Rssi)>);
}

}  // namespace
}  // namespace netvane
