#include "core/ApElements.h"

#include <array>
#include <vector>

#include "driverkit/ScanEntry.h"

namespace netvane::nmbridge {
namespace {

constexpr uint8_t kSuiteWep40 = 1;
constexpr uint8_t kSuiteWep104 = 5;
constexpr uint16_t kRsnMfpCapable = 0x0080;

struct Suite {
  uint32_t flag;
  uint8_t type;
};

// Weakest first: the group cipher a network with several group bits is read as.
constexpr std::array<Suite, 4> kGroups = {{{kGroupWep40, kSuiteWep40},
                                           {kGroupWep104, kSuiteWep104},
                                           {kGroupTkip, driverkit::kSuiteTkip},
                                           {kGroupCcmp, driverkit::kSuiteAes}}};
constexpr std::array<Suite, 4> kPairwise = {{{kPairCcmp, driverkit::kSuiteAes},
                                             {kPairTkip, driverkit::kSuiteTkip},
                                             {kPairWep104, kSuiteWep104},
                                             {kPairWep40, kSuiteWep40}}};
constexpr std::array<Suite, 4> kAkms = {{{kKeyMgmtPsk, driverkit::kAkmPsk},
                                         {kKeyMgmtSae, driverkit::kAkmSae},
                                         {kKeyMgmt8021X, driverkit::kAkm8021X},
                                         {kKeyMgmtOwe, driverkit::kAkmOwe}}};

// The suites whose flags are set, in the table's order; for WPA without SAE and OWE.
std::vector<uint8_t> SuitesOf(uint32_t flags, const std::array<Suite, 4>& table, bool wpa = false) {
  std::vector<uint8_t> out;
  for (const Suite& s : table) {
    const bool rsnOnly = s.flag == kKeyMgmtSae || s.flag == kKeyMgmtOwe;
    if ((flags & s.flag) != 0 && !(wpa && rsnOnly)) out.push_back(s.type);
  }
  return out;
}

// Group, pairwise count and suites, key management count and suites, under `oui`.
void AppendSuites(driverkit::Bytes& body, uint32_t flags, const driverkit::Oui& oui, bool wpa) {
  const std::vector<uint8_t> groups = SuitesOf(flags, kGroups);
  // No group bit: CCMP, the default a reader assumes for an element that leaves it out.
  driverkit::AppendSuite(body, groups.empty() ? driverkit::kSuiteAes : groups.front(), oui);
  for (const auto& list : {SuitesOf(flags, kPairwise), SuitesOf(flags, kAkms, wpa)}) {
    driverkit::AppendU16Le(body, static_cast<uint16_t>(list.size()));
    for (const uint8_t type : list) driverkit::AppendSuite(body, type, oui);
  }
}

}  // namespace

driverkit::Bytes RsnBody(uint32_t rsnFlags) {
  driverkit::Bytes body;
  driverkit::AppendU16Le(body, 1);  // version
  AppendSuites(body, rsnFlags, driverkit::kRsnOui, false);
  const bool mfp = (rsnFlags & (kKeyMgmtSae | kKeyMgmtOwe)) != 0;
  driverkit::AppendU16Le(body, mfp ? kRsnMfpCapable : 0);
  return body;
}

driverkit::Bytes WpaBody(uint32_t wpaFlags) {
  driverkit::Bytes body(driverkit::kWpaOui.begin(), driverkit::kWpaOui.end());
  body.push_back(1);  // the WPA element's type
  driverkit::AppendU16Le(body, 1);
  AppendSuites(body, wpaFlags, driverkit::kWpaOui, true);
  return body;
}

}  // namespace netvane::nmbridge
