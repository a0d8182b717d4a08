#include "platform/plist/PlistXml.h"

#include <pugixml.hpp>

#include <algorithm>
#include <array>
#include <cinttypes>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "platform/plist/StoredText.h"
#include "platform/system/Wipe.h"
#include "text/Translate.h"
#include "text/Utf8.h"

namespace netvane::plist {
namespace {

using Kind = PlistValue::Kind;

constexpr char kBase64[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

bool IsSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

int Base64Value(char c) {
  if (c >= 'A' && c <= 'Z') return c - 'A';
  if (c >= 'a' && c <= 'z') return c - 'a' + 26;
  if (c >= '0' && c <= '9') return c - '0' + 52;
  if (c == '+') return 62;
  if (c == '/') return 63;
  return -1;
}

// White space is skipped, and so is anything after padding; other characters refuse.
std::optional<std::string> DecodeBase64(std::string_view text) {
  std::string out;
  uint32_t bits = 0;
  int count = 0;
  for (const char c : text) {
    if (IsSpace(c)) continue;
    if (c == '=') break;
    const int v = Base64Value(c);
    if (v < 0) return std::nullopt;
    bits = (bits << 6) | static_cast<uint32_t>(v);
    if (++count == 4) {
      out += static_cast<char>(bits >> 16);
      out += static_cast<char>(bits >> 8);
      out += static_cast<char>(bits);
      bits = 0;
      count = 0;
    }
  }
  if (count == 1) return std::nullopt;
  if (count == 2) out += static_cast<char>(bits >> 4);
  if (count == 3) {
    out += static_cast<char>(bits >> 10);
    out += static_cast<char>(bits >> 2);
  }
  return out;
}

std::string EncodeBase64(std::string_view bytes) {
  std::string out;
  std::size_t i = 0;
  for (; i + 2 < bytes.size(); i += 3) {
    const uint32_t v = static_cast<uint32_t>(static_cast<uint8_t>(bytes[i])) << 16 |
                       static_cast<uint32_t>(static_cast<uint8_t>(bytes[i + 1])) << 8 |
                       static_cast<uint8_t>(bytes[i + 2]);
    for (int shift = 18; shift >= 0; shift -= 6) out += kBase64[(v >> shift) & 0x3F];
  }
  if (i < bytes.size()) {
    uint32_t v = static_cast<uint32_t>(static_cast<uint8_t>(bytes[i])) << 16;
    if (i + 1 < bytes.size()) v |= static_cast<uint32_t>(static_cast<uint8_t>(bytes[i + 1])) << 8;
    out += kBase64[(v >> 18) & 0x3F];
    out += kBase64[(v >> 12) & 0x3F];
    out += i + 1 < bytes.size() ? kBase64[(v >> 6) & 0x3F] : '=';
    out += '=';
  }
  return out;
}

// An integer's text as a number would give it: optional sign, decimal digits (or 0x and hex
// digits), saturating; no digits read as 0.
std::string IntegerText(std::string_view text) {
  std::size_t at = 0;
  while (at < text.size() && IsSpace(text[at])) ++at;
  bool negative = false;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';
  unsigned base = 10;
  if (text.substr(at, 2) == "0x" || text.substr(at, 2) == "0X") {
    base = 16;
    at += 2;
  }
  uint64_t value = 0;
  bool overflow = false;
  for (; at < text.size(); ++at) {
    const char c = text[at];
    unsigned digit = 0;
    if (c >= '0' && c <= '9') {
      digit = static_cast<unsigned>(c - '0');
    } else if (base == 16 && ((c | 0x20) >= 'a' && (c | 0x20) <= 'f')) {
      digit = static_cast<unsigned>((c | 0x20) - 'a' + 10);
    } else {
      break;
    }
    if (value > (std::numeric_limits<uint64_t>::max() - digit) / base) overflow = true;
    if (!overflow) value = value * base + digit;
  }
  char out[32];
  if (negative) {
    const uint64_t limit = uint64_t{1} << 63;
    const uint64_t magnitude = overflow || value > limit ? limit : value;
    std::snprintf(out, sizeof out, "-%" PRIu64, magnitude);
    if (magnitude == 0) return "0";
  } else {
    std::snprintf(out, sizeof out, "%" PRIu64,
                  overflow ? std::numeric_limits<uint64_t>::max() : value);
  }
  return out;
}

std::string RealText(const std::string& text) {
  const double value = std::strtod(text.c_str(), nullptr);
  char out[40];
  std::snprintf(out, sizeof out, "%.17g", std::isfinite(value) ? value : 0.0);
  return out;
}

// pugixml reads markup; it leaves to its caller what it does not check, so the walk below
// refuses what XML does not allow and pugixml lets through: references it does not know or
// that name no character (they are kept as written, without parse_escapes, to be resolved
// here), "]]>" in text, "<" or a repeated name among attributes, "--" in a comment, a
// misplaced declaration or document type, text outside the root element (kept as nodes by
// parse_fragment) and more than one root. An entity the document declares in its own
// internal subset is not expanded by pugixml, so a reference to one refuses the file.
// An element's character data up to its first child is kept as the element's value rather than
// as a node of its own (parse_embed_pcdata), which halves the tree of a property list; what
// follows a child is a node as usual.
constexpr unsigned kParseOptions = pugi::parse_declaration | pugi::parse_doctype | pugi::parse_pi |
                                   pugi::parse_comments | pugi::parse_cdata | pugi::parse_eol |
                                   pugi::parse_fragment | pugi::parse_embed_pcdata;
// White space between elements means nothing in a property list and would double the tree, so
// the first parse keeps only white space that is an element's whole content. Text mixed with
// comments, processing instructions or CDATA needs all of it: such a document is parsed again.
constexpr unsigned kFirstParse = kParseOptions | pugi::parse_ws_pcdata_single;
constexpr unsigned kMixedParse = kParseOptions | pugi::parse_ws_pcdata;

// The characters XML allows: tab, line feed, carriage return and everything from U+0020 but
// surrogates, U+FFFE and U+FFFF.
bool IsXmlChar(char32_t cp) {
  if (cp < 0x20) return cp == '\t' || cp == '\n' || cp == '\r';
  return cp != 0xFFFE && cp != 0xFFFF && cp != text::kNotUtf8;
}

// Whether a block of kBlock bytes holds anything but printable ASCII, tabs and line ends; written
// without branches so that the compiler vectorises it.
constexpr std::size_t kBlock = 64;
bool HoldsOther(const char* block) {
  uint8_t other = 0;
  for (std::size_t i = 0; i < kBlock; ++i) {
    const auto c = static_cast<uint8_t>(block[i]);
    // Below 0x20 or from 0x80 on, in one comparison; byte-wide, so that each lane is a byte.
    const auto outside = static_cast<uint8_t>(static_cast<uint8_t>(c - 0x20) >= 0x60);
    other |=
        static_cast<uint8_t>(outside & static_cast<uint8_t>(c != '\t') &
                             static_cast<uint8_t>(c != '\n') & static_cast<uint8_t>(c != '\r'));
  }
  return other != 0;
}

// UTF-8 throughout, every character one XML allows. Blocks of printable ASCII, tabs and line
// ends, most of every file, pass at once; anything else is decoded character by character.
bool IsXmlCharacters(std::string_view s) {
  std::size_t at = 0;
  while (at < s.size()) {
    if (at + kBlock <= s.size() && !HoldsOther(s.data() + at)) {
      at += kBlock;
      continue;
    }
    const std::size_t end = std::min(s.size(), at + kBlock);
    while (at < end) {
      std::size_t length = 1;
      if (!IsXmlChar(text::DecodeUtf8(s, at, length))) return false;
      at += length;
    }
  }
  return true;
}

bool IsSpaceOnly(std::string_view s) {
  for (const char c : s) {
    if (!IsSpace(c)) return false;
  }
  return true;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if ((a[i] | 0x20) != (b[i] | 0x20)) return false;
  }
  return true;
}

// `raw` with its references resolved, appended to `out`; false on a reference XML does not
// define or one that names a character XML does not allow.
bool AppendResolved(std::string& out, std::string_view raw) {
  for (;;) {
    const std::size_t amp = raw.find('&');
    out.append(raw.substr(0, amp));
    if (amp == std::string_view::npos) return true;
    const std::size_t semi = raw.find(';', amp);
    if (semi == std::string_view::npos || semi - amp > 12) return false;
    const std::string_view name = raw.substr(amp + 1, semi - amp - 1);
    raw.remove_prefix(semi + 1);
    static constexpr std::pair<std::string_view, char> kNamed[] = {
        {"lt", '<'}, {"gt", '>'}, {"amp", '&'}, {"quot", '"'}, {"apos", '\''}};
    bool named = false;
    for (const auto& [entity, c] : kNamed) {
      if (name == entity) {
        out += c;
        named = true;
      }
    }
    if (named) continue;
    if (name.size() < 2 || name[0] != '#') return false;
    const bool hex = name[1] == 'x';
    const std::string_view digits = name.substr(hex ? 2 : 1);
    if (digits.empty() || digits.find_first_not_of(hex ? "0123456789abcdefABCDEF" : "0123456789") !=
                              std::string_view::npos) {
      return false;
    }
    // At most 10 characters fit the 12 above, so the value fits 64 bits.
    const uint64_t cp = std::strtoull(std::string(digits).c_str(), nullptr, hex ? 16 : 10);
    if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF) || !IsXmlChar(static_cast<char32_t>(cp))) {
      return false;
    }
    AppendUtf8(out, static_cast<char32_t>(cp));
  }
}

