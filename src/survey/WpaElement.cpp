#include "survey/WpaElement.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <utility>

#include "survey/RsnElement.h"
#include "survey/ScanSelection.h"

namespace netvane {
namespace {

constexpr uint8_t kVendorElementId = 0xDD;
// Shorter vendor elements cannot hold a WPA element and are stepped over like any other.
constexpr std::size_t kShortestWpaBody = 16;
// Entries this short cannot carry any element.
constexpr uint32_t kShortestEntryWithElements = 105;
constexpr std::size_t kFixedIesLength = sizeof(NDIS_802_11_FIXED_IEs);
constexpr std::array<uint8_t, 3> kWpaOui{0x00, 0x50, 0xF2};
constexpr uint8_t kWpaOuiType = 0x01;

// Offsets inside the element, counted from its ElementID byte.
constexpr std::size_t kOuiAt = 2;
constexpr std::size_t kOuiTypeAt = 5;
constexpr std::size_t kGroupSuiteAt = 8;
constexpr std::size_t kGroupCipherAt = 11;
constexpr std::size_t kPairwiseCountAt = 12;
constexpr std::size_t kPairwiseListAt = 14;
constexpr std::size_t kSuiteLength = 4;

bool HasOuiAt(std::span<const uint8_t> element, std::size_t at) {
  return element.size() >= at + kWpaOui.size() &&
         std::equal(kWpaOui.begin(), kWpaOui.end(),
                    element.begin() + static_cast<std::ptrdiff_t>(at));
}

void NameCipher(uint8_t type, std::string& cipher) {
  switch (type) {
    case 2:
      cipher = "TKIP";
      break;
    case 3:
      cipher = "AES-WRAP";
      break;
    case 4:
      cipher = "AES-CCMP";
      break;
    default:
      break;  // WEP group ciphers and unknown types keep the caller's text
  }
}

void NameAuthentication(uint8_t type, uint32_t infrastructureMode, std::string& authentication) {
  switch (type) {
    case 1:
      authentication = "WPA";
      break;
    case 0:
    case 2:
      authentication = infrastructureMode == Ndis802_11IBSS ? "WPA-NONE" : "WPA-PSK";
      break;
    default:
      break;
  }
}

// `element` is the whole element, header included, and lies inside the entry.
WpaTexts ReadWpaElement(std::span<const uint8_t> element, uint32_t infrastructureMode,
                        WpaTexts texts) {
  if (!HasOuiAt(element, kOuiAt) || element[kOuiTypeAt] != kWpaOuiType ||
      !HasOuiAt(element, kGroupSuiteAt)) {
    return texts;
  }
  NameCipher(element[kGroupCipherAt], texts.cipher);

  const std::size_t pairwise =
      static_cast<std::size_t>(element[kPairwiseCountAt] | (element[kPairwiseCountAt + 1] << 8));
  const std::size_t keyMgmtCountAt = kPairwiseListAt + kSuiteLength * pairwise;
  const std::size_t keyMgmtSuiteAt = keyMgmtCountAt + 2;
  // A suite list that runs past the element's own length is not read.
  if (element.size() < keyMgmtSuiteAt + kSuiteLength) return texts;
  const bool anyKeyMgmt = element[keyMgmtCountAt] != 0 || element[keyMgmtCountAt + 1] != 0;
  if (anyKeyMgmt && HasOuiAt(element, keyMgmtSuiteAt)) {
    NameAuthentication(element[keyMgmtSuiteAt + 3], infrastructureMode, texts.authentication);
  }
  return texts;
}

WpaTexts ParseWpaVendorElement(std::span<const uint8_t> ies, uint32_t infrastructureMode,
                               WpaTexts given) {
  const std::size_t ieLength = ies.size();
  if (ieLength <= kFixedIesLength) return given;

  std::size_t offset = kFixedIesLength;
  while (ieLength > offset + 3) {
    const uint8_t id = ies[offset];
    const std::size_t bodyLength = ies[offset + 1];
    if (id == kVendorElementId && bodyLength >= kShortestWpaBody) {
      // The first long vendor element decides; one that claims more than the entry holds
      // counts as absent.
      if (bodyLength + 2 > ieLength - offset) return given;
      return ReadWpaElement(ies.subspan(offset, bodyLength + 2), infrastructureMode,
                            std::move(given));
    }
    offset += 2 + bodyLength;
    if (offset + 1 < ieLength && ies[offset + 1] == 0) return given;
  }
  return given;
}

}  // namespace

WpaTexts ParseWPAElement(std::span<const uint8_t> ies, uint32_t infrastructureMode,
                         WpaTexts given) {
  if (const auto rsn = FindRsnElement(ies)) return RsnTexts(*rsn, std::move(given));
  return ParseWpaVendorElement(ies, infrastructureMode, std::move(given));
}

WpaTexts ParseWPAElement(const ScanEntry& entry, WpaTexts given) {
  if (entry.fields.Length < kShortestEntryWithElements) return given;
  return ParseWPAElement(entry.ies, entry.fields.InfrastructureMode, std::move(given));
}

int32_t IsItemWPA(const ScanEntry& entry) {
  const WpaTexts texts = ParseWPAElement(entry, {"", "Unknow"});
  if (texts.authentication == "WPA") return kItemWpa;
  if (texts.authentication == "WPA-PSK") return kItemWpaPsk;
  if (texts.authentication == "WPA-NONE") return kItemWpaNone;
  if (texts.authentication == "WPA2") return kItemWpa2;
  if (texts.authentication == "WPA2-PSK" || texts.authentication == "WPA2/WPA3") {
    return kItemWpa2Psk;
  }
  if (texts.authentication == "WPA3-SAE") return kItemWpa3Sae;
  if (texts.authentication == "OWE") return kItemOwe;
  return kItemNotWpa;
}

int32_t IsItemWPA(const BssidList* list, int32_t currentSelectedItem) {
  const auto entry = SelectedScanEntry(list, currentSelectedItem);
  return entry ? IsItemWPA(*entry) : kItemNotWpa;
}

}  // namespace netvane
