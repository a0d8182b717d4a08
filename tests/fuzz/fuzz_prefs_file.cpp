// A preferences file as found on disk: read, its records (an array root, or the arrays of a
// dictionary root) shown as rows, written back and read again, which must give the same
// records; libplist must read what is written alike, and whatever both readers take from the
// input itself must agree.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

#include "platform/plist/PlistCodec.h"
#include "platform/plist/PlistXml.h"
#include "profiles/ProfileItem.h"
#include "support/plist/ReferenceReader.h"

namespace {

using netvane::plist::PlistValue;

void Check(const PlistValue* array, std::string_view input, const std::string& key) {
  const auto records = netvane::plist::RecordsFrom(array);
  if (!records) return;
  for (const netvane::ProfileRecord& r : *records) (void)netvane::ProfileItemFor(r);
  const std::string written = netvane::plist::WritePlistDocument(
                                  std::make_shared<const netvane::plist::SharedRecords>(*records))
                                  .Joined();
  std::string reason;
  const auto again = netvane::plist::ParsePlistXml(written, reason);
  if (!again || netvane::plist::RecordsFrom(&*again) != records) std::abort();
  if (netvane::testing::LibplistRecords(written) != records) std::abort();
  // Numbers beyond 64 bits and their signs are where the two readers may differ by design.
  if (input.find("<integer") != std::string_view::npos) return;
  const auto reference = netvane::testing::LibplistRecords(input, key);
  if (reference && reference != records) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string reason;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);  // NOLINT bytes as text
  const auto root = netvane::plist::ParsePlistXml(bytes, reason);
  if (!root) return 0;
  Check(&*root, bytes, "");
  if (root->kind == PlistValue::Kind::kDict) {
    for (std::size_t i = 0; i < root->keys.size(); ++i)
      Check(&root->items[i], bytes, root->keys[i]);
  }
  return 0;
}