// The keys a record may already hold, by a hash of their bytes: a key whose bit is clear is
// new, and is appended without searching the record for it.
class KeysSeen {
 public:
  // Whether `key` may have been marked before; marks it.
  bool Mark(std::string_view key) {
    const std::size_t bit = Hash(key);
    const uint64_t mask = uint64_t{1} << (bit & 63);
    const bool seen = (words_[bit >> 6] & mask) != 0;
    words_[bit >> 6] |= mask;
    return seen;
  }

 private:
  static std::size_t Hash(std::string_view key) {
    if (key.empty()) return 0;
    return (key.size() * 7 + static_cast<uint8_t>(key.front()) +
            static_cast<std::size_t>(static_cast<uint8_t>(key.back())) * 3) &
           255;
  }
  std::array<uint64_t, 4> words_{};
};

// Whether a node is named `name`, terminator included; compared in line, since the names of a
// property list are short, and stopping at the first difference, so never past the node's name.
template <std::size_t N>
bool IsNamed(pugi::xml_node node, const char (&name)[N]) {
  const char* const own = node.name();
  for (std::size_t i = 0; i < N; ++i) {
    if (own[i] != name[i]) return false;
  }
  return true;
}

// The bytes that end a plain run of record text (PlainText): the terminator, and what only the
// general reading handles.
constexpr std::array<bool, 256> kPlainStop = [] {
  std::array<bool, 256> table{};
  table[0] = table['&'] = table[']'] = table[0xEF] = true;
  return table;
}();

