// A preferences file as found on disk: parsed, read as records (an array root, or every array
// in a dictionary root), shown as rows, written back and read again, which must give the same
// records.
#include <plist/plist.h>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/prefs/PlistCodec.h"
#include "profiles/ProfileItem.h"

namespace {

void Check(void* node) {
  const auto records = netvane::prefs::RecordsFrom(node);
  if (!records) return;
  for (const netvane::ProfileRecord& r : *records) (void)netvane::ProfileItemFor(r);
  const netvane::prefs::PlistPtr written = netvane::prefs::ToArrayNode(*records);
  std::string reason;
  const netvane::prefs::PlistPtr again =
      netvane::prefs::ParseXml(netvane::prefs::ToXml(written.get()), reason);
  if (netvane::prefs::RecordsFrom(again.get()) != records) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string reason;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);  // NOLINT bytes as text
  const netvane::prefs::PlistPtr root = netvane::prefs::ParseXml(bytes, reason);
  if (root == nullptr) return 0;
  Check(root.get());
  if (netvane::prefs::IsDictionary(root.get())) {
    const auto dict = static_cast<plist_t>(root.get());
    plist_dict_iter it = nullptr;
    plist_dict_new_iter(dict, &it);
    for (;;) {
      char* key = nullptr;
      plist_t value = nullptr;
      plist_dict_next_item(dict, it, &key, &value);
      if (key == nullptr) break;
      std::free(key);  // NOLINT(cppcoreguidelines-no-malloc) libplist's allocation
      Check(value);
    }
    std::free(it);  // NOLINT(cppcoreguidelines-no-malloc) libplist's allocation
  }
  return 0;
}
