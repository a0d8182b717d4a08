#include "text/Translate.h"

#include <atomic>
#include <cstddef>

namespace netvane::text {

namespace {

std::atomic<Catalogue> g_catalogue{nullptr};

}  // namespace

void InstallCatalogue(Catalogue catalogue) {
  g_catalogue.store(catalogue);
}

std::string Tr(const char* context, const char* source) {
  const Catalogue catalogue = g_catalogue.load();
  return catalogue != nullptr ? catalogue(context, source) : std::string(source);
}

std::string Arg(std::string_view pattern, std::initializer_list<std::string_view> args) {
  std::string out;
  out.reserve(pattern.size());
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const char c = pattern[i];
    if (c == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
      const auto index = static_cast<std::size_t>(pattern[i + 1] - '1');
      if (index < args.size()) {
        out += *(args.begin() + index);
        ++i;
        continue;
      }
    }
    out += c;
  }
  return out;
}

}  // namespace netvane::text
