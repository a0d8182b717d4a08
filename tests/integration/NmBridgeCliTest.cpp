// netvane-cli against netvane-nm-bridge and the NetworkManager double: what the scan shows of
// NetworkManager's access points, what NetworkManager is asked in each kind of join, the
// status and counters, the radio, the adapter's removal and return, and a polkit refusal that
// fails on time without the key showing anywhere.
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "cli/Cli.h"
#include "driver/Oids.h"
#include "driver/Records.h"
#include "platform/userclient/SocketUserClient.h"
#include "support/PskKey.h"
#include "support/TempFolder.h"
#include "support/nm/NmBridgeHarness.h"
#include "support/nm/NmDouble.h"

namespace netvane {
namespace {

using nlohmann::json;

constexpr const char* kDevice = "/org/freedesktop/NetworkManager/Devices/wlp2s0";
// NM80211ApSecurityFlags: WPA2-PSK with CCMP, and WPA-PSK with TKIP.
constexpr uint32_t kRsnPskCcmp = 0x188;
constexpr uint32_t kWpaPskTkip = 0x144;
const std::string kCafe = "Caf\xc3\xa9 \xce\xa9";  // UTF-8 bytes, as NetworkManager hands them

struct Result {
  int code;
  std::string out;
  std::string err;
};

class NmBridgeCliTest : public ::testing::Test {
 protected:
  // One double and one bridge for every case: starting them is the slow part.
  static void SetUpTestSuite() {
    nm = new testing::NmDouble;
    nm->AddDevice("wlp2s0", "02:00:5E:10:00:01");
    AddAp("home", "Lantern Row", "02", 5180, 50,
          {{"rsn_flags", kRsnPskCcmp}, {"max_bitrate", 866700}});
    AddAp("cafe", kCafe, "01", 2437, 100);
    AddAp("mill", "Mill", "03", 2412, 0, {{"wpa_flags", kWpaPskTkip}});
    AddAp("barn", "Old Barn", "04", 2462, 80, {{"privacy", true}});
    bridge = new testing::NmBridgeHarness(*nm);
  }
  // An access point of the device, BSSID 02:1A:11:F0:00:<last>.
  static void AddAp(const std::string& name, const std::string& ssid, const std::string& last,
                    int mhz, int strength, const json& more = json::object()) {
    nm->AddAccessPoint(kDevice, name, ssid, "02:1A:11:F0:00:" + last, mhz, strength, more);
  }
  static void TearDownTestSuite() {
    delete bridge;
    delete nm;
  }

  Result Cli(std::vector<std::string> args) {
    args.insert(args.begin(), {"netvane-cli", "--instance", "wlp2s0"});
    std::vector<const char*> argv;
    for (const std::string& a : args) argv.push_back(a.c_str());
    std::ostringstream out;
    std::ostringstream err;
    cli::CliIo io{out, err, [](unsigned) {}, system::ReadKeyFile,
                  [](const std::string&) {
                    system::SecretText none;
                    none.error = "no terminal";
                    return none;
                  }};
    const int code = cli::Run(static_cast<int>(argv.size()), argv.data(), io);
    outputs += out.str() + err.str();
    return {code, out.str(), err.str()};
  }
  json Json(std::vector<std::string> args) {
    args.push_back("--json");
    const Result r = Cli(args);
    EXPECT_EQ(r.code, 0) << r.err;
    return json::parse(r.out, nullptr, false);
  }
  std::string KeyFile(const std::string& key) {
    const std::string path = bridge->Dir() + "/key";
    std::ofstream(path, std::ios::trunc) << key << '\n';
    chmod(path.c_str(), 0600);
    return path;
  }
  // The settings of NetworkManager's last AddAndActivateConnection2 call, and its options.
  json LastJoin() {
    const json calls = nm->Calls("AddAndActivateConnection2");
    return calls.empty() ? json() : calls.back();
  }
  bool StatusShows(const std::string& ssid, const std::string& bssid) {
    return testing::Eventually([&] {
      const json s = Json({"status", "--interval", "0"});
      return s["state"] == "connected" && s["ssid"] == ssid && s["bssid"] == bssid;
    });
  }

