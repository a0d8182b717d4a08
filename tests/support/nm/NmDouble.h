// The NetworkManager double (nm_double.py in its control mode) for C++ tests: a private bus
// with NetworkManager on it, driven by one JSON command a line over the double's standard input.
#pragma once

#include <sys/types.h>

#include <nlohmann/json.hpp>
#include <string>

namespace netvane::testing {

inline constexpr const char* kNmObject = "/org/freedesktop/NetworkManager";
inline constexpr const char* kNmInterface = "org.freedesktop.NetworkManager";
inline constexpr const char* kNmWirelessInterface =
    "org.freedesktop.NetworkManager.Device.Wireless";
inline constexpr const char* kNmNetworkControl = "org.freedesktop.NetworkManager.network-control";

class NmDouble {
 public:
  // Starts the double and returns once NetworkManager's name is owned; throws
  // std::runtime_error when it does not come up within 20 seconds.
  NmDouble();
  NmDouble(const NmDouble&) = delete;
  NmDouble& operator=(const NmDouble&) = delete;
  // Closes its standard input (it stops the bus and removes its folder) and waits for it.
  ~NmDouble();

  // The bus address, for DBUS_SYSTEM_BUS_ADDRESS.
  const std::string& Address() const { return address_; }

  // {"cmd": name, ...arguments}; the command's result, or std::runtime_error with the
  // double's error.
  nlohmann::json Command(const nlohmann::json& command);

  // The scene's usual steps.
  std::string AddDevice(const std::string& iface, const std::string& hwAddress);
  // `more`: rsn_flags, wpa_flags, privacy, max_bitrate, mode.
  std::string AddAccessPoint(const std::string& device, const std::string& name,
                             const std::string& ssid, const std::string& bssid, int mhz,
                             int strength, nlohmann::json more = nlohmann::json::object());
  nlohmann::json Calls(const std::string& method, const std::string& path = kNmObject);
  bool WirelessEnabled();

 private:
  std::string ReadLine();

  pid_t pid_ = -1;
  int child_ = -1;  // the double's standard input and output
  std::string pending_;
  std::string address_;
};

// An SSID's bytes as the double takes them.
nlohmann::json SsidBytes(const std::string& bytes);

}  // namespace netvane::testing
