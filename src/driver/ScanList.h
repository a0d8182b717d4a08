// The scan list: one fixed 65536-byte NDIS_802_11_BSSID_LIST_EX, and a bounds-checked walker
// over it. Scan lists come from the driver and are untrusted: every reader walks them through
// ScanListView, which never follows a Length past the buffer and never loops forever.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "driver/Records.h"

namespace netvane {

// One well-formed entry of a scan list, its fixed fields copied out.
struct ScanEntry {
  std::size_t offset = 0;          // where the entry starts in the list
  std::span<const uint8_t> bytes;  // the whole entry, Length bytes
  NDIS_WLAN_BSSID_EX fields{};     // fixed fields; IEs[] is not filled
  std::span<const uint8_t> ies;    // IELength bytes, empty when IELength lies
};

// Walks `NumberOfItems` entries from offset 4, each advanced over by its Length. The walk ends
// early at the first entry that is malformed: Length shorter than the fixed fields or reaching
// past the end of `bytes`.
class ScanListView {
 public:
  explicit ScanListView(std::span<const uint8_t> bytes);

  uint32_t DeclaredCount() const;
  // Entries that are really there (at most DeclaredCount()).
  std::size_t Count() const { return entries_.size(); }
  const std::vector<ScanEntry>& Entries() const { return entries_; }
  std::optional<ScanEntry> At(std::size_t index) const;
  // Offset just past the last well-formed entry: where the next part is appended.
  std::size_t EndOffset() const { return end_; }

 private:
  std::span<const uint8_t> bytes_;
  std::vector<ScanEntry> entries_;
  std::size_t end_ = 0;
};

// The SSID's bytes, at most SsidLength and the 32 of the field, without the zero bytes that pad
// it at the end (a hidden network's all-zero name is empty). A zero byte inside the name is
// part of it: cut there, "Home\0Evil" would pass for "Home".
std::string SsidText(const NDIS_802_11_SSID& ssid);

// "02-1A-2B-3C-4D-5E": capital hexadecimal digits and hyphens.
std::string MacAddressText(std::span<const uint8_t, kMacLength> mac);

// Parses one entry at `offset` of `bytes`; nullopt when it is malformed.
std::optional<ScanEntry> ReadScanEntry(std::span<const uint8_t> bytes, std::size_t offset);

// The list buffer that the scan primitive owns and replaces on every collection.
class BssidList {
 public:
  BssidList() : bytes_(std::make_unique<std::array<uint8_t, kBssidListBufferLength>>()) {}

  // Raw access for the driver to answer into; call Normalise after writing through it.
  uint8_t* Data() { return bytes_->data(); }
  std::span<uint8_t> Bytes() { return *bytes_; }
  std::span<const uint8_t> Bytes() const { return *bytes_; }
  ScanListView View() const { return ScanListView(Bytes()); }
  uint32_t NumberOfItems() const;
  void SetNumberOfItems(uint32_t count);

  // Appends the well-formed entries of one driver part (`part` holds exactly the bytes the
  // driver returned) after the entries already here, in order. An entry that does not fit in
  // the list ends the copying. Returns the number of entries appended.
  std::size_t AppendPart(std::span<const uint8_t> part);

  // Cuts the list to its well-formed entries, the first `validBytes` bytes being all the
  // driver delivered, so that NumberOfItems never claims more than is there.
  void Normalise(std::size_t validBytes);

 private:
  std::unique_ptr<std::array<uint8_t, kBssidListBufferLength>> bytes_;
  // Where the next part goes and how many entries are there, kept so that appending a part
  // does not walk the whole list again.
  std::size_t end_ = 4;
  uint32_t count_ = 0;
};

}  // namespace netvane