// Walks the tree pugixml made into a value. Recursion follows the nesting, which is refused
// beyond kMaxNesting, so a deep document cannot exhaust the stack.
class Reader {
 public:
  explicit Reader(bool allWhiteSpace) : allWhiteSpace_(allWhiteSpace) {}
  // The walk stopped at text mixed with other markup, whose white space the tree lacks.
  bool NeedsAllWhiteSpace() const { return needsAllWhiteSpace_; }

  std::optional<PlistValue> Document(const pugi::xml_document& doc, std::string_view xml,
                                     std::string& reason) {
    pugi::xml_node root;
    bool doctype = false;
    for (pugi::xml_node node = doc.first_child(); node; node = node.next_sibling()) {
      switch (node.type()) {
        case pugi::node_declaration:
          if (node != doc.first_child() ||
              !xml.substr(xml.starts_with(kBom) ? 3 : 0).starts_with("<?xml") ||
              !Declaration(node)) {
            return Fail(reason,
                        text::Tr("PlistXml", "its XML declaration is malformed or misplaced"));
          }
          break;
        case pugi::node_doctype:
          if (doctype || root) {
            return Fail(reason, text::Tr("PlistXml", "its document type is misplaced"));
          }
          doctype = true;
          break;
        case pugi::node_element:
          if (root) return Fail(reason, text::Tr("PlistXml", "it has more than one root element"));
          root = node;
          break;
        case pugi::node_pcdata:
          if (!IsSpaceOnly(node.value())) {
            return Fail(reason, text::Tr("PlistXml", "it has text outside its root element"));
          }
          break;
        default:
          if (!Misc(node, node.type())) return Fail(reason);
      }
    }
    if (!root) return Fail(reason, text::Tr("PlistXml", "it has no root element"));
    std::optional<PlistValue> value;
    if (std::string_view(root.name()) == "plist") {
      if (!Attributes(root) || !OwnTextIsSpace(root)) return Fail(reason);
      pugi::xml_node only;
      for (pugi::xml_node node = root.first_child(); node; node = node.next_sibling()) {
        const pugi::xml_node_type type = node.type();
        if (type != pugi::node_element) {
          if (!Between(node, type)) return Fail(reason);
          continue;
        }
        if (only) {
          return Fail(reason, text::Tr("PlistXml", "the property list holds more than one value"));
        }
        only = node;
      }
      if (!only) return Fail(reason, text::Tr("PlistXml", "the property list is empty"));
      value = Value(only, 1);
    } else {
      value = Value(root, 1);
    }
    if (!value) return Fail(reason);
    return value;
  }

