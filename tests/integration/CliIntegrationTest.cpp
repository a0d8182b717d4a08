// netvane-cli against cv7000-sim: every subcommand's table and JSON, a join of each security
// kind from a key file, a wrong key, a key file others can read, profiles shared with the window,
// the instance filter, the exit codes of the built program, hostile names in every output, and
// the terminal's echo after every way out of the key prompt.
#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <nlohmann/json.hpp>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "cli/Cli.h"
#include "driver/Oids.h"
#include "driver/ScanList.h"
#include "platform/prefs/PrefsFolder.h"
#include "platform/prefs/UserDefaults.h"
#include "profiles/ProfileStore.h"
#include "support/FileSizeLimit.h"
#include "support/HostileNames.h"
#include "support/SimHarness.h"
#include "support/StoredProfiles.h"
#include "support/TempFolder.h"

namespace netvane {
namespace {

using nlohmann::json;

ProfileRecord Profile(const char* name, const char* ssid, const char* auth, const char* psk) {
  return testing::FullProfile(
      {{"Profile Name", name}, {"SSID", ssid}, {"Authentication Type", auth}, {"WPAPSK", psk}});
}

struct Result {
  int code;
  std::string out;
  std::string err;
};

class CliIntegrationTest : public ::testing::Test {
 protected:
  Result Cli(const std::vector<std::string>& args) {
    std::vector<const char*> argv{"netvane-cli"};
    for (const std::string& a : args) argv.push_back(a.c_str());
    std::ostringstream out;
    std::ostringstream err;
    cli::CliIo io{out, err, [this](unsigned s) { slept += s; }, system::ReadKeyFile,
                  [](const std::string&) {
                    system::SecretText none;
                    none.error = "no terminal";
                    return none;
                  }};
    const int code = cli::Run(static_cast<int>(argv.size()), argv.data(), io);
    return {code, out.str(), err.str()};
  }
  json Json(std::vector<std::string> args) {
    args.push_back("--json");
    const Result r = Cli(args);
    EXPECT_EQ(r.code, 0) << r.err;
    return json::parse(r.out);
  }
  std::string KeyFile(const std::string& key, mode_t mode = 0600) {
    const std::string path = sim.Dir() + "/key" + std::to_string(++keys);
    std::ofstream(path) << key << '\n';
    chmod(path.c_str(), mode);
    return path;
  }
  std::string JoinedSsid() {
    const json status = Json({"status"});
    return status["state"] == "connected" ? status["ssid"].get<std::string>() : "";
  }

