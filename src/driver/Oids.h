// The OID catalogue. Queries carry the code as is; the transport ORs kOidSetFlag into sets.
#pragma once

#include <cstdint>

namespace netvane {

// NOLINTBEGIN(readability-identifier-naming) the OID names the driver publishes
constexpr uint32_t kOidSetFlag = 0x00800000U;

constexpr uint32_t OID_GEN_MEDIA_CONNECT_STATUS = 0x00010114U;
constexpr uint32_t OID_GEN_RCV_OK = 0x00020102U;
constexpr uint32_t OID_GEN_RCV_NO_BUFFER = 0x00020105U;
constexpr uint32_t OID_802_3_CURRENT_ADDRESS = 0x01010102U;
constexpr uint32_t OID_802_11_BSSID = 0x0D010101U;
constexpr uint32_t OID_802_11_SSID = 0x0D010102U;
constexpr uint32_t OID_802_11_INFRASTRUCTURE_MODE = 0x0D010108U;
constexpr uint32_t OID_802_11_DISASSOCIATE = 0x0D010115U;
constexpr uint32_t OID_802_11_AUTHENTICATION_MODE = 0x0D010118U;
constexpr uint32_t OID_802_11_BSSID_LIST_SCAN = 0x0D01011AU;
constexpr uint32_t OID_802_11_WEP_STATUS = 0x0D01011BU;
constexpr uint32_t OID_802_11_ADD_KEY = 0x0D01011DU;
constexpr uint32_t OID_802_11_REMOVE_KEY = 0x0D01011EU;
constexpr uint32_t OID_802_11_NETWORK_TYPES_SUPPORTED = 0x0D010203U;
constexpr uint32_t OID_802_11_RSSI = 0x0D010206U;
constexpr uint32_t OID_802_11_FRAGMENTATION_THRESHOLD = 0x0D010209U;
constexpr uint32_t OID_802_11_RTS_THRESHOLD = 0x0D01020AU;
constexpr uint32_t OID_802_11_DESIRED_RATES = 0x0D010210U;
constexpr uint32_t OID_802_11_CONFIGURATION = 0x0D010211U;
constexpr uint32_t OID_802_11_POWER_MODE = 0x0D010216U;
constexpr uint32_t OID_802_11_BSSID_LIST = 0x0D010217U;
constexpr uint32_t OID_CV_802_11_BSSID_LIST_NEXT = 0x0D010218U;
constexpr uint32_t OID_802_11_STATISTICS = 0x0D020212U;
constexpr uint32_t OID_CV_802_11_PREAMBLE = 0x0D710101U;
constexpr uint32_t OID_CV_802_11_QUERY_LINK_STATUS = 0x0D710102U;
constexpr uint32_t OID_CV_802_11_RESET_COUNTERS = 0x0D710103U;
constexpr uint32_t OID_CV_802_11_RADIO = 0x0D710108U;
constexpr uint32_t OID_CV_802_11_PHY_MODE = 0x0D71010CU;
constexpr uint32_t OID_CV_802_11_STA_CONFIG = 0x0D710111U;
constexpr uint32_t OID_CV_802_11_ADD_WPA = 0x0D710116U;
constexpr uint32_t OID_CV_802_11_TX_POWER_LEVEL = 0x0D710118U;
constexpr uint32_t OID_CV_802_11_EEPROM_VERSION = 0x0D710119U;
// NOLINTEND(readability-identifier-naming)

constexpr uint32_t SetForm(uint32_t oid) {
  return oid | kOidSetFlag;
}
constexpr bool IsSetCode(uint32_t code) {
  return (code & kOidSetFlag) != 0;
}

static_assert(SetForm(OID_CV_802_11_PHY_MODE) == 0x0DF1010CU);
static_assert(SetForm(OID_802_11_BSSID_LIST_SCAN) == 0x0D81011AU);
static_assert(SetForm(SetForm(OID_802_11_WEP_STATUS)) == 0x0D81011BU);

}  // namespace netvane