 private:
  static constexpr std::string_view kBom = "\xEF\xBB\xBF";

  // No `why`: the first error the walk met, else the general one.
  std::nullopt_t Fail(std::string& reason, std::string why = {}) {
    if (!why.empty()) {
      reason = std::move(why);
    } else if (!error_.empty()) {
      reason = error_;
    } else {
      reason = text::Tr("PlistXml", "it is not an XML property list");
    }
    return std::nullopt;
  }
  bool Error(std::string why) {
    if (error_.empty()) error_ = std::move(why);
    return false;
  }
  static bool Declaration(pugi::xml_node node) {
    if (std::string_view(node.first_attribute().name()) != "version") return false;
    const std::string_view encoding = node.attribute("encoding").value();
    return encoding.empty() || EqualsNoCase(encoding, "UTF-8");
  }
  // A comment or processing instruction, where one may stand.
  bool Misc(pugi::xml_node node, pugi::xml_node_type type) {
    if (type == pugi::node_comment) {
      const std::string_view text = node.value();
      if (text.find("--") != std::string_view::npos || text.ends_with('-')) {
        return Error(text::Tr("PlistXml", "a comment holds \"--\""));
      }
      return true;
    }
    if (type == pugi::node_pi) {
      return !EqualsNoCase(node.name(), "xml") ||
             Error(text::Tr("PlistXml", "a processing instruction is named xml"));
    }
    return Error(text::Tr("PlistXml", "markup is misplaced"));
  }
  // What may stand between the elements of a container: white space, comments and processing
  // instructions.
  bool Between(pugi::xml_node node, pugi::xml_node_type type) {
    if (type == pugi::node_pcdata) {
      return IsSpaceOnly(node.value()) ||
             Error(text::Tr("PlistXml", "text stands where an element belongs"));
    }
    return Misc(node, type);
  }
  // The character data a container holds before its first child, which must be white space.
  bool OwnTextIsSpace(pugi::xml_node element) {
    return IsSpaceOnly(element.value()) ||
           Error(text::Tr("PlistXml", "text stands where an element belongs"));
  }
  bool Attributes(pugi::xml_node element) {
    pugi::xml_attribute first = element.first_attribute();
    if (!first) return true;
    std::vector<std::string_view> names;
    std::string scratch;
    for (pugi::xml_attribute a = first; a; a = a.next_attribute()) {
      const std::string_view value = a.value();
      if (value.find('<') != std::string_view::npos || !AppendResolved(scratch, value)) {
        return Error(text::Tr("PlistXml", "an attribute value is malformed"));
      }
      names.emplace_back(a.name());
    }
    system::WipeString(scratch);
    std::sort(names.begin(), names.end());
    return std::adjacent_find(names.begin(), names.end()) == names.end() ||
           Error(text::Tr("PlistXml", "an attribute is repeated"));
  }
  bool AppendCharacterData(std::string& out, std::string_view raw) {
    if (raw.find("]]>") != std::string_view::npos) {
      return Error(text::Tr("PlistXml", "text holds \"]]>\""));
    }
    return AppendResolved(out, raw) ||
           Error(text::Tr("PlistXml", "a reference is malformed or unknown"));
  }
  // The character data of an element, references resolved; comments and processing
  // instructions inside it are left out.
  std::optional<std::string> Text(pugi::xml_node element) {
    std::string out;
    if (!Attributes(element) || !AppendCharacterData(out, element.value())) return std::nullopt;
    for (pugi::xml_node node = element.first_child(); node; node = node.next_sibling()) {
      const pugi::xml_node_type type = node.type();
      if (type != pugi::node_pcdata && !allWhiteSpace_) {
        needsAllWhiteSpace_ = true;
        return Error(text::Tr("PlistXml", "text is mixed with markup")), std::nullopt;
      }
      if (type == pugi::node_pcdata) {
        if (!AppendCharacterData(out, node.value())) return std::nullopt;
      } else if (type == pugi::node_cdata) {
        out.append(node.value());
      } else if (type == pugi::node_element) {
        return Error(text::Tr("PlistXml", "an element stands inside text")), std::nullopt;
      } else if (!Misc(node, type)) {
        return std::nullopt;
      }
    }
    return out;
  }
  std::optional<PlistValue> Value(pugi::xml_node element, int depth) {
    if (depth > kMaxNesting) return Error(text::Tr("PlistXml", "it nests too deep")), std::nullopt;
    const std::string_view name = element.name();
    if (name == "array" || name == "dict") return Container(element, depth);
    if (name == "true" || name == "false") {
      const std::optional<std::string> text = Text(element);
      if (!text || !IsSpaceOnly(*text)) {
        return Error(text::Tr("PlistXml", "a boolean holds text")), std::nullopt;
      }
      return PlistValue::Boolean(name == "true");
    }
    Kind kind = Kind::kString;
    if (name == "integer") {
      kind = Kind::kInteger;
    } else if (name == "real") {
      kind = Kind::kReal;
    } else if (name == "date") {
      kind = Kind::kDate;
    } else if (name == "data") {
      kind = Kind::kData;
    } else if (name != "string") {
      return Error(text::Tr("PlistXml", "an element is not a property-list element")), std::nullopt;
    }
    std::optional<std::string> text = Text(element);
    if (!text) return std::nullopt;
    switch (kind) {
      case Kind::kInteger:
        return PlistValue::Text(kind, IntegerText(*text));
      case Kind::kReal:
        return PlistValue::Text(kind, RealText(*text));
      case Kind::kData: {
        std::optional<std::string> bytes = DecodeBase64(*text);
        system::WipeString(*text);
        if (!bytes) return Error(text::Tr("PlistXml", "data is not base64")), std::nullopt;
        return PlistValue::Text(kind, std::move(*bytes));
      }
      default:
        return PlistValue::Text(kind, std::move(*text));
    }
  }
  // The bytes a string of a record stands for, without a copy in the common case.
  static std::string Decoded(std::string text) {
    if (text.find('\xEF') == std::string::npos) return text;
    std::string bytes = BytesFromStoredText(text);
    system::WipeString(text);
    return bytes;
  }
  // The text of an element without attributes whose content is one run of character data
  // holding no reference, no "]" and no stored-text mark: most keys and values of a record,
  // read where the parse left them. nullopt for anything else, which Text reads.
  static std::optional<std::string_view> PlainText(pugi::xml_node element) {
    if (element.first_attribute() || element.first_child()) return std::nullopt;
    const char* const begin = element.value();
    const char* end = begin;
    while (!kPlainStop[static_cast<uint8_t>(*end)]) ++end;
    if (*end != 0) return std::nullopt;
    return std::string_view(begin, static_cast<std::size_t>(end - begin));
  }
  // A key or value of a record as the bytes it stands for, the general way.
  std::optional<std::string> RecordText(pugi::xml_node element) {
    std::optional<std::string> text = Text(element);
    if (!text) return std::nullopt;
    return Decoded(std::move(*text));
  }
  // An array of dictionaries that hold only strings, read straight into records (a profile
  // list is most of every file); nullopt when the array holds anything else, and then it is
  // read again the general way, which says what is wrong.
  std::optional<RecordList> RecordArray(pugi::xml_node array, int depth) {
    if (depth + 2 > kMaxNesting || !array.child("dict") || !Attributes(array) ||
        !OwnTextIsSpace(array)) {
      return std::nullopt;
    }
    RecordList list;
    // Records mostly have the same keys: each is sized as the one before.
    std::size_t lastSize = 0;
    for (pugi::xml_node item = array.first_child(); item; item = item.next_sibling()) {
      const pugi::xml_node_type itemType = item.type();
      if (itemType != pugi::node_element) {
        if (!Between(item, itemType)) return std::nullopt;
        continue;
      }
      if (!IsNamed(item, "dict") || !Attributes(item) || !OwnTextIsSpace(item)) {
        return std::nullopt;
      }
      Dictionary& record = list.emplace_back();
      record.Reserve(lastSize);
      KeysSeen seen;
      pugi::xml_node key;
      for (pugi::xml_node node = item.first_child(); node; node = node.next_sibling()) {
        const pugi::xml_node_type type = node.type();
        if (type != pugi::node_element) {
          if (!Between(node, type)) return std::nullopt;
          continue;
        }
        if (!key) {
          if (!IsNamed(node, "key")) return std::nullopt;
          key = node;
          continue;
        }
        if (!IsNamed(node, "string")) return std::nullopt;
        const std::optional<std::string_view> plainKey = PlainText(key);
        const std::optional<std::string_view> plainValue = PlainText(node);
        if (plainKey && plainValue) {
          if (seen.Mark(*plainKey)) {
            record.Set(*plainKey, *plainValue);
          } else {
            record.AppendNew(std::string(*plainKey), std::string(*plainValue));
          }
        } else {
          std::optional<std::string> k = RecordText(key);
          std::optional<std::string> v = k ? RecordText(node) : std::nullopt;
          if (!v) return std::nullopt;
          seen.Mark(*k);
          record.Take(*k, *v);
        }
        key = pugi::xml_node();
      }
      if (key) return std::nullopt;
      lastSize = record.Entries().size();
    }
    return list;
  }
  std::optional<PlistValue> Container(pugi::xml_node element, int depth) {
    const bool dict = std::string_view(element.name()) == "dict";
    if (!dict) {
      if (std::optional<RecordList> list = RecordArray(element, depth)) {
        return PlistValue::Records(std::make_shared<const SharedRecords>(std::move(*list)));
      }
      error_.clear();
    }
    if (!Attributes(element) || !OwnTextIsSpace(element)) return std::nullopt;
    PlistValue value = dict ? PlistValue::Dict() : PlistValue::Array();
    std::optional<std::string> key;
    for (pugi::xml_node node = element.first_child(); node; node = node.next_sibling()) {
      const pugi::xml_node_type type = node.type();
      if (type != pugi::node_element) {
        if (!Between(node, type)) return std::nullopt;
        continue;
      }
      if (dict && !key) {
        if (std::string_view(node.name()) != "key") {
          return Error(text::Tr("PlistXml", "a dictionary value has no key")), std::nullopt;
        }
        key = Text(node);
        if (!key) return std::nullopt;
        continue;
      }
      std::optional<PlistValue> member = Value(node, depth + 1);
      if (!member) return std::nullopt;
      if (dict) {
        value.SetMember(*key, std::move(*member));
        key.reset();
      } else {
        value.items.push_back(std::move(*member));
      }
    }
    if (key) return Error(text::Tr("PlistXml", "a dictionary key has no value")), std::nullopt;
    return value;
  }