  testing::SimHarness sim;
  unsigned slept = 0;
  int keys = 0;
};

TEST_F(CliIntegrationTest, EverySubcommandShowsTheSimulatorsState) {
  sim.Start();
  // Each field once: the figures themselves are the window's, proved with its pages.
  const json scan = Json({"scan"});
  ASSERT_EQ(scan.size(), 12u);
  EXPECT_EQ(scan[0]["signal_dbm"], -48);
  EXPECT_EQ(scan[7]["network_type"], "adhoc");
  EXPECT_EQ(scan[7]["network_type_text"], "Ad Hoc");
  EXPECT_EQ(scan[1]["auth"].get<std::string>() + " " + scan[1]["encryption"].get<std::string>(),
            "open wep")
      << "WEP names no key management: open system, as connect uses";
  EXPECT_EQ(scan[11]["channel"], 165);
  EXPECT_EQ(scan[11]["frequency_khz"], 5825000);
  EXPECT_NE(Cli({"scan"}).out.find("CorvaneLegacy  02-C0-7A-00-00-02  70%"), std::string::npos);

  const json about = Json({"about"});
  EXPECT_EQ(about["driver_version"], "1.2.0");
  EXPECT_NE(Cli({"about"}).out.find("MAC address:      02-1A-2B-3C-4D-5E"), std::string::npos);

  EXPECT_EQ(Json({"status"})["state"], "disconnected");
  ASSERT_EQ(Cli({"connect", "CorvaneGuest"}).code, 0);
  EXPECT_EQ(Json({"status"})["signal_grade"], "good");
  EXPECT_NE(Cli({"status"}).out.find("CorvaneGuest <--> 02-C0-7A-00-00-01"), std::string::npos);
  const json joined = Json({"scan"});
  EXPECT_TRUE(joined[0]["joined"].get<bool>() && !joined[1]["joined"].get<bool>());

  EXPECT_GT(Json({"stats"})["received"], 0);
  EXPECT_EQ(Json({"stats", "--reset"})["received"], 0);

  ASSERT_EQ(Cli({"radio", "off"}).code, 0);
  EXPECT_EQ(Json({"status"})["state"], "radio_off");
  EXPECT_TRUE(Json({"scan"}).empty());
  ASSERT_EQ(Cli({"radio", "on"}).code, 0);
  EXPECT_EQ(Json({"status"})["state"], "disconnected");
}

// Every field of every subcommand's JSON with its kind, so a script can rely on numbers being
// numbers and enumerations being the lowercase values docs/cli.md lists, not the page's words.
// Kinds: n a number, n? a number or null, t text, b true or false, v a lowercase value.
TEST_F(CliIntegrationTest, EveryJsonFieldHasItsType) {
  sim.Start();
  testing::StoreProfiles({Profile("Guest", "CorvaneGuest", "0", ""),
                          Profile("Home", "CorvaneHome", "2", "home sweet corvane")});
  const auto fits = [](const std::string& kind, const json& value) {
    if (kind == "n" || kind == "n?") return value.is_number() || (kind == "n?" && value.is_null());
    if (kind == "t" || kind == "b") return kind == "t" ? value.is_string() : value.is_boolean();
    const std::string text = value.is_string() ? value.get<std::string>() : "";
    return !text.empty() && text != "unknown" &&
           text.find_first_not_of("abcdefghijklmnopqrstuvwxyz0123456789-_+") == std::string::npos;
  };
  const auto check = [&](const json& object, const std::string& fields, const std::string& where) {
    std::istringstream in(fields);
    std::size_t listed = 0;
    for (std::string field; in >> field; ++listed) {
      const std::string name = field.substr(0, field.find(':'));
      EXPECT_TRUE(object.contains(name) && fits(field.substr(name.size() + 1), object[name]))
          << where << " " << name << " in " << object.dump();
    }
    EXPECT_EQ(object.size(), listed) << where << ": a field docs/cli.md does not list";
  };
  for (const json& row : Json({"scan"})) {
    check(row,
          "ssid:t bssid:t signal_percent:n signal_dbm:n channel:n? frequency_khz:n auth:v "
          "auth_text:t encryption:v encryption_text:t network_type:v network_type_text:t joined:b",
          "scan");
  }
  const std::string unjoined = "state:v state_text:t radio:v radio_text:t ";
  check(Json({"status"}), unjoined, "status, not joined");
  ASSERT_EQ(Cli({"connect", "CorvaneGuest"}).code, 0);
  const std::string joined =
      unjoined +
      "ssid:t bssid:t channel:n? frequency_khz:n tx_rate_mbps:n tx_rate_text:t link_quality:n "
      "link_grade:v link_grade_text:t signal_quality:n signal_dbm:n signal_grade:v "
      "signal_grade_text:t ";
  check(Json({"status"}), joined, "status");
  check(Json({"status", "--interval", "1"}), joined + "throughput_tx_kbps:n throughput_rx_kbps:n",
        "status --interval 1");
  for (const json& row : Json({"profiles"})) {
    check(row,
          "number:n name:t ssid:t channel:n? auth:v auth_text:t encryption:v encryption_text:t "
          "network_type:v network_type_text:t active:b",
          "profiles");
  }
  check(Json({"stats"}),
        "transmitted:n transmitted_without_retry:n transmitted_after_retry:n ack_failures:n "
        "rts_successes:n rts_failures:n received:n received_crc_errors:n dropped_no_resource:n "
        "duplicates_received:n",
        "stats");
  check(Json({"about"}),
        "netvane_version:t netvane_date:t driver_version:t driver_date:t eeprom_version:t "
        "mac_address:t web_site:t",
        "about");
}

// A status-bar script runs `status` every few seconds: one reading, the same requests as the
// benchmark's bare program, and no wait. The throughput needs two readings, only when asked.
TEST_F(CliIntegrationTest, StatusReadsOnceUnlessAnIntervalIsGiven) {
  sim.Start();
  ASSERT_EQ(Cli({"connect", "CorvaneGuest"}).code, 0);
  auto requests = [this] {
    std::vector<std::string> selectors;
    for (const json& line : sim.Trace())
      if (line.value("call", "") == "struct") selectors.push_back(line.value("selector", ""));
    return selectors;
  };
  slept = 0;
  sim.ClearTrace();
  const json once = Json({"status"});
  EXPECT_EQ(slept, 0u);
  EXPECT_EQ(requests(), (std::vector<std::string>{"0x00010114", "0x0d010102", "0x0d010101",
                                                  "0x0d010211", "0x0d710102", "0x0d010206"}))
      << "bench/bare_status.c makes these";
  EXPECT_FALSE(once.contains("throughput_tx_kbps") || once.contains("throughput_rx_kbps"));
  EXPECT_NE(Cli({"status"}).out.find("Throughput:       add --interval 2 to measure\n"),
            std::string::npos);
  EXPECT_FALSE(Json({"status", "--interval", "0"}).contains("throughput_tx_kbps"));
  EXPECT_EQ(slept, 0u);

  sim.ClearTrace();
  const json twice = Json({"status", "--interval", "3"});
  EXPECT_EQ(slept, 3u);
  EXPECT_EQ(requests().size(), 8u) << "the link and the signal once more, before the wait";
  EXPECT_GE(twice["throughput_rx_kbps"].get<double>(), 0.0);
  EXPECT_NE(Cli({"status", "--interval", "1"}).out.find("Throughput:       Tx "),
            std::string::npos);
}

// Whatever goes wrong, one line: a preferences folder Netvane will not use too, which the store
// would also report on its own and then show as no profiles at all.
TEST_F(CliIntegrationTest, EveryErrorIsOneLineOnStandardError) {
  sim.Start();
  const std::string folder = prefs::PrefsFolder().Path();
  std::filesystem::create_directories(folder);
  chmod(folder.c_str(), 0777);
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {"profiles"}, {"profiles", "delete", "1"}, {"connect", "CorvaneGuest"}}) {
    SCOPED_TRACE(args.front());
    ::testing::internal::CaptureStderr();
    const Result r = Cli(args);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "netvane-cli: not using " + folder + ": others may write to it (mode 0777)\n");
  }
  chmod(folder.c_str(), 0700);
  EXPECT_EQ(JoinedSsid(), "") << "nothing was sent";

  // Exit code 2: what was asked cannot be done as given; 1: it was tried and did not work.
  const std::vector<std::pair<std::vector<std::string>, int>> failing = {
      {{"connect", "Nowhere"}, 1},
      {{"connect", "CorvaneCorp"}, 1},
      {{"connect", "CorvaneHome"}, 2},
      {{"connect", "CorvaneHome", "--key-file", sim.Dir() + "/absent"}, 2},
      {{"connect", "CorvaneLegacy", "--key-file", KeyFile("a1b2c3d4e")}, 2},
      {{"connect"}, 2},
      {{"status", "--interval", "61"}, 2},
      {{"status", "--interval", "-1"}, 2},
      {{"radio", "sideways"}, 2},
      {{"profiles", "delete", "9"}, 2},
      {{"profiles", "activate"}, 2},
      {{"scna"}, 2}};
  for (const auto& [args, code] : failing) {
    SCOPED_TRACE(args.back());
    const Result r = Cli(args);
    EXPECT_EQ(r.code, code);
    EXPECT_EQ(r.err.rfind("netvane-cli: ", 0), 0u) << r.err;
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
  }
  EXPECT_EQ(JoinedSsid(), "");
  ASSERT_EQ(sim.Stop(), 0);
  const Result gone = Cli({"status"});
  EXPECT_EQ(gone.code, 3);
  EXPECT_EQ(std::count(gone.err.begin(), gone.err.end(), '\n'), 1) << gone.err;
}

