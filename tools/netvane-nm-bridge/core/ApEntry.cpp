#include "core/ApEntry.h"

#include <vector>

#include "core/ApElements.h"
#include "driver/Records.h"
#include "driverkit/ScanEntry.h"

namespace netvane::nmbridge {
namespace {

constexpr uint32_t kFirst5GHzMHz = 4900;
constexpr uint32_t k6GHzChannel2MHz = 5935;  // the one 6 GHz channel below the plan's base
constexpr uint32_t k6GHzBaseMHz = 5950;
constexpr uint32_t k5GHzBaseMHz = 5000;
constexpr uint32_t k49GHzBaseMHz = 4000;
constexpr uint32_t k24GHzBaseMHz = 2407;
constexpr uint32_t kChannel14MHz = 2484;
constexpr uint32_t kFirst24GHzMHz = 2412;
constexpr uint32_t kLast24GHzMHz = 2472;
constexpr uint32_t kStepMHz = 5;
constexpr uint32_t kLastChannelNumber = 255;
constexpr uint32_t kMax11bKbps = 11000;

driverkit::Bytes RatesOf(const AccessPointState& ap) {
  if (ap.frequencyMHz >= kFirst5GHzMHz) {
    return {driverkit::kRates5.begin(), driverkit::kRates5.end()};
  }
  const std::size_t count = ap.maxBitrateKbps != 0 && ap.maxBitrateKbps <= kMax11bKbps
                                ? driverkit::kRates11bCount
                                : driverkit::kRates24.size();
  return {driverkit::kRates24.begin(), driverkit::kRates24.begin() + static_cast<long>(count)};
}

}  // namespace

int32_t RssiOfStrength(uint8_t strengthPercent) {
  const uint32_t s = strengthPercent > 100 ? 100 : strengthPercent;
  return -100 + static_cast<int32_t>((6 * s + 5) / 10);
}

uint8_t ChannelOfFrequency(uint32_t mhz) {
  uint32_t channel = 0;
  if (mhz == kChannel14MHz) {
    channel = 14;
  } else if (mhz >= kFirst24GHzMHz && mhz <= kLast24GHzMHz) {
    channel = (mhz - k24GHzBaseMHz) / kStepMHz;
  } else if (mhz == k6GHzChannel2MHz) {
    channel = 2;
  } else if (mhz > k6GHzBaseMHz) {
    channel = (mhz - k6GHzBaseMHz) / kStepMHz;
  } else if (mhz >= k5GHzBaseMHz) {
    channel = (mhz - k5GHzBaseMHz) / kStepMHz;
  } else if (mhz >= kFirst5GHzMHz) {
    channel = (mhz - k49GHzBaseMHz) / kStepMHz;
  }
  return channel <= kLastChannelNumber ? static_cast<uint8_t>(channel) : 0;
}

uint32_t NetworkTypeOfFrequency(uint32_t mhz) {
  return mhz >= kFirst5GHzMHz ? Ndis802_11OFDM5 : Ndis802_11DS;
}

std::optional<driverkit::Bytes> EntryOf(const AccessPointState& ap) {
  if (ap.mode != kModeAdhoc && ap.mode != kModeInfrastructure) return std::nullopt;
  driverkit::EntryFields f;
  f.bssid = ap.bssid;
  f.ssid = ap.ssid.substr(0, kMaxSsidLength);
  f.adhoc = ap.mode == kModeAdhoc;
  f.privacy = (ap.flags & kApFlagPrivacy) != 0;
  f.rssi = RssiOfStrength(ap.strength);
  f.networkType = NetworkTypeOfFrequency(ap.frequencyMHz);
  f.frequencyKHz = ap.frequencyMHz * 1000;
  f.channel = ChannelOfFrequency(ap.frequencyMHz);
  f.rates = RatesOf(ap);
  std::vector<driverkit::Element> extra;
  if (ap.rsnFlags != 0) extra.push_back({driverkit::kElementRsn, RsnBody(ap.rsnFlags)});
  if (ap.wpaFlags != 0) extra.push_back({driverkit::kElementVendor, WpaBody(ap.wpaFlags)});
  return driverkit::BuildEntry(f, extra);
}

}  // namespace netvane::nmbridge