  std::string error_;
  bool allWhiteSpace_;
  bool needsAllWhiteSpace_ = false;
};

// Text as the writer meets it: 0 printable ASCII that needs nothing, 1 one of < > &,
// 2 anything else (a control character or a byte of a multi-byte character).
constexpr std::array<uint8_t, 256> kTextClass = [] {
  std::array<uint8_t, 256> table{};
  for (std::size_t c = 0; c < 256; ++c) table[c] = c >= 0x20 && c < 0x7F ? 0 : 2;
  table['<'] = table['>'] = table['&'] = 1;
  return table;
}();

// A key or value of a record as written: its stored text, escaped. Most are printable ASCII
// that needs neither, told in one pass.
void AppendStored(std::string& out, std::string_view bytes, bool keyMaterial) {
  uint8_t classes = 0;
  for (const char c : bytes) classes |= kTextClass[static_cast<uint8_t>(c)];
  if (classes == 0) {
    out.append(bytes);
    return;
  }
  std::string stored = (classes & 2) == 0 && !keyMaterial ? std::string(bytes)
                       : keyMaterial                      ? StoredKeyText(bytes)
                                                          : StoredText(bytes);
  for (const char c : stored) {
    if (c == '<') {
      out.append("&lt;");
    } else if (c == '>') {
      out.append("&gt;");
    } else if (c == '&') {
      out.append("&amp;");
    } else {
      out += c;
    }
  }
  system::WipeString(stored);
}