// The record is built and sent by the site survey page's own code, whose requests are proved
// there; the simulator joins only on the right key with the right mode. A WEP key goes out in
// the slot asked for, as the transmit key (its KeyIndex, little-endian, in the add-key record).
TEST_F(CliIntegrationTest, JoinsEverySecurityKindFromAKeyFile) {
  sim.Start();
  struct Case {
    std::vector<std::string> args;
    const char* ssid;
    const char* keyIndex = nullptr;
  };
  const Case cases[] = {
      {{"CorvaneLegacy", "--key-file", KeyFile("a1b2c3d4e5")}, "CorvaneLegacy", "00000080"},
      {{"CorvaneLab", "--key-file", KeyFile("0123456789abcdef0123456789"), "--wep-index", "2",
        "--auth", "shared"},
       "CorvaneLab",
       "01000080"},
      {{"02:c0:7a:00:00:05", "--key-file", KeyFile("office hours 9 to 5")}, "CorvaneOffice"},
      {{"CorvaneHidden", "--hidden", "--key-file", KeyFile("nobody sees me")}, "CorvaneHidden"},
      {{"CorvaneMesh", "--key-file", KeyFile("mesh together now")}, "CorvaneMesh"},
      {{"CorvaneFamily", "--key-file", KeyFile("family room router")}, "CorvaneFamily"},
      {{"CorvanePatio"}, "CorvanePatio"},
  };
  for (const Case& c : cases) {
    std::vector<std::string> connect = {"connect"};
    connect.insert(connect.end(), c.args.begin(), c.args.end());
    sim.ClearTrace();
    const Result r = Cli(connect);
    EXPECT_EQ(r.code, 0) << c.ssid << ": " << r.err;
    EXPECT_EQ(JoinedSsid(), c.ssid);
    if (c.keyIndex == nullptr) continue;
    std::string added;
    for (const json& line : sim.Trace())
      if (line["call"] == "struct" && line["selector"] == "0x0d81011d") added = line["in"];
    EXPECT_EQ(added.substr(8, 8), c.keyIndex) << c.ssid;
  }
}

