// A preference record: text keys to byte-string values, in the order they were set. Values hold
// the bytes the program works with; how they are written as XML text is the file layer's concern.
#pragma once

#include <algorithm>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/system/Wipe.h"

namespace netvane::plist {

class Dictionary {
 public:
  struct Entry {
    std::string key;
    std::string value;
    // Key material is written one character per byte even when it happens to be valid UTF-8,
    // so that any reader counting characters counts the key's bytes.
    bool keyMaterial = false;

    Entry(std::string k, std::string v, bool material)
        : key(std::move(k)), value(std::move(v)), keyMaterial(material) {}
    Entry(const Entry&) = default;
    Entry& operator=(const Entry&) = default;
    // A vector that grows moves its entries rather than copying every text; what a move leaves
    // behind is wiped by the destructor as any other entry's.
    Entry(Entry&&) noexcept = default;
    Entry& operator=(Entry&&) noexcept = default;
    // Values may be keys or pass phrases: no copy outlives its entry readable.
    ~Entry() { system::WipeString(value); }
    // How a value is written is not part of what it is.
    bool operator==(const Entry& other) const { return key == other.key && value == other.value; }
  };

  // Replaces the value of `key`, or appends it.
  void Set(std::string_view key, std::string_view value, bool keyMaterial = false) {
    if (Entry* e = Find(key)) {
      system::WipeString(e->value);
      e->value = value;
      e->keyMaterial = keyMaterial;
      return;
    }
    entries_.push_back({std::string(key), std::string(value), keyMaterial});
  }
  // Set, moving the texts in; what is left in them is wiped.
  void Take(std::string& key, std::string& value) {
    if (Entry* e = Find(key)) {
      system::WipeString(e->value);
      e->value = std::move(value);
      e->keyMaterial = false;
    } else {
      entries_.emplace_back(std::move(key), std::move(value), false);
    }
    system::WipeString(key);
    system::WipeString(value);
  }
  // Appends without looking for `key`: for a caller that knows it is not there yet.
  void AppendNew(std::string key, std::string value) {
    entries_.emplace_back(std::move(key), std::move(value), false);
  }
  void Reserve(std::size_t count) { entries_.reserve(count); }
  bool Has(std::string_view key) const { return Find(key) != nullptr; }
  // A missing key reads as the empty text.
  std::string Text(std::string_view key) const {
    const Entry* e = Find(key);
    return e == nullptr ? std::string() : e->value;
  }
  const std::vector<Entry>& Entries() const { return entries_; }
  bool operator==(const Dictionary&) const = default;

 private:
  template <typename Self>
  static auto* FindIn(Self& self, std::string_view key) {
    auto it = std::find_if(self.entries_.begin(), self.entries_.end(),
                           [key](const Entry& e) { return e.key == key; });
    return it == self.entries_.end() ? nullptr : &*it;
  }
  const Entry* Find(std::string_view key) const { return FindIn(*this, key); }
  Entry* Find(std::string_view key) { return FindIn(*this, key); }

  std::vector<Entry> entries_;
};

using RecordList = std::vector<Dictionary>;

}  // namespace netvane::plist