// The <array> element of a record list at the left margin, sized once up front. Records mostly
// share their keys in the same order, so each position keeps the text its last key made.
std::string RecordsXml(const RecordList& records) {
  if (records.empty()) return "<array/>\n";
  std::size_t size = 32;
  for (const Dictionary& record : records) {
    size += 20;
    for (const Dictionary::Entry& e : record.Entries()) size += 36 + e.key.size() + e.value.size();
  }
  std::string out;
  out.reserve(size + size / 8);
  out.append("<array>\n");
  std::vector<std::pair<std::string_view, std::string>> keyLines;
  for (const Dictionary& record : records) {
    if (record.Entries().empty()) {
      out.append("\t<dict/>\n");
      continue;
    }
    out.append("\t<dict>\n");
    const auto& entries = record.Entries();
    if (keyLines.size() < entries.size()) keyLines.resize(entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
      const Dictionary::Entry& e = entries[i];
      auto& [key, line] = keyLines[i];
      if (line.empty() || key != e.key) {
        key = e.key;
        line = "\t\t<key>";
        AppendStored(line, e.key, false);
        line.append("</key>\n\t\t<string>");
      }
      out.append(line);
      AppendStored(out, e.value, e.keyMaterial);
      out.append("</string>\n");
    }
    out.append("\t</dict>\n");
  }
  out.append("</array>\n");
  return out;
}

}  // namespace

