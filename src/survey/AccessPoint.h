// One row of the access point list: seven texts, as the table shows them.
#pragma once

#include <string>

namespace netvane {

class AccessPoint {
 public:
  AccessPoint() = default;
  AccessPoint(std::string ssid, std::string bssid, std::string signal, std::string channel,
              std::string authentication, std::string encryption, std::string networkType);

  // Attribute names double as column identifiers.
  const std::string& SSID() const { return ssid_; }
  const std::string& BSSID() const { return bssid_; }
  const std::string& Signal() const { return signal_; }
  const std::string& Channel() const { return channel_; }
  const std::string& Authentication() const { return authentication_; }
  const std::string& Encryption() const { return encryption_; }
  const std::string& NetworkType() const { return networkType_; }

  // The attribute a table column shows, by the column's identifier; empty for an unknown one.
  std::string Attribute(const std::string& identifier) const;
  // Stores an edited cell; an unknown identifier changes nothing.
  void SetAttribute(const std::string& identifier, std::string value);

 private:
  // The member behind an identifier, const or not as `self` is; null for an unknown one.
  template <typename Self>
  static auto* Field(Self& self, const std::string& identifier);

  std::string ssid_;
  std::string bssid_;
  std::string signal_;
  std::string channel_;
  std::string authentication_;
  std::string encryption_;
  std::string networkType_;
};

}  // namespace netvane
