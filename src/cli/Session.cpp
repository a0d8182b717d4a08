#include "cli/Session.h"

#include "driver/Oids.h"
#include "driver/ScanList.h"
#include "platform/system/Log.h"

namespace netvane::cli {

void ErrorAlert::Run(const std::string& message, const std::string& informativeText) {
  err_ << "netvane-cli: " << message;
  if (!informativeText.empty()) err_ << ' ' << informativeText;
  err_ << '\n';
}

Session::Session(CliIo& cliIo, const std::string& instance)
    : io(cliIo),
      alert(cliIo.err),
      adapter(state, api, alert, [&cliIo](unsigned seconds) { cliIo.sleep(seconds); }),
      target(state, adapter) {
  // The pages' own debug lines follow --verbose.
  state.__DEBUG__ = system::LogVerbose() ? 1 : 0;
  api.SetInstance(instance);
  api.OnRefusal([this](const std::string& path, const std::string& reason) {
    if (refusal_.empty()) refusal_ = "not using " + path + ": " + reason;
  });
}

void Session::RequireAdapter() {
  // As the window detects it: the service is listed and a connection to it opens.
  const bool found = adapter.SearchDevice() && adapter.OpenConnectToDevice();
  adapter.CloseConnectToDevice();
  if (!found && !refusal_.empty()) throw CliFailure(kExitNoAdapter, refusal_);
  if (!found) {
    throw CliFailure(kExitNoAdapter,
                     "no adapter found; check that its driver is running (or the --instance name)");
  }
  state.G_bDeviceExist = 1;
}

void Session::Scan() {
  adapter.RescanBssidList();
  adapter.QueryBssidList();
}

bool Session::Joined(std::string* ssid, std::array<uint8_t, kMacLength>* bssid) {
  NDIS_MEDIA_STATE media{};
  uint32_t returned = 0;
  if (!adapter.OidQueryInformation(OID_GEN_MEDIA_CONNECT_STATUS, &media, sizeof media, &returned)) {
    throw CliFailure(kExitNoAdapter, "the adapter stopped answering; check its driver");
  }
  if (media != NdisMediaStateConnected) return false;
  NDIS_802_11_SSID name{};
  adapter.OidQueryInformation(OID_802_11_SSID, &name, sizeof name, &returned);
  std::array<uint8_t, kMacLength> mac{};
  adapter.OidQueryInformation(OID_802_11_BSSID, mac.data(), mac.size(), &returned);
  if (ssid != nullptr) *ssid = SsidText(name);
  if (bssid != nullptr) *bssid = mac;
  return true;
}

}  // namespace netvane::cli