// Writes a document; a friend of XmlDocument, whose pieces it fills.
class DocumentBuilder {
 public:
  XmlDocument Document(const PlistValue& root) {
    Begin(EstimatedSize(root, 0));
    Value(root, 0);
    return End();
  }
  XmlDocument Document(const std::shared_ptr<const SharedRecords>& records) {
    Begin(0);
    Shared(records);
    return End();
  }

 private:
  static constexpr std::string_view kHeader =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" "
      "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n"
      "<plist version=\"1.0\">\n";

  void Begin(std::size_t estimate) {
    out_.reserve(kHeader.size() + estimate + 16);
    out_.append(kHeader);
  }
  void Flush() {
    if (out_.empty()) return;
    doc_.own_.push_back(std::move(out_));
    doc_.order_.push_back({false, doc_.own_.size() - 1});
    out_ = std::string();
  }
  void Shared(const std::shared_ptr<const SharedRecords>& records) {
    Flush();
    doc_.shared_.push_back(records);
    doc_.order_.push_back({true, doc_.shared_.size() - 1});
  }
  XmlDocument End() {
    out_.append("</plist>\n");
    Flush();
    return std::move(doc_);
  }

  // Close to the written size, so that the text is not copied as it grows.
  static std::size_t EstimatedSize(const PlistValue& v, int depth) {
    if (v.kind == Kind::kRecords) return 0;
    std::size_t size = static_cast<std::size_t>(depth) + 24 + v.text.size() * 4 / 3;
    for (std::size_t i = 0; i < v.items.size(); ++i) {
      size += EstimatedSize(v.items[i], depth + 1);
      if (i < v.keys.size()) size += v.keys[i].size() + static_cast<std::size_t>(depth) + 13;
    }
    return size;
  }

  void Indent(int depth) { out_.append(static_cast<std::size_t>(depth), '\t'); }

