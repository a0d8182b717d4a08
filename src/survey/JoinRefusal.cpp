#include "survey/JoinRefusal.h"

#include <cctype>
#include <utility>

#include "survey/WpaElement.h"
#include "text/Translate.h"

namespace netvane {
namespace {

std::optional<std::string> ReasonFor(int32_t wpaKind) {
  switch (wpaKind) {
    case kItemWpa:
      return text::Tr("SiteSurveyPage",
                      "it uses WPA-Enterprise (802.1X) sign-in, which Netvane does not provide.");
    case kItemWpa2:
      return text::Tr("SiteSurveyPage",
                      "it uses WPA2-Enterprise (802.1X) sign-in, which Netvane does not provide.");
    case kItemWpa3Sae:
      return text::Tr("SiteSurveyPage", "it uses WPA3-SAE, which this adapter does not support.");
    case kItemOwe:
      return text::Tr("SiteSurveyPage",
                      "it uses OWE (Enhanced Open), which this adapter does not support.");
    default:
      return std::nullopt;
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
  std::optional<std::string> reason = ReasonFor(wpaKind);
  if (!reason) return std::nullopt;
  std::string message =
      name.empty() ? text::Tr("SiteSurveyPage", "Netvane cannot join this network")
                   : text::Arg(text::Tr("SiteSurveyPage", "Netvane cannot join “%1”"), {name});
  return JoinRefusal{std::move(message), std::move(*reason)};
}

}  // namespace netvane