  inline static testing::NmDouble* nm = nullptr;
  inline static testing::NmBridgeHarness* bridge = nullptr;
  std::string outputs;  // everything netvane-cli printed in this case
};

// Each field once, from the access point's own properties: the SSID's bytes, the BSSID, the
// channel from the frequency on both bands, the security the elements tell, RSSI from strength.
TEST_F(NmBridgeCliTest, TheScanShowsNetworkManagersAccessPoints) {
  const json scan = Json({"scan"});
  ASSERT_EQ(scan.size(), 4u) << scan;
  std::vector<std::string> rows;
  for (const json& n : scan) {
    std::ostringstream row;
    row << n["ssid"].get<std::string>() << " | " << n["bssid"].get<std::string>() << " | "
        << n["channel"] << " | " << n["frequency_khz"] << " | " << n["auth"].get<std::string>()
        << " " << n["encryption"].get<std::string>() << " | " << n["signal_dbm"];
    rows.push_back(row.str());
  }
  EXPECT_EQ(rows, (std::vector<std::string>{
                      "Lantern Row | 02-1A-11-F0-00-02 | 36 | 5180000 | wpa2-psk aes | -70",
                      kCafe + " | 02-1A-11-F0-00-01 | 6 | 2437000 | open none | -40",
                      "Mill | 02-1A-11-F0-00-03 | 1 | 2412000 | wpa-psk tkip | -100",
                      "Old Barn | 02-1A-11-F0-00-04 | 11 | 2462000 | open wep | -52"}));
  EXPECT_FALSE(nm->Calls("RequestScan", kDevice).empty()) << "the scan asked NetworkManager";
}

// What NetworkManager receives for each kind, and the status afterwards from the access point
// it activated.
TEST_F(NmBridgeCliTest, EachJoinHandsNetworkManagerItsSettings) {
  ASSERT_EQ(Cli({"connect", "Lantern Row", "--key-file", KeyFile("lanterns at dusk")}).code, 0);
  json join = LastJoin();
  ASSERT_TRUE(join.is_array()) << "no AddAndActivateConnection2 call";
  const json& wpa = join[0];
  EXPECT_EQ(
      wpa["802-11-wireless-security"],
      json({{"key-mgmt", "wpa-psk"}, {"psk", testing::PskHex("lanterns at dusk", "Lantern Row")}}));
  EXPECT_EQ(wpa["802-11-wireless"]["ssid"], testing::SsidBytes("Lantern Row"));
  EXPECT_EQ(wpa["802-11-wireless"]["mode"], "infrastructure");
  EXPECT_EQ(wpa["connection"]["type"], "802-11-wireless");
  EXPECT_EQ(wpa["connection"]["permissions"],
            json::array({std::string("user:") + getpwuid(geteuid())->pw_name}));
  EXPECT_EQ(join[1], kDevice);
  EXPECT_EQ(join[3]["persist"], "volatile");
  EXPECT_TRUE(StatusShows("Lantern Row", "02-1A-11-F0-00-02"));

  // Shared-key authentication and the second key slot: the slot and the algorithm travel.
  ASSERT_EQ(Cli({"connect", "Old Barn", "--key-file", KeyFile("a1b2c3d4e5"), "--auth", "shared",
                 "--wep-index", "2"})
                .code,
            0);
  join = LastJoin();
  EXPECT_EQ(join[0]["802-11-wireless-security"], json({{"key-mgmt", "none"},
                                                       {"auth-alg", "shared"},
                                                       {"wep-key1", "a1b2c3d4e5"},
                                                       {"wep-tx-keyidx", 1},
                                                       {"wep-key-type", 1}}));
  EXPECT_TRUE(StatusShows("Old Barn", "02-1A-11-F0-00-04"));

  ASSERT_EQ(Cli({"connect", "02:1a:11:f0:00:01"}).code, 0);
  join = LastJoin();
  EXPECT_FALSE(join[0].contains("802-11-wireless-security")) << join[0];
  EXPECT_EQ(join[0]["802-11-wireless"]["bssid"], json({2, 0x1A, 0x11, 0xF0, 0, 1}));
  EXPECT_TRUE(StatusShows(kCafe, "02-1A-11-F0-00-01"));
  EXPECT_EQ(nm->Calls("AddAndActivateConnection2").size(), 3u);
}

// The link rate and signal from NetworkManager, the frame counters from sysfs minus the reset.
TEST_F(NmBridgeCliTest, StatusAndCountersComeFromNetworkManagerAndSysfs) {
  ASSERT_EQ(Cli({"connect", "Lantern Row", "--key-file", KeyFile("lanterns at dusk")}).code, 0);
  nm->Command({{"cmd", "set_property"},
               {"path", kDevice},
               {"iface", testing::kNmWirelessInterface},
               {"name", "Bitrate"},
               {"value", 866700},
               {"type", "u"}});
  json status;
  EXPECT_TRUE(testing::Eventually([&] {
    status = Json({"status", "--interval", "0"});
    return status["tx_rate_text"] == "866.5 Mbps" && status["tx_rate_mbps"] == 866.5;
  })) << status;
  EXPECT_EQ(status["signal_dbm"], -70);

  bridge->SetCounter("wlp2s0", "rx_packets", 5000);
  bridge->SetCounter("wlp2s0", "tx_packets", 4000);
  bridge->SetCounter("wlp2s0", "rx_crc_errors", 7);
  json stats = Json({"stats"});
  EXPECT_EQ(stats["received"], 5000);
  EXPECT_EQ(stats["transmitted"], 4000);
  EXPECT_EQ(stats["received_crc_errors"], 7);
  stats = Json({"stats", "--reset"});
  EXPECT_EQ(stats["received"], 0);
  bridge->SetCounter("wlp2s0", "rx_packets", 5012);
  EXPECT_EQ(Json({"stats"})["received"], 12) << "counted from the reset";
}

TEST_F(NmBridgeCliTest, RadioOffSwitchesNetworkManagersWireless) {
  ASSERT_EQ(Cli({"radio", "off"}).code, 0);
  EXPECT_FALSE(nm->WirelessEnabled());
  ASSERT_EQ(Cli({"radio", "on"}).code, 0);
  EXPECT_TRUE(nm->WirelessEnabled());
}

// Last but one: the device object is made anew.
TEST_F(NmBridgeCliTest, ADeviceRemovedIsNoAdapterUntilItComesBack) {
  nm->Command({{"cmd", "remove_device"}, {"dev", kDevice}});
  ASSERT_TRUE(bridge->AwaitSocket("wlp2s0", false));
  EXPECT_EQ(Cli({"status"}).code, 3);

  nm->AddDevice("wlp2s0", "02:00:5E:10:00:01");
  ASSERT_TRUE(bridge->AwaitSocket("wlp2s0", true));
  EXPECT_EQ(Json({"status"})["state"], "disconnected");
  EXPECT_EQ(Json({"about"})["mac_address"], "02-00-5E-10-00-01");

  // NetworkManager itself going takes every socket with it; back, it is read afresh.
  nm->Command({{"cmd", "leave"}});
  ASSERT_TRUE(bridge->AwaitSocket("wlp2s0", false));
  nm->Command({{"cmd", "come_back"}});
  nm->AddDevice("wlp2s0", "02:00:5E:10:00:01");
  ASSERT_TRUE(bridge->AwaitSocket("wlp2s0", true));
  EXPECT_EQ(Json({"status"})["state"], "disconnected");
}

// Last: the refusal stays in force. The bridge reads GetPermissions again on CheckPermissions,
// so the refusal is answered at once; either way it may not outlast the protocol's deadline.
TEST_F(NmBridgeCliTest, APolkitRefusalFailsTheJoinOnTimeSaysSoOnceAndShowsNoKey) {
  const std::string phrase = "open sesame at noon";
  AddAp("gate", "Gate", "05", 2412, 60, {{"rsn_flags", kRsnPskCcmp}});
  nm->Command({{"cmd", "deny"}, {"actions", {testing::kNmNetworkControl}}});
  const Result refused = Cli({"connect", "Gate", "--key-file", KeyFile(phrase)});
  EXPECT_EQ(refused.code, 1) << refused.err;
  EXPECT_EQ(Cli({"connect", "Gate", "--key-file", KeyFile(phrase)}).code, 1);

  const std::string err = bridge->Stderr();
  const std::string line = "netvane-nm-bridge: NetworkManager refused " +
                           std::string(testing::kNmNetworkControl) + " to this user\n";
  const std::size_t said = err.find(line);
  EXPECT_NE(said, std::string::npos) << err;
  EXPECT_EQ(err.find(line, said + 1), std::string::npos) << "said once: " << err;

  const std::string key = testing::PskHex(phrase, "Gate");
  std::string everything = err + outputs;
  for (const auto& file : std::filesystem::recursive_directory_iterator(bridge->Dir() + "/run"))
    if (file.is_regular_file()) everything += testing::ReadText(file.path());
  EXPECT_EQ(everything.find(key), std::string::npos);
  EXPECT_EQ(everything.find(phrase), std::string::npos);
  // Granted again (NetworkManager says so with CheckPermissions), the same join goes through.
  nm->Command({{"cmd", "deny"}, {"actions", {testing::kNmNetworkControl}}, {"denied", false}});
  EXPECT_TRUE(testing::Eventually([&] {
    return Cli({"connect", "Gate", "--key-file", KeyFile(phrase)}).code == 0;
  }));
}

// NetworkManager holding every call (as while polkit asks a person): the status still answers
// from what the bridge last read, and a join is refused by the bridge within the deadline
// rather than left to the client's own time-out.
TEST_F(NmBridgeCliTest, AStalledNetworkManagerHoldsNeitherTheStatusNorAJoin) {
  nm->Command({{"cmd", "stall"}, {"stalled", true}});
  const Result status = Cli({"status", "--interval", "0"});
  // The join's sets as the site survey sends them, each answered on its own (netvane-cli
  // only watches the media state, which cannot tell a refusal from a time-out).
  const auto set = [](uint32_t oid, const void* in, uint32_t length) {
    userclient::SocketUserClient client;
    client.SetInstance("wlp2s0");
    userclient::Handle port = 0;
    userclient::Handle services = 0;
    userclient::Handle connection = 0;
    client.MasterPort(&port);
    client.GetMatchingServices(port, client.ServiceMatching(userclient::kWirelessDriverClass),
                               &services);
    client.ServiceOpen(client.IteratorNext(services), 0, &connection);
    uint32_t outLength = 0;
    return client.StructureCall(connection, SetForm(oid), in, length, nullptr, &outLength);
  };
  const std::pair<uint32_t, uint32_t> run[] = {
      {OID_802_11_INFRASTRUCTURE_MODE, Ndis802_11Infrastructure},
      {OID_802_11_AUTHENTICATION_MODE, Ndis802_11AuthModeOpen},
      {OID_802_11_WEP_STATUS, Ndis802_11EncryptionDisabled}};
  for (const auto& [oid, word] : run) EXPECT_EQ(set(oid, &word, 4), userclient::kKernSuccess);
  NDIS_802_11_SSID ssid{};
  ssid.SsidLength = static_cast<uint32_t>(kCafe.size());
  std::copy(kCafe.begin(), kCafe.end(), ssid.Ssid);
  const userclient::KernReturn join = set(OID_802_11_SSID, &ssid, sizeof ssid);
  nm->Command({{"cmd", "stall"}, {"stalled", false}});
  EXPECT_EQ(status.code, 0) << status.err;
  EXPECT_EQ(join, static_cast<userclient::KernReturn>(userclient::kStatusError));
}

}  // namespace
}  // namespace netvane
