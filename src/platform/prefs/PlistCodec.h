// Property lists in their XML form, through libplist, and the record lists the pages keep in
// them. Untrusted input is bounded before libplist sees it: a size limit and a nesting limit
// (libplist's reader recurses, and a few megabytes of open tags would exhaust the stack).
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/prefs/Dictionary.h"

namespace netvane::prefs {

// Far above any real file (500 profiles take about 700 KB) and far below trouble.
constexpr std::size_t kMaxFileBytes = 8u << 20;
constexpr int kMaxNesting = 32;

struct PlistFree {
  void operator()(void* node) const;
};
// A libplist node (`plist_t`) and everything under it.
using PlistPtr = std::unique_ptr<void, PlistFree>;

// The root of an XML property list, or null with `reason` set when the bytes are not one.
PlistPtr ParseXml(std::string_view bytes, std::string& reason);
std::string ToXml(void* root);

bool IsArray(void* node);
bool IsDictionary(void* node);

// Records from an array node; nullopt when the node is not an array. Elements that are not
// dictionaries are skipped. In a record, a string is read through BytesFromStoredText, data as
// its bytes, an integer or real as its decimal text, a boolean as "YES" or "NO"; a date, array
// or dictionary value is left out, so it reads as a missing key.
std::optional<RecordList> RecordsFrom(void* node);

// A new array node of dictionaries of strings.
PlistPtr ToArrayNode(const RecordList& records);

}  // namespace netvane::prefs