  // Text that XML holds as it is, with < > & escaped.
  void EscapedXmlText(std::string_view text) {
    std::size_t from = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
      const char c = text[i];
      if (c != '<' && c != '>' && c != '&') continue;
      out_.append(text.substr(from, i - from));
      out_.append(c == '<' ? "&lt;" : c == '>' ? "&gt;" : "&amp;");
      from = i + 1;
    }
    out_.append(text.substr(from));
  }
  // Text read from a file goes back as it was read when XML can hold it.
  void Text(std::string_view text) {
    if (IsXmlText(text)) {
      EscapedXmlText(text);
    } else {
      AppendStored(out_, text, false);
    }
  }
  void Element(int depth, std::string_view open, std::string_view text, std::string_view close,
               bool asText = true) {
    Indent(depth);
    out_.append(open);
    if (asText) {
      Text(text);
    } else {
      out_.append(text);
    }
    out_.append(close);
  }
  void Value(const PlistValue& v, int depth) {
    switch (v.kind) {
      case Kind::kString:
        return Element(depth, "<string>", v.text, "</string>\n");
      case Kind::kInteger:
        return Element(depth, "<integer>", v.text, "</integer>\n", false);
      case Kind::kReal:
        return Element(depth, "<real>", v.text, "</real>\n", false);
      case Kind::kDate:
        return Element(depth, "<date>", v.text, "</date>\n");
      case Kind::kData:
        return Element(depth, "<data>", EncodeBase64(v.text), "</data>\n", false);
      case Kind::kBoolean:
        Indent(depth);
        out_.append(v.boolean ? "<true/>\n" : "<false/>\n");
        return;
      case Kind::kRecords:
        return Shared(v.records);
      case Kind::kArray:
      case Kind::kDict:
        return Container(v, depth);
    }
  }
  void Container(const PlistValue& v, int depth) {
    const bool dict = v.kind == Kind::kDict;
    Indent(depth);
    if (v.items.empty()) {
      out_.append(dict ? "<dict/>\n" : "<array/>\n");
      return;
    }
    out_.append(dict ? "<dict>\n" : "<array>\n");
    const int inner = dict && depth == 0 ? 0 : depth + 1;
    for (std::size_t i = 0; i < v.items.size(); ++i) {
      if (dict) Element(inner, "<key>", v.keys[i], "</key>\n");
      Value(v.items[i], inner);
    }
    Indent(depth);
    out_.append(dict ? "</dict>\n" : "</array>\n");
  }
  std::string out_;
  XmlDocument doc_;
};

std::optional<PlistValue> ParsePlistXml(std::string_view xml, std::string& reason) {
  if (xml.size() > kMaxFileBytes) {
    reason = text::Tr("PlistXml", "it is too large");
    return std::nullopt;
  }
  // Checked before parsing, so that every name, text and comment the walk meets is characters
  // XML allows (a zero byte would also end pugixml's text early).
  if (!IsXmlCharacters(xml)) {
    reason = text::Tr("PlistXml", "it holds a byte or character XML does not allow");
    return std::nullopt;
  }
  // Parsed in place: the tree's strings live in this buffer, which is wiped when it goes. The
  // space after the text is for pugixml, which takes a fragment's last byte for its end.
  std::vector<char, system::WipingAllocator<char>> buffer;
  buffer.reserve(xml.size() + 1);
  buffer.assign(xml.begin(), xml.end());
  buffer.push_back(' ');
  for (const unsigned options : {kFirstParse, kMixedParse}) {
    // A second parse starts from the text again: the first one wrote into the buffer.
    if (options == kMixedParse) std::copy(xml.begin(), xml.end(), buffer.begin());
    pugi::xml_document doc;
    const pugi::xml_parse_result parsed =
        doc.load_buffer_inplace(buffer.data(), buffer.size(), options, pugi::encoding_utf8);
    if (!parsed) {
      reason = text::Arg(text::Tr("PlistXml", "it is not well-formed XML (%1 at byte %2)"),
                         {parsed.description(), std::to_string(parsed.offset)});
      return std::nullopt;
    }
    Reader reader(options == kMixedParse);
    std::optional<PlistValue> value = reader.Document(doc, xml, reason);
    if (value || !reader.NeedsAllWhiteSpace()) return value;
  }
  return std::nullopt;
}

XmlDocument::~XmlDocument() {
  for (std::string& text : own_) system::WipeString(text);
}

std::vector<std::string_view> XmlDocument::Pieces() const {
  std::vector<std::string_view> pieces;
  pieces.reserve(order_.size());
  for (const Piece& p : order_) {
    pieces.emplace_back(p.shared ? std::string_view(shared_[p.index]->Xml())
                                 : std::string_view(own_[p.index]));
  }
  return pieces;
}

std::string XmlDocument::Joined() const {
  std::string text;
  for (const std::string_view piece : Pieces()) text.append(piece);
  return text;
}

XmlDocument WritePlistDocument(const PlistValue& root) {
  return DocumentBuilder().Document(root);
}

XmlDocument WritePlistDocument(const std::shared_ptr<const SharedRecords>& records) {
  return DocumentBuilder().Document(records);
}

std::string WritePlistXml(const PlistValue& root) {
  return WritePlistDocument(root).Joined();
}

const std::string& SharedRecords::Xml() const {
  if (!written_) {
    xml_ = RecordsXml(list_);
    written_ = true;
  }
  return xml_;
}

}  // namespace netvane::plist
