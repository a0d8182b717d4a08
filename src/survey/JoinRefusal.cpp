#include "survey/JoinRefusal.h"

#include <cctype>
#include <utility>

#include "survey/WpaElement.h"

namespace netvane {
namespace {

const char* ReasonFor(int32_t wpaKind) {
  switch (wpaKind) {
    case kItemWpa:
      return "it uses WPA-Enterprise (802.1X) sign-in, which Netvane does not provide.";
    case kItemWpa2:
      return "it uses WPA2-Enterprise (802.1X) sign-in, which Netvane does not provide.";
    case kItemWpa3Sae:
      return "it uses WPA3-SAE, which this adapter does not support.";
    case kItemOwe:
      return "it uses OWE (Enhanced Open), which this adapter does not support.";
    default:
      return nullptr;
  }
}

}  // namespace

std::string JoinRefusal::Informative() const {
  std::string sentence = reason;
  if (!sentence.empty()) {
    sentence[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(sentence[0])));
  }
  return sentence;
}

std::optional<JoinRefusal> RefusalFor(int32_t wpaKind, std::string_view name) {
  const char* reason = ReasonFor(wpaKind);
  if (reason == nullptr) return std::nullopt;
  std::string message = name.empty() ? std::string("Netvane cannot join this network")
                                     : "Netvane cannot join “" + std::string(name) + "”";
  return JoinRefusal{std::move(message), reason};
}

}  // namespace netvane