TEST_F(CliIntegrationTest, AKeyThatDoesNotJoinOrCannotBeUsedFails) {
  sim.Start();
  const Result wrong =
      Cli({"connect", "CorvaneHome", "--key-file", KeyFile("not the home key"), "--wait", "3"});
  EXPECT_EQ(wrong.code, 1);
  EXPECT_NE(wrong.err.find("not joined to CorvaneHome after 3 s"), std::string::npos) << wrong.err;
  EXPECT_EQ(wrong.err.find("not the home key"), std::string::npos) << "the key never shows";
  EXPECT_EQ(JoinedSsid(), "");
  EXPECT_GE(slept, 3u) << "waited through the injected sleep";

  const Result open = Cli({"connect", "CorvaneLegacy", "--key-file", KeyFile("a1b2c3d4e5", 0644)});
  EXPECT_EQ(open.code, 2);
  EXPECT_NE(open.err.find("chmod 600"), std::string::npos) << open.err;
}

// The networks people meet today: how each is named, the joins with the key the simulator's
// trace shows, and one line for each Netvane cannot join.
TEST_F(CliIntegrationTest, Wpa2AndWpa3NetworksAreNamedJoinedOrRefusedInOneLine) {
  sim.Start(R"({"networks": [
      {"ssid": "Aes", "bssid": "02:00:00:00:00:01", "security": "wpa2-psk",
       "passphrase": "aes pass phrase"},
      {"ssid": "Mixed", "bssid": "02:00:00:00:00:02", "security": "wpa2-psk",
       "group_cipher": "tkip", "pairwise": ["tkip", "aes"], "passphrase": "mixed pass phrase"},
      {"ssid": "Both", "bssid": "02:00:00:00:00:03", "security": "wpa2-wpa3",
       "passphrase": "transition phrase"},
      {"ssid": "Sae", "bssid": "02:00:00:00:00:04", "security": "wpa3-sae", "passphrase": "x"},
      {"ssid": "Corp", "bssid": "02:00:00:00:00:05", "security": "wpa2-eap"},
      {"ssid": "Cafe", "bssid": "02:00:00:00:00:06", "security": "owe"}]})");
  const json scan = Json({"scan"});
  std::vector<std::string> named;
  for (const json& n : scan) {
    named.push_back(n["auth_text"].get<std::string>() + " " +
                    n["encryption_text"].get<std::string>() + " = " + n["auth"].get<std::string>() +
                    " " + n["encryption"].get<std::string>());
  }
  EXPECT_EQ(named,
            (std::vector<std::string>{
                "WPA2-PSK AES-CCMP = wpa2-psk aes", "WPA2-PSK TKIP+AES-CCMP = wpa2-psk tkip+aes",
                "WPA2/WPA3 AES-CCMP = wpa2-wpa3 aes", "WPA3-SAE AES-CCMP = wpa3-sae aes",
                "WPA2 AES-CCMP = wpa2 aes", "OWE AES-CCMP = owe aes"}));

  // Joined with AES whenever offered; the simulator takes only WPA2-PSK's mode and
  // PBKDF2(pass phrase, SSID) as the key.
  for (const auto& [ssid, phrase] :
       std::vector<std::pair<std::string, std::string>>{{"Aes", "aes pass phrase"},
                                                        {"Mixed", "mixed pass phrase"},
                                                        {"Both", "transition phrase"}}) {
    sim.ClearTrace();
    EXPECT_EQ(Cli({"connect", ssid, "--key-file", KeyFile(phrase)}).code, 0);
    EXPECT_EQ(JoinedSsid(), ssid);
    std::string cipher;
    for (const json& line : sim.Trace())
      if (line.value("call", "") == "struct" && line["selector"] == "0x0d81011b")
        cipher = line["in"];
    EXPECT_EQ(cipher, "06000000") << ssid;
  }

  for (const auto& [ssid, why] : std::vector<std::pair<std::string, std::string>>{
           {"Sae", "it uses WPA3-SAE, which this adapter does not support."},
           {"Corp", "it uses WPA2-Enterprise (802.1X) sign-in, which Netvane does not provide."},
           {"Cafe", "it uses OWE (Enhanced Open), which this adapter does not support."}}) {
    const Result refused = Cli({"connect", ssid});
    EXPECT_EQ(refused.code, 1);
    EXPECT_EQ(refused.err, "netvane-cli: Netvane cannot join “" + ssid + "”: " + why + "\n");
  }
}

