#include "survey/AccessPoint.h"

#include <utility>

namespace netvane {

AccessPoint::AccessPoint(std::string ssid, std::string bssid, std::string signal,
                         std::string channel, std::string authentication, std::string encryption,
                         std::string networkType)
    : ssid_(std::move(ssid)),
      bssid_(std::move(bssid)),
      signal_(std::move(signal)),
      channel_(std::move(channel)),
      authentication_(std::move(authentication)),
      encryption_(std::move(encryption)),
      networkType_(std::move(networkType)) {}

template <typename Self>
auto* AccessPoint::Field(Self& self, const std::string& identifier) {
  decltype(&self.ssid_) field = nullptr;
  if (identifier == "SSID") field = &self.ssid_;
  if (identifier == "BSSID") field = &self.bssid_;
  if (identifier == "Signal") field = &self.signal_;
  if (identifier == "Channel") field = &self.channel_;
  if (identifier == "Authentication") field = &self.authentication_;
  if (identifier == "Encryption") field = &self.encryption_;
  if (identifier == "NetworkType") field = &self.networkType_;
  return field;
}

std::string AccessPoint::Attribute(const std::string& identifier) const {
  const std::string* field = Field(*this, identifier);
  return field != nullptr ? *field : std::string();
}

void AccessPoint::SetAttribute(const std::string& identifier, std::string value) {
  if (std::string* field = Field(*this, identifier)) *field = std::move(value);
}

}  // namespace netvane
