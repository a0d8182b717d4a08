// The utility and the simulated driver compile the same Oids.h and Records.h, so a wrong OID or
// enum value would be agreed by both sides and pass every end-to-end test. These pins hold the
// headers to numbers written down independently of them, by hand, from the wire format the real
// driver expects: change a header and the build fails here. Record sizes and offsets, and the
// set form of a code, are checked where they are declared.
#include <type_traits>

#include "driver/Oids.h"
#include "driver/Records.h"

namespace netvane {
namespace {

static_assert(kOidSetFlag == 0x00800000);
static_assert(OID_GEN_MEDIA_CONNECT_STATUS == 0x00010114);
static_assert(OID_GEN_RCV_OK == 0x00020102);
static_assert(OID_GEN_RCV_NO_BUFFER == 0x00020105);
static_assert(OID_802_3_CURRENT_ADDRESS == 0x01010102);
static_assert(OID_802_11_BSSID == 0x0D010101);
static_assert(OID_802_11_SSID == 0x0D010102);
static_assert(OID_802_11_INFRASTRUCTURE_MODE == 0x0D010108);
static_assert(OID_802_11_DISASSOCIATE == 0x0D010115);
static_assert(OID_802_11_AUTHENTICATION_MODE == 0x0D010118);
static_assert(OID_802_11_BSSID_LIST_SCAN == 0x0D01011A);
static_assert(OID_802_11_WEP_STATUS == 0x0D01011B);
static_assert(OID_802_11_ADD_KEY == 0x0D01011D);
static_assert(OID_802_11_REMOVE_KEY == 0x0D01011E);
static_assert(OID_802_11_NETWORK_TYPES_SUPPORTED == 0x0D010203);
static_assert(OID_802_11_RSSI == 0x0D010206);
static_assert(OID_802_11_FRAGMENTATION_THRESHOLD == 0x0D010209);
static_assert(OID_802_11_RTS_THRESHOLD == 0x0D01020A);
static_assert(OID_802_11_DESIRED_RATES == 0x0D010210);
static_assert(OID_802_11_CONFIGURATION == 0x0D010211);
static_assert(OID_802_11_POWER_MODE == 0x0D010216);
static_assert(OID_802_11_BSSID_LIST == 0x0D010217);
static_assert(OID_CV_802_11_BSSID_LIST_NEXT == 0x0D010218);
static_assert(OID_802_11_STATISTICS == 0x0D020212);
static_assert(OID_CV_802_11_PREAMBLE == 0x0D710101);
static_assert(OID_CV_802_11_QUERY_LINK_STATUS == 0x0D710102);
static_assert(OID_CV_802_11_RESET_COUNTERS == 0x0D710103);
static_assert(OID_CV_802_11_RADIO == 0x0D710108);
static_assert(OID_CV_802_11_PHY_MODE == 0x0D71010C);
static_assert(OID_CV_802_11_STA_CONFIG == 0x0D710111);
static_assert(OID_CV_802_11_ADD_WPA == 0x0D710116);
static_assert(OID_CV_802_11_TX_POWER_LEVEL == 0x0D710118);
static_assert(OID_CV_802_11_EEPROM_VERSION == 0x0D710119);

static_assert(Ndis802_11FH == 0 && Ndis802_11DS == 1 && Ndis802_11OFDM5 == 2 &&
              Ndis802_11OFDM24 == 3 && Ndis802_11NetworkTypeMax == 4);
static_assert(Ndis802_11IBSS == 0 && Ndis802_11Infrastructure == 1 && Ndis802_11AutoUnknown == 2 &&
              Ndis802_11InfrastructureMax == 3);
static_assert(Ndis802_11AuthModeOpen == 0 && Ndis802_11AuthModeShared == 1 &&
              Ndis802_11AuthModeAutoSwitch == 2 && Ndis802_11AuthModeWPA == 3 &&
              Ndis802_11AuthModeWPAPSK == 4 && Ndis802_11AuthModeWPANone == 5 &&
              Ndis802_11AuthModeWPA2 == 6 && Ndis802_11AuthModeWPA2PSK == 7 &&
              Ndis802_11AuthModeMax == 8);
static_assert(Ndis802_11WEPEnabled == 0 && Ndis802_11Encryption1Enabled == 0 &&
              Ndis802_11WEPDisabled == 1 && Ndis802_11EncryptionDisabled == 1 &&
              Ndis802_11WEPKeyAbsent == 2 && Ndis802_11Encryption1KeyAbsent == 2 &&
              Ndis802_11WEPNotSupported == 3 && Ndis802_11EncryptionNotSupported == 3 &&
              Ndis802_11Encryption2Enabled == 4 && Ndis802_11Encryption2KeyAbsent == 5 &&
              Ndis802_11Encryption3Enabled == 6 && Ndis802_11Encryption3KeyAbsent == 7);
static_assert(Ndis802_11PowerModeCAM == 0 && Ndis802_11PowerModeMAX_PSP == 1 &&
              Ndis802_11PowerModeFast_PSP == 2 && Ndis802_11PowerModeMax == 3);
static_assert(NdisMediaStateConnected == 0 && NdisMediaStateDisconnected == 1);
static_assert(PHY_11BG_MIXED == 0 && PHY_11B == 1 && PHY_11A == 2 && PHY_11ABG_MIXED == 3);
static_assert(Cv802_11PreambleLong == 0 && Cv802_11PreambleShort == 1 && Cv802_11PreambleAuto == 2);
static_assert(kKeyIndexTransmit == 0x80000000 && kSystemErrorEeprom == 1 &&
              kNetworkTypeListLength == 20 && kBssidListPartLength == 4096);

// Rssi is negative dBm; an unsigned field would turn every signal into a huge number.
static_assert(std::is_signed_v<decltype(NDIS_WLAN_BSSID_EX::Rssi)>);

}  // namespace
}  // namespace netvane
