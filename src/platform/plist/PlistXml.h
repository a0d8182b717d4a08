// Property lists in their XML form. Written in the layout other property-list writers use
// (tabs, one element per line); read strictly enough to refuse anything that is not a property
// list, and with limits on size and nesting, since the files are untrusted input.
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/plist/PlistValue.h"

namespace netvane::plist {

// Far above any real file (500 profiles take about 600 KB) and far below trouble.
constexpr std::size_t kMaxFileBytes = 8u << 20;
constexpr int kMaxNesting = 32;

// The document's value, or nullopt with `reason` set. Accepts the XML declaration, a document
// type, comments, processing instructions, CDATA, the five named entities and character
// references; a zero byte, an unknown element or nesting deeper than kMaxNesting is refused.
std::optional<PlistValue> ParsePlistXml(std::string_view xml, std::string& reason);

// A written document in pieces: its own text, and each record list's text where that already
// lives, so that a long list is neither copied into the document nor written twice. Its own
// text is wiped when it goes.
class XmlDocument {
 public:
  XmlDocument() = default;
  XmlDocument(XmlDocument&&) noexcept = default;
  XmlDocument& operator=(XmlDocument&&) noexcept = default;
  XmlDocument(const XmlDocument&) = delete;
  XmlDocument& operator=(const XmlDocument&) = delete;
  ~XmlDocument();

  std::vector<std::string_view> Pieces() const;
  std::string Joined() const;

 private:
  friend class DocumentBuilder;
  struct Piece {
    bool shared;
    std::size_t index;
  };
  std::vector<std::string> own_;
  std::vector<std::shared_ptr<const SharedRecords>> shared_;
  std::vector<Piece> order_;
};

XmlDocument WritePlistDocument(const PlistValue& root);
XmlDocument WritePlistDocument(const std::shared_ptr<const SharedRecords>& records);

// The whole document as one text (WritePlistDocument joined). Text XML cannot carry goes through
// StoredText; record values are written in their stored text (key material one character per byte).
// The members of a root dictionary and record lists are written at the left margin, so that a
// record list's text is the same in every file that holds it.
std::string WritePlistXml(const PlistValue& root);

}  // namespace netvane::plist
