#include "driver/ScanList.h"

#include <algorithm>
#include <cstring>

namespace netvane {
namespace {

uint32_t ReadU32(std::span<const uint8_t> bytes, std::size_t offset) {
  uint32_t v = 0;
  if (offset <= bytes.size() && bytes.size() - offset >= sizeof v) {
    std::memcpy(&v, bytes.data() + offset, sizeof v);
  }
  return v;
}

constexpr std::size_t kListHeaderLength = offsetof(NDIS_802_11_BSSID_LIST_EX, Bssid);

}  // namespace

std::optional<ScanEntry> ReadScanEntry(std::span<const uint8_t> bytes, std::size_t offset) {
  if (offset > bytes.size() || bytes.size() - offset < kBssidEntryFixedLength) {
    return std::nullopt;
  }
  const uint32_t length = ReadU32(bytes, offset);
  if (length < kBssidEntryFixedLength || length > bytes.size() - offset) return std::nullopt;

  ScanEntry e;
  e.offset = offset;
  e.bytes = bytes.subspan(offset, length);
  std::memcpy(&e.fields, e.bytes.data(), kBssidEntryFixedLength);
  const std::size_t room = length - kBssidEntryFixedLength;
  // Elements claiming more bytes than the entry holds are treated as absent.
  if (e.fields.IELength <= room) e.ies = e.bytes.subspan(kBssidEntryFixedLength, e.fields.IELength);
  return e;
}

ScanListView::ScanListView(std::span<const uint8_t> bytes) : bytes_(bytes) {
  end_ = std::min(bytes_.size(), kListHeaderLength);
  const uint32_t declared = DeclaredCount();
  // Every entry is at least the fixed fields long, which bounds the walk whatever is declared.
  const std::size_t most = bytes_.size() / kBssidEntryFixedLength;
  entries_.reserve(std::min<std::size_t>(declared, most));
  std::size_t offset = kListHeaderLength;
  for (uint32_t i = 0; i < declared; ++i) {
    auto e = ReadScanEntry(bytes_, offset);
    if (!e) break;
    offset += e->bytes.size();
    end_ = offset;
    entries_.push_back(*e);
  }
}

uint32_t ScanListView::DeclaredCount() const {
  return ReadU32(bytes_, 0);
}

std::optional<ScanEntry> ScanListView::At(std::size_t index) const {
  if (index >= entries_.size()) return std::nullopt;
  return entries_[index];
}

uint32_t BssidList::NumberOfItems() const {
  return ReadU32(Bytes(), 0);
}

void BssidList::SetNumberOfItems(uint32_t count) {
  std::memcpy(Data(), &count, sizeof count);
}

std::size_t BssidList::AppendPart(std::span<const uint8_t> part) {
  const ScanListView incoming(part);
  std::size_t appended = 0;
  for (const ScanEntry& e : incoming.Entries()) {
    if (e.bytes.size() > kBssidListBufferLength - end_) break;
    std::memcpy(Data() + end_, e.bytes.data(), e.bytes.size());
    end_ += e.bytes.size();
    ++appended;
  }
  count_ += static_cast<uint32_t>(appended);
  SetNumberOfItems(count_);
  return appended;
}

void BssidList::Normalise(std::size_t validBytes) {
  validBytes = std::min(validBytes, kBssidListBufferLength);
  const ScanListView view(Bytes().first(validBytes));
  end_ = std::max(view.EndOffset(), kListHeaderLength);
  count_ = static_cast<uint32_t>(view.Count());
  SetNumberOfItems(count_);
  // Whatever followed the last good entry is not part of the list.
  std::fill(bytes_->begin() + static_cast<std::ptrdiff_t>(end_), bytes_->end(), uint8_t{0});
}

std::string SsidText(const NDIS_802_11_SSID& ssid) {
  const auto* begin = std::begin(ssid.Ssid);
  const auto* end = begin + std::min<std::size_t>(ssid.SsidLength, kMaxSsidLength);
  while (end != begin && *(end - 1) == 0) --end;
  return {begin, end};
}

std::string MacAddressText(std::span<const uint8_t, kMacLength> mac) {
  // By hand: printf formatting took half the time of a whole row rebuild.
  constexpr const char* kDigits = "0123456789ABCDEF";
  std::string text(3 * kMacLength - 1, '-');
  for (std::size_t i = 0; i < kMacLength; ++i) {
    text[3 * i] = kDigits[mac[i] >> 4];
    text[3 * i + 1] = kDigits[mac[i] & 0x0F];
  }
  return text;
}

}  // namespace netvane
