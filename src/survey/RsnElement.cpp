#include "survey/RsnElement.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <utility>

#include "driver/Records.h"

namespace netvane {
namespace {

constexpr uint8_t kRsnElementId = 48;
constexpr uint16_t kRsnVersion = 1;
constexpr std::size_t kFixedIesLength = sizeof(NDIS_802_11_FIXED_IEs);
constexpr std::size_t kSuiteLength = 4;
constexpr std::array<uint8_t, 3> kIeeeOui{0x00, 0x0F, 0xAC};

// A cursor over the element's body that reads only what is there.
class Reader {
 public:
  explicit Reader(std::span<const uint8_t> bytes) : bytes_(bytes) {}
  std::size_t Left() const { return bytes_.size() - at_; }
  uint16_t U16() {
    const auto value = static_cast<uint16_t>(bytes_[at_] | (bytes_[at_ + 1] << 8));
    at_ += 2;
    return value;
  }
  // The suite's type under the 802.11 OUI; -1 for a suite of another organisation.
  int Suite() {
    const auto suite = bytes_.subspan(at_, kSuiteLength);
    at_ += kSuiteLength;
    return std::equal(kIeeeOui.begin(), kIeeeOui.end(), suite.begin()) ? suite[3] : -1;
  }

 private:
  std::span<const uint8_t> bytes_;
  std::size_t at_ = 0;
};

uint8_t CipherFlag(int type) {
  switch (type) {
    case 2:
      return kRsnTkip;
    case 4:
      return kRsnCcmp;
    default:
      return 0;  // WEP group ciphers, GCMP, CCMP-256 and unknown types
  }
}

uint8_t KeyManagementFlag(int type) {
  switch (type) {
    case 1:   // 802.1X
    case 3:   // fast transition, 802.1X
    case 5:   // 802.1X, SHA-256
    case 11:  // Suite B
    case 12:  // Suite B, 192 bits
    case 13:  // fast transition, 802.1X, SHA-384
      return kRsn8021X;
    case 2:
      return kRsnPsk;
    case 8:   // SAE
    case 24:  // SAE with a group-dependent hash
      return kRsnSae;
    case 18:
      return kRsnOwe;
    default:
      return 0;  // fast transition and SHA-256 PSK need management frame protection too
  }
}

// A count and its list of suites, or nothing when the list runs past the element.
std::optional<uint8_t> ReadSuiteList(Reader& r, uint8_t (*flagOf)(int)) {
  const std::size_t count = r.U16();
  if (count > r.Left() / kSuiteLength) return std::nullopt;
  uint8_t flags = 0;
  for (std::size_t i = 0; i < count; ++i) flags |= flagOf(r.Suite());
  return flags;
}

}  // namespace

std::optional<RsnElement> ReadRsnElement(std::span<const uint8_t> body) {
  Reader r(body);
  if (r.Left() < 2 || r.U16() != kRsnVersion) return std::nullopt;
  // 802.11: each field may be left off at the end, and then every field after it too. A tail
  // too short for the next field is such an end.
  RsnElement rsn{kRsnCcmp, kRsnCcmp, kRsn8021X, 0};
  if (r.Left() < kSuiteLength) return rsn;
  rsn.groupCipher = CipherFlag(r.Suite());
  if (r.Left() < 2) return rsn;
  const auto pairwise = ReadSuiteList(r, CipherFlag);
  if (!pairwise) return std::nullopt;
  rsn.pairwiseCiphers = *pairwise;
  if (r.Left() < 2) return rsn;
  const auto keyManagement = ReadSuiteList(r, KeyManagementFlag);
  if (!keyManagement) return std::nullopt;
  rsn.keyManagement = *keyManagement;
  if (r.Left() >= 2) rsn.capabilities = r.U16();
  return rsn;
}

std::optional<RsnElement> FindRsnElement(std::span<const uint8_t> ies) {
  std::size_t offset = kFixedIesLength;
  while (offset + 2 <= ies.size()) {
    const uint8_t id = ies[offset];
    const std::size_t bodyLength = ies[offset + 1];
    if (bodyLength > ies.size() - offset - 2) return std::nullopt;
    if (id == kRsnElementId) return ReadRsnElement(ies.subspan(offset + 2, bodyLength));
    offset += 2 + bodyLength;
  }
  return std::nullopt;
}

WpaTexts RsnTexts(const RsnElement& rsn, WpaTexts given) {
  const uint8_t ciphers = rsn.groupCipher | rsn.pairwiseCiphers;
  if ((ciphers & kRsnTkip) != 0 && (ciphers & kRsnCcmp) != 0) {
    given.cipher = kMixedCipherText;
  } else if ((ciphers & kRsnCcmp) != 0) {
    given.cipher = "AES-CCMP";
  } else if ((ciphers & kRsnTkip) != 0) {
    given.cipher = "TKIP";
  }

  const uint8_t akm = rsn.keyManagement;
  // A network that takes a pre-shared key is joinable whatever else it also offers.
  if ((akm & kRsnPsk) != 0) {
    given.authentication = (akm & kRsnSae) != 0 ? "WPA2/WPA3" : "WPA2-PSK";
  } else if ((akm & kRsnSae) != 0) {
    given.authentication = "WPA3-SAE";
  } else if ((akm & kRsnOwe) != 0) {
    given.authentication = "OWE";
  } else if ((akm & kRsn8021X) != 0) {
    given.authentication = "WPA2";
  }
  return given;
}

}  // namespace netvane
