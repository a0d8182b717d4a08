#include "support/plist/ReferenceReader.h"

#include <plist/plist.h>

#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "platform/plist/StoredText.h"

namespace netvane::testing {
namespace {

struct Free {
  void operator()(void* p) const { std::free(p); }  // NOLINT(cppcoreguidelines-no-malloc)
};

std::optional<std::string> Text(plist_t node) {
  char text[64];
  switch (plist_get_node_type(node)) {
    case PLIST_STRING: {
      uint64_t length = 0;
      const char* value = plist_get_string_ptr(node, &length);
      return plist::BytesFromStoredText(std::string_view(value, length));
    }
    case PLIST_DATA: {
      uint64_t length = 0;
      const char* value = plist_get_data_ptr(node, &length);
      return std::string(value, length);
    }
    case PLIST_UINT: {
      uint64_t value = 0;
      plist_get_uint_val(node, &value);
      // Negative integers are kept in two's complement.
      std::snprintf(text, sizeof text, "%" PRId64, static_cast<int64_t>(value));
      return text;
    }
    case PLIST_REAL: {
      double value = 0;
      plist_get_real_val(node, &value);
      std::snprintf(text, sizeof text, "%.17g", value);
      return text;
    }
    case PLIST_BOOLEAN: {
      uint8_t value = 0;
      plist_get_bool_val(node, &value);
      return std::string(value != 0 ? "YES" : "NO");
    }
    default:
      return std::nullopt;
  }
}

plist::RecordList Records(plist_t array) {
  plist::RecordList records;
  for (uint32_t i = 0; i < plist_array_get_size(array); ++i) {
    plist_t element = plist_array_get_item(array, i);
    if (plist_get_node_type(element) != PLIST_DICT) continue;
    plist::Dictionary& record = records.emplace_back();
    plist_dict_iter it = nullptr;
    plist_dict_new_iter(element, &it);
    const std::unique_ptr<void, Free> iterator(it);
    for (;;) {
      char* key = nullptr;
      plist_t value = nullptr;
      plist_dict_next_item(element, it, &key, &value);
      if (key == nullptr) break;
      const std::unique_ptr<char, Free> owned(key);
      if (auto text = Text(value)) record.Set(plist::BytesFromStoredText(key), *text);
    }
  }
  return records;
}

}  // namespace

std::optional<plist::RecordList> LibplistRecords(std::string_view xml, const std::string& key) {
  plist_t root = nullptr;
  plist_from_xml(xml.data(), static_cast<uint32_t>(xml.size()), &root);
  if (root == nullptr) return std::nullopt;
  const std::unique_ptr<void, decltype(&plist_free)> owned(root, &plist_free);
  plist_t array = key.empty()                               ? root
                  : plist_get_node_type(root) == PLIST_DICT ? plist_dict_get_item(root, key.c_str())
                                                            : nullptr;
  if (array == nullptr || plist_get_node_type(array) != PLIST_ARRAY) return std::nullopt;
  return Records(array);
}

}  // namespace netvane::testing