// That an ad hoc profile on a channel ad hoc may not use writes no configuration is the
// record's and the executor's (ProfilePageTest, SiteSurveyPageTest).
TEST_F(CliIntegrationTest, ProfilesAreTheWindowsStore) {
  sim.Start();
  ProfileRecord family = Profile("Family", "CorvaneFamily", "3", "family room router");
  family.Set("Encryption Type", "1");  // AES
  ProfileRecord peer = Profile("Peer", "CorvanePeer", "0", "");
  peer.Set("Network Type", "0");
  peer.Set("Channel", "165");
  testing::StoreProfiles({Profile("Guest", "CorvaneGuest", "0", ""),
                          Profile("Home", "CorvaneHome", "2", "home sweet corvane"),
                          Profile("Office", "CorvaneOffice", "2", "wrong pass phrase"), family,
                          peer});
  std::vector<std::string> rows;
  for (const json& p : Json({"profiles"})) {
    rows.push_back(p["number"].dump() + " " + p["ssid"].get<std::string>() + " " +
                   p["auth"].get<std::string>() + "/" + p["auth_text"].get<std::string>() + " " +
                   p["encryption"].get<std::string>() + " " + p["network_type"].get<std::string>() +
                   " " + p["channel"].dump() + (p["active"] ? " active" : ""));
  }
  EXPECT_EQ(rows,
            (std::vector<std::string>{"1 CorvaneGuest open/Open none infrastructure 1",
                                      "2 CorvaneHome wpa-psk/WPA-PSK tkip infrastructure 1",
                                      "3 CorvaneOffice wpa-psk/WPA-PSK tkip infrastructure 1",
                                      "4 CorvaneFamily wpa2-psk/WPA2-PSK aes infrastructure 1",
                                      "5 CorvanePeer open/Open none adhoc 165"}));

  // By number and by name (Office's stored pass phrase is wrong: active, but not joined).
  ASSERT_EQ(Cli({"profiles", "activate", "2"}).code, 0);
  EXPECT_EQ(JoinedSsid(), "CorvaneHome");
  EXPECT_TRUE(Json({"profiles", "list"})[1]["active"]);
  EXPECT_NE(Cli({"profiles"}).out.find("2  *  Home"), std::string::npos);
  EXPECT_EQ(Cli({"profiles", "activate", "Office", "--wait", "1"}).code, 1);
  ASSERT_EQ(Cli({"profiles", "activate", "Family"}).code, 0);
  EXPECT_EQ(JoinedSsid(), "CorvaneFamily") << "a stored WPA2-PSK profile joins";
  ASSERT_EQ(Cli({"profiles", "delete", "1"}).code, 0);
  EXPECT_EQ(Json({"profiles"}).size(), 4u);
  EXPECT_EQ(Cli({"profiles", "delete", "5"}).code, 2);
}

