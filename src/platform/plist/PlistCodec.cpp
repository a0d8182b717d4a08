#include "platform/plist/PlistCodec.h"

#include "platform/plist/StoredText.h"

namespace netvane::plist {
namespace {

using Kind = PlistValue::Kind;

// The text a value stands for in a record; nullopt for the kinds that have none.
std::optional<std::string> ValueText(const PlistValue& v) {
  switch (v.kind) {
    case Kind::kString:
      return BytesFromStoredText(v.text);
    case Kind::kData:
    case Kind::kInteger:
    case Kind::kReal:
      return v.text;
    case Kind::kBoolean:
      return std::string(v.boolean ? "YES" : "NO");
    default:
      return std::nullopt;
  }
}

}  // namespace

std::optional<RecordList> RecordsFrom(const PlistValue* value) {
  if (value != nullptr && value->kind == Kind::kRecords) return value->records->List();
  if (value == nullptr || value->kind != Kind::kArray) return std::nullopt;
  RecordList records;
  records.reserve(value->items.size());
  for (const PlistValue& element : value->items) {
    if (element.kind != Kind::kDict) continue;
    Dictionary& record = records.emplace_back();
    record.Reserve(element.items.size());
    for (std::size_t i = 0; i < element.items.size(); ++i) {
      std::optional<std::string> text = ValueText(element.items[i]);
      if (!text) continue;
      std::string key = BytesFromStoredText(element.keys[i]);
      // Keys are unique as read (a repeated key replaced the earlier value), unless two of
      // them only differ in how they spell the same bytes.
      if (key.size() == element.keys[i].size()) {
        record.AppendNew(std::move(key), std::move(*text));
      } else {
        record.Set(key, *text);
        system::WipeString(*text);
      }
    }
  }
  return records;
}

}  // namespace netvane::plist
