#include "platform/plist/PlistXml.h"

#include <array>
#include <cinttypes>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <memory>

#include "platform/plist/StoredText.h"

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

class Reader {
 public:
  explicit Reader(std::string_view xml) : s_(xml) {}

  std::optional<PlistValue> Document(std::string& reason) {
    if (s_.starts_with("\xEF\xBB\xBF")) at_ = 3;
    if (!SkipMisc(true)) return Fail(reason);
    Tag tag;
    if (!ReadStartTag(tag)) return Fail(reason);
    std::optional<PlistValue> root;
    if (tag.name == "plist") {
      if (tag.empty) return Fail(reason, "the property list is empty");
      if (!SkipMisc(false) || !ReadStartTag(tag)) return Fail(reason);
      root = Value(tag, 1);
      if (!root || !SkipMisc(false) || !ReadEndTag("plist")) return Fail(reason);
    } else {
      root = Value(tag, 1);
      if (!root) return Fail(reason);
    }
    if (!SkipMisc(false) || at_ != s_.size()) return Fail(reason, "it goes on after its end");
    return root;
  }

 private:
  struct Tag {
    std::string_view name;
    bool empty = false;
  };

  std::nullopt_t Fail(std::string& reason, const char* why = nullptr) {
    reason = why != nullptr ? why : error_.empty() ? "it is not an XML property list" : error_;
    return std::nullopt;
  }
  bool Error(const char* why) {
    if (error_.empty()) error_ = why;
    return false;
  }
  bool Rest(std::string_view prefix) const { return s_.substr(at_).starts_with(prefix); }
  bool SkipPast(std::string_view end) {
    const std::size_t found = s_.find(end, at_);
    if (found == std::string_view::npos) return Error("it ends inside markup");
    at_ = found + end.size();
    return true;
  }
  // White space, comments and processing instructions; in the prolog also the document type.
  bool SkipMisc(bool prolog) {
    for (;;) {
      while (at_ < s_.size() && IsSpace(s_[at_])) ++at_;
      if (Rest("<!--")) {
        if (!SkipPast("-->")) return false;
      } else if (Rest("<?")) {
        if (!SkipPast("?>")) return false;
      } else if (prolog && Rest("<!DOCTYPE")) {
        // An internal subset in brackets may hold '>' of its own.
        const std::size_t open = s_.find_first_of("[>", at_);
        if (open != std::string_view::npos && s_[open] == '[') {
          at_ = open;
          if (!SkipPast("]")) return false;
        }
        if (!SkipPast(">")) return false;
      } else {
        return true;
      }
    }
  }
  bool ReadStartTag(Tag& tag) {
    if (at_ >= s_.size() || s_[at_] != '<') return Error("an element was expected");
    std::size_t end = at_ + 1;
    while (end < s_.size() && s_[end] != '>' && s_[end] != '/' && !IsSpace(s_[end])) ++end;
    tag.name = s_.substr(at_ + 1, end - at_ - 1);
    // Attributes (the version of <plist>) are not used.
    const std::size_t close = s_.find('>', end);
    if (close == std::string_view::npos) return Error("it ends inside a tag");
    tag.empty = close > at_ && s_[close - 1] == '/';
    at_ = close + 1;
    return !tag.name.empty() || Error("an element has no name");
  }
  bool ReadEndTag(std::string_view name) {
    if (!Rest("</") || !s_.substr(at_ + 2).starts_with(name)) return Error("an end tag is missing");
    at_ += 2 + name.size();
    while (at_ < s_.size() && IsSpace(s_[at_])) ++at_;
    if (at_ >= s_.size() || s_[at_] != '>') return Error("an end tag is malformed");
    ++at_;
    return true;
  }
  // Character data up to the end tag of `name`, entities resolved.
  std::optional<std::string> Text(const Tag& tag) {
    std::string out;
    if (tag.empty) return out;
    for (;;) {
      std::size_t special = at_;
      while (special < s_.size() && s_[special] != '<' && s_[special] != '&') ++special;
      if (special == s_.size()) return Error("it ends inside text"), std::nullopt;
      out.append(s_.substr(at_, special - at_));
      at_ = special;
      if (s_[at_] == '&') {
        if (!Entity(out)) return std::nullopt;
      } else if (Rest("<![CDATA[")) {
        const std::size_t begin = at_ + 9;
        if (!SkipPast("]]>")) return std::nullopt;
        out.append(s_.substr(begin, at_ - 3 - begin));
      } else if (Rest("<!--")) {
        if (!SkipPast("-->")) return std::nullopt;
      } else if (ReadEndTag(tag.name)) {
        return out;
      } else {
        return std::nullopt;
      }
    }
  }
  bool Entity(std::string& out) {
    const std::size_t semi = s_.find(';', at_);
    if (semi == std::string_view::npos || semi - at_ > 12) return Error("an entity is malformed");
    const std::string_view name = s_.substr(at_ + 1, semi - at_ - 1);
    at_ = semi + 1;
    static constexpr std::pair<std::string_view, char> kNamed[] = {
        {"lt", '<'}, {"gt", '>'}, {"amp", '&'}, {"quot", '"'}, {"apos", '\''}};
    for (const auto& [entity, c] : kNamed) {
      if (name == entity) {
        out += c;
        return true;
      }
    }
    if (name.size() < 2 || name[0] != '#') return Error("an entity is unknown");
    const bool hex = name[1] == 'x' || name[1] == 'X';
    const std::string digits(name.substr(hex ? 2 : 1));
    if (digits.empty() || digits.find_first_not_of(hex ? "0123456789abcdefABCDEF" : "0123456789") !=
                              std::string::npos) {
      return Error("a character reference is malformed");
    }
    const unsigned long cp = std::strtoul(digits.c_str(), nullptr, hex ? 16 : 10);
    if (cp == 0 || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
      return Error("a character reference names no character");
    }
    AppendUtf8(out, static_cast<char32_t>(cp));
    return true;
  }
  std::optional<PlistValue> Value(const Tag& tag, int depth) {
    if (depth > kMaxNesting) return Error("it nests too deep"), std::nullopt;
    const std::string_view name = tag.name;
    if (name == "array" || name == "dict") return Container(tag, depth);
    if (name == "true" || name == "false") {
      if (!tag.empty && !ReadEndTag(name)) return std::nullopt;
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
      return Error("an element is not a property-list element"), std::nullopt;
    }
    std::optional<std::string> text = Text(tag);
    if (!text) return std::nullopt;
    switch (kind) {
      case Kind::kInteger:
        return PlistValue::Text(kind, IntegerText(*text));
      case Kind::kReal:
        return PlistValue::Text(kind, RealText(*text));
      case Kind::kData: {
        std::optional<std::string> bytes = DecodeBase64(*text);
        if (!bytes) return Error("data is not base64"), std::nullopt;
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
  // An array of dictionaries that hold only strings, read straight into records (a profile
  // list is most of every file); nullopt when the array holds anything else, and then it is
  // read again the general way.
  std::optional<RecordList> RecordArray(const Tag& tag, int depth) {
    if (depth + 1 > kMaxNesting) return std::nullopt;
    RecordList list;
    for (;;) {
      if (!SkipMisc(false)) return std::nullopt;
      if (Rest("</")) {
        if (!ReadEndTag(tag.name)) return std::nullopt;
        return list;
      }
      Tag item;
      if (!ReadStartTag(item) || item.name != "dict") return std::nullopt;
      Dictionary& record = list.emplace_back();
      if (item.empty) continue;
      for (;;) {
        if (!SkipMisc(false)) return std::nullopt;
        if (Rest("</")) {
          if (!ReadEndTag("dict")) return std::nullopt;
          break;
        }
        Tag key;
        if (!ReadStartTag(key) || key.name != "key") return std::nullopt;
        std::optional<std::string> name = Text(key);
        Tag value;
        if (!name || !SkipMisc(false) || !ReadStartTag(value) || value.name != "string") {
          return std::nullopt;
        }
        std::optional<std::string> text = Text(value);
        if (!text) return std::nullopt;
        std::string k = Decoded(std::move(*name));
        std::string v = Decoded(std::move(*text));
        record.Take(k, v);
      }
    }
  }
  std::optional<PlistValue> Container(const Tag& tag, int depth) {
    if (tag.name == "array" && !tag.empty) {
      const std::size_t start = at_;
      if (std::optional<RecordList> list = RecordArray(tag, depth)) {
        return PlistValue::Records(std::make_shared<const SharedRecords>(std::move(*list)));
      }
      at_ = start;
      error_.clear();
    }
    const bool dict = tag.name == "dict";
    PlistValue value = dict ? PlistValue::Dict() : PlistValue::Array();
    if (tag.empty) return value;
    for (;;) {
      if (!SkipMisc(false)) return std::nullopt;
      if (Rest("</")) {
        if (!ReadEndTag(tag.name)) return std::nullopt;
        return value;
      }
      Tag item;
      if (!ReadStartTag(item)) return std::nullopt;
      if (dict) {
        if (item.name != "key") return Error("a dictionary value has no key"), std::nullopt;
        std::optional<std::string> key = Text(item);
        if (!key || !SkipMisc(false) || !ReadStartTag(item)) return std::nullopt;
        std::optional<PlistValue> member = Value(item, depth + 1);
        if (!member) return std::nullopt;
        value.SetMember(*key, std::move(*member));
      } else {
        std::optional<PlistValue> element = Value(item, depth + 1);
        if (!element) return std::nullopt;
        value.items.push_back(std::move(*element));
      }
    }
  }

  std::string_view s_;
  std::size_t at_ = 0;
  std::string error_;
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
    reason = "it is too large";
    return std::nullopt;
  }
  // XML has no place for a zero byte.
  if (xml.find('\0') != std::string_view::npos) {
    reason = "it is not an XML property list";
    return std::nullopt;
  }
  return Reader(xml).Document(reason);
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