TEST_F(CliIntegrationTest, ASaveThatFailsExitsOneWithItsReasonAloneAndChangesNothing) {
  sim.Start();
  prefs::PrefsFolder folder;
  prefs::UserDefaults defaults(folder);
  ProfileStore(defaults, folder)
      .SaveProfileRecords({Profile("Guest", "CorvaneGuest", "0", ""),
                           Profile("Home", "CorvaneHome", "2", "home sweet corvane")});
  ASSERT_EQ(Cli({"profiles", "activate", "Guest"}).code, 0);  // something to stand down
  const std::string before = testing::ReadText(defaults.Path());
  std::vector<Result> results;
  {
    const testing::FileSizeLimit full(64);
    for (const char* name : {"delete", "activate"})
      results.push_back(Cli({"profiles", name, "Home"}));
    results.push_back(Cli({"connect", "CorvaneGuest"}));
  }
  for (const Result& r : results) {
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.out, "") << "no Deleted or Joined line";
    EXPECT_EQ(r.err.rfind("netvane-cli: could not save " + folder.Path(), 0), 0u) << r.err;
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
  }
  EXPECT_EQ(testing::ReadText(defaults.Path()), before);
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder.Path()))
    names.insert(entry.path().filename().string());
  EXPECT_EQ(names, (std::set<std::string>{".lock", "Profile.plist", defaults.kDomainFile}))
      << "no temporary file is left behind";
  EXPECT_EQ(JoinedSsid(), "CorvaneGuest") << "Home was not sent";

  // A preferences file that cannot be read is no empty list.
  std::filesystem::remove(defaults.Path());
  std::filesystem::create_directory(defaults.Path());
  const Result list = Cli({"profiles"});
  EXPECT_EQ(list.code, 1);
  EXPECT_EQ(list.out, "");
  EXPECT_EQ(list.err,
            "netvane-cli: " + defaults.Path() + " cannot be read: it is not a regular file\n");
}

