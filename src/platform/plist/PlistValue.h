// A property-list value: what an XML property list holds, kept as read so that a file can be
// written back with everything Netvane does not know left as it was.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/plist/Dictionary.h"
#include "platform/system/Wipe.h"

namespace netvane::plist {

// A record list the program set, kept as records; its XML text is made once, however many files
// it goes into.
class SharedRecords {
 public:
  explicit SharedRecords(RecordList list) : list_(std::move(list)) {}
  SharedRecords(const SharedRecords&) = delete;
  SharedRecords& operator=(const SharedRecords&) = delete;
  ~SharedRecords() { system::WipeString(xml_); }

  const RecordList& List() const { return list_; }
  // The list as an XML <array> element at the left margin (made by the XML writer).
  const std::string& Xml() const;

 private:
  RecordList list_;
  mutable std::string xml_;
  mutable bool written_ = false;
};

class PlistValue {
 public:
  // kRecords is an array of dictionaries of strings, kept as records (their strings are the
  // bytes they stand for, as BytesFromStoredText gives them).
  enum class Kind : uint8_t {
    kString,
    kInteger,
    kReal,
    kBoolean,
    kDate,
    kData,
    kArray,
    kDict,
    kRecords
  };

  PlistValue() = default;
  static PlistValue Text(Kind kind, std::string text) {
    PlistValue v(kind);
    v.text = std::move(text);
    return v;
  }
  static PlistValue Boolean(bool value) {
    PlistValue v(Kind::kBoolean);
    v.boolean = value;
    return v;
  }
  static PlistValue Array() { return PlistValue(Kind::kArray); }
  static PlistValue Records(std::shared_ptr<const SharedRecords> list) {
    PlistValue v(Kind::kRecords);
    v.records = std::move(list);
    return v;
  }
  static PlistValue Dict() { return PlistValue(Kind::kDict); }

  PlistValue(const PlistValue&) = default;
  PlistValue& operator=(const PlistValue&) = default;
  PlistValue(PlistValue&&) noexcept = default;
  PlistValue& operator=(PlistValue&&) noexcept = default;
  // Strings may be keys or pass phrases.
  ~PlistValue() { system::WipeString(text); }

  // The member named `key` of a dictionary; nullptr when absent or not a dictionary.
  const PlistValue* Member(std::string_view key) const {
    for (std::size_t i = 0; i < keys.size(); ++i) {
      if (keys[i] == key) return &items[i];
    }
    return nullptr;
  }
  // Replaces or appends the member `key` of a dictionary.
  void SetMember(std::string_view key, PlistValue value) {
    for (std::size_t i = 0; i < keys.size(); ++i) {
      if (keys[i] == key) {
        items[i] = std::move(value);
        return;
      }
    }
    keys.emplace_back(key);
    items.push_back(std::move(value));
  }

  Kind kind = Kind::kString;
  // A string's text (UTF-8 as written, entities resolved); an integer's or real's decimal text;
  // a date's text as written; data's bytes.
  std::string text;
  bool boolean = false;
  std::vector<std::string> keys;  // a dictionary's keys, parallel to `items`
  std::vector<PlistValue> items;  // an array's elements or a dictionary's values
  std::shared_ptr<const SharedRecords> records;

 private:
  explicit PlistValue(Kind k) : kind(k) {}
};

}  // namespace netvane::plist
