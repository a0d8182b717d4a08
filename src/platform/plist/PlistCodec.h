// The record lists the pages keep in property lists, and the property-list values they are
// written as.
#pragma once

#include <optional>

#include "platform/plist/Dictionary.h"
#include "platform/plist/PlistValue.h"

namespace netvane::plist {

// Records from an array (or the records it was set to); nullopt when the value is not an array.
// Elements that are not dictionaries are skipped. In a record, a string is read through
// BytesFromStoredText, data as its bytes, an integer or real as its decimal text, a boolean as
// "YES" or "NO"; a date, array or dictionary value is left out, so it reads as a missing key.
std::optional<RecordList> RecordsFrom(const PlistValue* value);

}  // namespace netvane::plist