TEST_F(CliIntegrationTest, InstancePicksTheAdapterAndExitCodesMeanSomething) {
  sim.Start("", "wlan1");
  EXPECT_EQ(Cli({"--instance", "wlan1", "about"}).code, 0);
  const Result missing = Cli({"--instance", "wlan2", "status"});
  EXPECT_EQ(missing.code, 3);
  EXPECT_NE(missing.err.find("--instance"), std::string::npos);

  EXPECT_EQ(Cli({"--instance", "wlan1", "scna"}).err,
            "netvane-cli: unknown subcommand or option scna; run netvane-cli --help\n");
  // The built program, as a script runs it.
  const int status =
      std::system((std::string(NETVANE_CLI_PATH) + " radio sideways 2>/dev/null").c_str());
  EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : -1, 2);
  // Standard error stays empty on success: the window's session-log lines of a task run are
  // not written.
  testing::StoreProfiles({Profile("Guest", "CorvaneGuest", "0", "")});
  const std::string err = sim.Dir() + "/err";
  ASSERT_EQ(std::system((std::string(NETVANE_CLI_PATH) +
                         " --instance wlan1 profiles activate 1 2>" + err + " >/dev/null")
                            .c_str()),
            0);
  EXPECT_EQ(testing::ReadText(err), "");
}

// A registry folder that is not ours alone is the one line the user reads, with the exit code of
// no adapter; no second line claims there is no adapter, and the simulator refuses it too.
TEST_F(CliIntegrationTest, ARefusedRegistryIsOneLine) {
  const std::string root = sim.Dir() + "/run/netvane";
  ASSERT_EQ(mkdir(root.c_str(), 0700), 0);
  chmod(root.c_str(), 0777);
  ::testing::internal::CaptureStderr();
  const Result r = Cli({"status"});
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
  EXPECT_EQ(r.code, 3);
  EXPECT_EQ(r.err, "netvane-cli: not using " + root + ": others may write to it (mode 0777)\n");
  ::testing::internal::CaptureStderr();  // the simulator writes to the same standard error
  EXPECT_THROW(sim.Start(), std::runtime_error);
  EXPECT_NE(::testing::internal::GetCapturedStderr().find(root + ": others may write to it"),
            std::string::npos);
}

// Every hostile name as an open network at Bssid(its row), and the first one again as a
// WPA-PSK network at Bssid(0) whose key is "open sesame now".
std::string Bssid(std::size_t row) {
  return MacAddressText(std::array<uint8_t, 6>{2, 0, 0, 0, 1, static_cast<uint8_t>(row)});
}
std::string HostileScenario() {
  const auto& names = testing::HostileNames();
  json networks = json::array();
  for (std::size_t i = 0; i <= names.size(); ++i) {
    std::string hex;
    for (const char c : names[i % names.size()].bytes) {
      hex += "0123456789abcdef"[(c >> 4) & 0xF];
      hex += "0123456789abcdef"[c & 0xF];
    }
    networks.push_back({{"ssid_hex", hex}, {"bssid", Bssid(i)}});
  }
  networks[0].update({{"security", "wpa-psk"}, {"passphrase", "open sesame now"}});
  return json{{"networks", networks}}.dump();
}

