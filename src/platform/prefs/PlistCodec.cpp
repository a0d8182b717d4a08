#include "platform/prefs/PlistCodec.h"

#include <plist/plist.h>

#include <algorithm>
#include <cinttypes>
#include <cstdio>
#include <cstdlib>

#include "platform/prefs/StoredText.h"
#include "platform/system/Wipe.h"

namespace netvane::prefs {
namespace {

// The deepest nesting of <array> and <dict> elements, skipping comments, processing
// instructions, the document type and CDATA, where markup-like text is not markup.
int NestingDepth(std::string_view xml) {
  int depth = 0;
  int deepest = 0;
  for (std::size_t at = xml.find('<'); at != std::string_view::npos; at = xml.find('<', at + 1)) {
    const std::string_view rest = xml.substr(at);
    const auto skipTo = [&](std::string_view end) {
      const std::size_t found = xml.find(end, at);
      at = found == std::string_view::npos ? xml.size() - 1 : found;
    };
    if (rest.starts_with("<!--")) {
      skipTo("-->");
    } else if (rest.starts_with("<![CDATA[")) {
      skipTo("]]>");
    } else if (rest.starts_with("<?") || rest.starts_with("<!")) {
      skipTo(">");
    } else if (rest.starts_with("</array") || rest.starts_with("</dict")) {
      --depth;
    } else if (rest.starts_with("<array") || rest.starts_with("<dict")) {
      const std::size_t close = rest.find('>');
      const bool empty = close != std::string_view::npos && close > 0 && rest[close - 1] == '/';
      if (!empty) deepest = std::max(deepest, ++depth);
    }
  }
  return deepest;
}

std::string StringOf(plist_t node) {
  // The pointer form: the copying getter asserts on a string with a zero byte inside.
  uint64_t length = 0;
  const char* value = plist_get_string_ptr(node, &length);
  return value == nullptr ? std::string() : BytesFromStoredText(std::string_view(value, length));
}

std::string DataOf(plist_t node) {
  char* value = nullptr;
  uint64_t length = 0;
  plist_get_data_val(node, &value, &length);
  std::string bytes = value == nullptr ? std::string() : std::string(value, length);
  SecureWipe(value, length);
  std::free(value);  // NOLINT(cppcoreguidelines-no-malloc) libplist's allocation
  return bytes;
}

// The text a non-string value stands for; nullopt for the kinds that have none.
std::optional<std::string> ValueText(plist_t node) {
  char text[64];
  switch (plist_get_node_type(node)) {
    case PLIST_STRING:
      return StringOf(node);
    case PLIST_DATA:
      return DataOf(node);
    case PLIST_UINT: {
      uint64_t value = 0;
      plist_get_uint_val(node, &value);
      // libplist keeps negative integers in two's complement.
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

Dictionary DictionaryFrom(plist_t node) {
  Dictionary record;
  plist_dict_iter it = nullptr;
  plist_dict_new_iter(node, &it);
  for (;;) {
    char* key = nullptr;
    plist_t value = nullptr;
    plist_dict_next_item(node, it, &key, &value);
    if (key == nullptr) break;
    if (std::optional<std::string> text = ValueText(value))
      record.Set(BytesFromStoredText(key), *text);
    std::free(key);  // NOLINT(cppcoreguidelines-no-malloc) libplist's allocation
  }
  std::free(it);  // NOLINT(cppcoreguidelines-no-malloc) libplist's allocation
  return record;
}

// Profiles keep key material and pass phrases in strings: zero them before libplist frees them.
void WipeValues(plist_t node) {
  if (node == nullptr) return;
  uint64_t length = 0;
  switch (plist_get_node_type(node)) {
    case PLIST_STRING:
      // NOLINTNEXTLINE(cppcoreguidelines-pro-type-const-cast) the node's own buffer, freed next
      SecureWipe(const_cast<char*>(plist_get_string_ptr(node, &length)), length);
      break;
    case PLIST_DATA:
      // NOLINTNEXTLINE(cppcoreguidelines-pro-type-const-cast) the node's own buffer, freed next
      SecureWipe(const_cast<char*>(plist_get_data_ptr(node, &length)), length);
      break;
    case PLIST_ARRAY:
      for (uint32_t i = 0; i < plist_array_get_size(node); ++i) {
        WipeValues(plist_array_get_item(node, i));
      }
      break;
    case PLIST_DICT: {
      plist_dict_iter it = nullptr;
      plist_dict_new_iter(node, &it);
      for (;;) {
        char* key = nullptr;
        plist_t value = nullptr;
        plist_dict_next_item(node, it, &key, &value);
        if (key == nullptr) break;
        std::free(key);  // NOLINT(cppcoreguidelines-no-malloc) libplist's allocation
        WipeValues(value);
      }
      std::free(it);  // NOLINT(cppcoreguidelines-no-malloc) libplist's allocation
      break;
    }
    default:
      break;
  }
}

}  // namespace

void PlistFree::operator()(void* node) const {
  WipeValues(static_cast<plist_t>(node));
  plist_free(static_cast<plist_t>(node));
}

PlistPtr ParseXml(std::string_view bytes, std::string& reason) {
  if (bytes.size() > kMaxFileBytes) {
    reason = "it is too large";
    return nullptr;
  }
  // XML has no place for a zero byte, and libplist would keep it inside a string.
  if (bytes.find('\0') != std::string_view::npos) {
    reason = "it is not an XML property list";
    return nullptr;
  }
  if (NestingDepth(bytes) > kMaxNesting) {
    reason = "it nests more than " + std::to_string(kMaxNesting) + " levels deep";
    return nullptr;
  }
  plist_t root = nullptr;
  plist_from_xml(bytes.data(), static_cast<uint32_t>(bytes.size()), &root);
  if (root == nullptr) reason = "it is not an XML property list";
  return PlistPtr(root);
}

std::string ToXml(void* root) {
  char* xml = nullptr;
  uint32_t length = 0;
  plist_to_xml(static_cast<plist_t>(root), &xml, &length);
  std::string text = xml == nullptr ? std::string() : std::string(xml, length);
  SecureWipe(xml, length);
  std::free(xml);  // NOLINT(cppcoreguidelines-no-malloc) libplist's allocation
  return text;
}

bool IsArray(void* node) {
  return node != nullptr && plist_get_node_type(static_cast<plist_t>(node)) == PLIST_ARRAY;
}

bool IsDictionary(void* node) {
  return node != nullptr && plist_get_node_type(static_cast<plist_t>(node)) == PLIST_DICT;
}

std::optional<RecordList> RecordsFrom(void* node) {
  if (!IsArray(node)) return std::nullopt;
  const auto array = static_cast<plist_t>(node);
  RecordList records;
  const uint32_t size = plist_array_get_size(array);
  for (uint32_t i = 0; i < size; ++i) {
    plist_t element = plist_array_get_item(array, i);
    if (IsDictionary(element)) records.push_back(DictionaryFrom(element));
  }
  return records;
}

PlistPtr ToArrayNode(const RecordList& records) {
  PlistPtr array(plist_new_array());
  for (const Dictionary& record : records) {
    plist_t dict = plist_new_dict();
    for (const Dictionary::Entry& e : record.Entries()) {
      std::string text = e.keyMaterial ? StoredKeyText(e.value) : StoredText(e.value);
      // A key is text the program chose; keep it valid XML all the same.
      plist_dict_set_item(dict, StoredText(e.key).c_str(), plist_new_string(text.c_str()));
      WipeString(text);
    }
    plist_array_append_item(static_cast<plist_t>(array.get()), dict);
  }
  return array;
}

}  // namespace netvane::prefs
