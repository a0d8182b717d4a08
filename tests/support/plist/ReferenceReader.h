// libplist as the independent reader our preference files are checked against: the records a
// property list holds as libplist reads it, by the same documented rules (strings through
// BytesFromStoredText, data as bytes, numbers as decimal text, booleans as "YES"/"NO").
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/plist/Dictionary.h"

namespace netvane::testing {

// The array at the root (`key` empty) or under `key` of a dictionary root; nullopt when libplist
// does not read the document or finds no array there. Only for documents Netvane's own reader
// took: libplist 2.2 crashes on a zero byte or deep nesting, which that reader refuses.
std::optional<plist::RecordList> LibplistRecords(std::string_view xml, const std::string& key = "");

}  // namespace netvane::testing