TEST_F(CliIntegrationTest, ANameFromTheAirShowsEscapedInEveryOutput) {
  sim.Start(HostileScenario());
  const auto& names = testing::HostileNames();
  const Result table = Cli({"scan"});
  const Result list = Cli({"scan", "--json"});
  EXPECT_EQ(testing::RawHazard(table.out + list.out, "\n"), "") << table.out << list.out;
  for (std::size_t i = 1; i <= names.size(); ++i) {
    const testing::HostileName& name = names[i % names.size()];
    SCOPED_TRACE(name.what);
    EXPECT_NE(table.out.find("  " + name.shown + " "), std::string::npos) << table.out;
    // Names that are not UTF-8 carry U+FFFD where they do not decode, as before.
    EXPECT_EQ(json::parse(list.out)[i]["ssid"],
              json::parse(json(name.bytes).dump(-1, ' ', false, json::error_handler_t::replace)));
  }
  EXPECT_EQ(Cli({"connect", Bssid(0)}).err,
            "netvane-cli: " + names[0].shown + " needs a key; give --key-file FILE or --ask\n");
  EXPECT_EQ(Cli({"connect", Bssid(names.size())}).out, "Joined " + names[0].shown + "\n");
  EXPECT_NE(Cli({"status"}).out.find(names[0].shown + " <-->"), std::string::npos);
  const Result status = Cli({"status", "--json"});
  EXPECT_EQ(testing::RawHazard(status.out, "\n"), "") << status.out;
}

// netvane-cli connect --ask on a pseudo-terminal, its controlling one, as at a shell.
class AskingProgram {
 public:
  AskingProgram() : pid(forkpty(&master, nullptr, nullptr, nullptr)) {
    if (pid == 0) {
      execl(NETVANE_CLI_PATH, "netvane-cli", "connect", Bssid(0).c_str(), "--ask", "--wait", "0",
            nullptr);
      _exit(127);
    }
  }
  ~AskingProgram() {
    close(master);
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
  }
  // Reads the terminal until it shows `wanted` (empty: until the program is gone); the deadline
  // only guards against a hang.
  bool ReadUntil(const std::string& wanted) {
    pollfd fd{master, POLLIN, 0};
    char buffer[256];
    while (wanted.empty() || shown.find(wanted) == std::string::npos) {
      if (poll(&fd, 1, 60000) <= 0) return false;
      const ssize_t n = read(master, buffer, sizeof buffer);
      if (n <= 0) return wanted.empty();
      shown.append(buffer, static_cast<std::size_t>(n));
    }
    return true;
  }
  bool Echoing() const {
    termios now{};
    return tcgetattr(master, &now) == 0 && (now.c_lflag & ECHO) != 0;
  }
  int Wait() const {
    int status = 0;
    waitpid(pid, &status, 0);
    return status;
  }

  int master = -1;
  pid_t pid;
  std::string shown;
};

TEST_F(CliIntegrationTest, TheKeyPromptHidesTheKeyAndEveryWayOutRestoresTheEcho) {
  sim.Start(HostileScenario());
  // Side by side: each waits its scan out before it asks. A return, Ctrl-C as typed, and a
  // hang-up: every ending signal takes the same handler.
  const std::vector<std::pair<int, std::string>> ways = {
      {0, "open sesame now\n"}, {SIGINT, "\x03"}, {SIGHUP, ""}};
  std::vector<std::unique_ptr<AskingProgram>> programs;
  for (std::size_t i = 0; i < ways.size(); ++i)
    programs.push_back(std::make_unique<AskingProgram>());
  for (std::size_t i = 0; i < ways.size(); ++i) {
    const auto& [signal, typed] = ways[i];
    SCOPED_TRACE(signal);
    AskingProgram& program = *programs[i];
    ASSERT_TRUE(program.ReadUntil("Key for " + testing::HostileNames()[0].shown + ": "))
        << program.shown;
    ASSERT_FALSE(program.Echoing());
    ASSERT_EQ(write(program.master, typed.data(), typed.size()),
              static_cast<ssize_t>(typed.size()));
    if (typed.empty()) kill(program.pid, signal);
    EXPECT_TRUE(program.ReadUntil(""));
    const int status = program.Wait();
    EXPECT_EQ(status, signal == 0 ? 0 : signal) << program.shown;
    EXPECT_TRUE(program.Echoing());
    EXPECT_EQ(program.shown.find("sesame"), std::string::npos) << program.shown;
  }
  EXPECT_EQ(JoinedSsid(), testing::HostileNames()[0].bytes);
}

}  // namespace
}  // namespace netvane
