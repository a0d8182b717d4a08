#include "cli/Commands.h"

#include <algorithm>
#include <charconv>
#include <nlohmann/json.hpp>

#include "cli/MachineValues.h"
#include "cli/Table.h"
#include "crypto/MathFunc.h"
#include "driver/ChannelFreqTable.h"
#include "driver/Oids.h"
#include "driver/ScanList.h"
#include "keyentry/KeyValidation.h"
#include "platform/prefs/PrefsFolder.h"
#include "platform/prefs/UserDefaults.h"
#include "platform/system/FileDates.h"
#include "platform/system/UserFolders.h"
#include "platform/userclient/DriverInfo.h"
#include "profiles/ProfileActions.h"
#include "profiles/ProfileItem.h"
#include "profiles/ProfileStore.h"
#include "status/AboutFigures.h"
#include "status/LinkFigures.h"
#include "status/StatisticsFigures.h"
#include "survey/AccessPointRows.h"
#include "survey/ConnectRecord.h"
#include "survey/JoinRefusal.h"
#include "survey/WpaElement.h"
#include "text/SafeText.h"

namespace netvane::cli {
namespace {

using nlohmann::json;

// The throughput figures are per link status tick.

std::string Trimmed(std::string text) {
  while (!text.empty() && text.back() == ' ') text.pop_back();
  return text;
}

// A counter as a JSON number: an integer when it fits 64 bits, else its nearest double.
json Counter(const std::string& text) {
  int64_t value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec == std::errc() && end == text.data() + text.size()) return value;
  uint64_t big = 0;
  const auto [bigEnd, bigEc] = std::from_chars(text.data(), text.data() + text.size(), big);
  if (bigEc == std::errc() && bigEnd == text.data() + text.size()) return big;
  return std::stod(text);
}

json OptionalNumber(const std::string& text) {
  uint32_t value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec == std::errc() && end == text.data() + text.size()) return value;
  return nullptr;
}

void PrintJson(Session& s, const json& value) {
  // Names that are not UTF-8 carry U+FFFD where their bytes do not decode; what would drive a
  // terminal showing the output is escaped too.
  s.io.out << text::JsonSafe(value.dump(2, ' ', false, nlohmann::json::error_handler_t::replace))
           << '\n';
}

// ---- scan ----

std::optional<std::array<uint8_t, kMacLength>> ParseBssid(const std::string& text) {
  std::array<uint8_t, kMacLength> mac{};
  if (text.size() != 17) return std::nullopt;
  for (std::size_t i = 0; i < kMacLength; ++i) {
    const uint8_t high = crypto::BtoH(text[i * 3]);
    const uint8_t low = crypto::BtoH(text[i * 3 + 1]);
    if (high == 0xFF || low == 0xFF) return std::nullopt;
    if (i + 1 < kMacLength && text[i * 3 + 2] != ':' && text[i * 3 + 2] != '-') {
      return std::nullopt;
    }
    mac[i] = static_cast<uint8_t>(high << 4 | low);
  }
  return mac;
}

}  // namespace

int ScanCommand(Session& s, bool json) {
  s.RequireAdapter();
  s.Scan();
  std::array<uint8_t, kMacLength> joinedBssid{};
  const bool joined = s.Joined(nullptr, &joinedBssid);
  const std::vector<AccessPoint> rows = BuildAccessPoints(s.state.G_pBssidList.get());
  std::vector<ScanEntry> entries;
  if (s.state.G_pBssidList) entries = s.state.G_pBssidList->View().Entries();

  nlohmann::json list = nlohmann::json::array();
  std::vector<TableRow> table;
  for (std::size_t i = 0; i < rows.size() && i < entries.size(); ++i) {
    const AccessPoint& ap = rows[i];
    const bool here =
        joined && std::equal(joinedBssid.begin(), joinedBssid.end(), entries[i].fields.MacAddress);
    const int32_t dbm = entries[i].fields.Rssi;
    const uint32_t frequency = entries[i].fields.Configuration.DSConfig;
    list.push_back({{"ssid", ap.SSID()},
                    {"bssid", ap.BSSID()},
                    {"signal_percent", OptionalNumber(ap.Signal())},
                    {"signal_dbm", dbm},
                    {"channel", OptionalNumber(ap.Channel())},
                    {"frequency_khz", frequency},
                    {"auth", ScanAuthValue(ap.Authentication(), ap.Encryption())},
                    {"auth_text", ap.Authentication()},
                    {"encryption", EncryptionValue(ap.Encryption())},
                    {"encryption_text", ap.Encryption()},
                    {"network_type", NetworkTypeValue(ap.NetworkType())},
                    {"network_type_text", ap.NetworkType()},
                    {"joined", here}});
    table.push_back({here ? "*" : "", ap.SSID(), ap.BSSID(), ap.Signal() + "%", std::to_string(dbm),
                     ap.Channel(), ap.Authentication(), ap.Encryption(), ap.NetworkType()});
  }
  if (json) {
    PrintJson(s, list);
  } else {
    PrintTable(s.io.out,
               {"", "SSID", "BSSID", "SIGNAL", "DBM", "CH", "AUTHENTICATION", "ENCRYPTION", "TYPE"},
               table);
  }
  return kExitOk;
}

// ---- status ----

int StatusCommand(Session& s, bool json, unsigned intervalSeconds) {
  s.RequireAdapter();
  uint32_t returned = 0;
  std::string ssid;
  std::array<uint8_t, kMacLength> bssid{};
  if (!s.Joined(&ssid, &bssid)) {
    uint8_t radio[4] = {};
    CV_802_11_STA_CONFIG config{};
    s.adapter.OidQueryInformation(OID_CV_802_11_RADIO, radio, sizeof radio, &returned);
    s.adapter.OidQueryInformation(OID_CV_802_11_STA_CONFIG, &config, sizeof config, &returned);
    const bool radioOn =
        std::any_of(std::begin(radio), std::end(radio), [](uint8_t b) { return b != 0; }) &&
        config.HwRadioStatus != 0;
    const char* shown = radioOn ? "Disconnected" : "Radio Status <--> OFF";
    if (json) {
      PrintJson(s, {{"state", radioOn ? "disconnected" : "radio_off"},
                    {"state_text", shown},
                    {"radio", radioOn ? "on" : "off"},
                    {"radio_text", radioOn ? "ON" : "OFF"}});
    } else {
      s.io.out << shown << '\n';
    }
    return kExitOk;
  }

  // One reading by default, averaged with itself as the page's first tick is. The throughput
  // needs a second reading one interval later, as two ticks of the page.
  CV_802_11_LINK_STATUS first{};
  int32_t firstRssi = 0;
  if (intervalSeconds > 0) {
    s.adapter.OidQueryInformation(OID_CV_802_11_QUERY_LINK_STATUS, &first, sizeof first, &returned);
    s.adapter.OidQueryInformation(OID_802_11_RSSI, &firstRssi, sizeof firstRssi, &returned);
    s.io.sleep(intervalSeconds);
  }
  NDIS_802_11_CONFIGURATION config{};
  CV_802_11_LINK_STATUS link{};
  int32_t rssi = 0;
  s.adapter.OidQueryInformation(OID_802_11_CONFIGURATION, &config, sizeof config, &returned);
  s.adapter.OidQueryInformation(OID_CV_802_11_QUERY_LINK_STATUS, &link, sizeof link, &returned);
  s.adapter.OidQueryInformation(OID_802_11_RSSI, &rssi, sizeof rssi, &returned);

  if (intervalSeconds == 0) {
    first = link;
    firstRssi = rssi;
  }
  const std::optional<uint32_t> channel = ChannelForFrequency(config.DSConfig);
  const uint32_t linkQuality =
      SmoothedLinkQuality(SmoothedLinkQuality(0, first.ChannelQuality), link.ChannelQuality);
  const uint32_t signalQuality = SmoothedSignalQuality(
      SmoothedSignalQuality(0, CV7000Access::ConvertRssiToSignalQuality(firstRssi)),
      CV7000Access::ConvertRssiToSignalQuality(rssi));
  const std::string tx = ThroughputText(link.TxByteCount, first.TxByteCount);
  const std::string rx = ThroughputText(link.RxByteCount, first.RxByteCount);
  const std::string association = AssociationText(ssid, bssid);
  const std::string linkGrade = QualityGrade(linkQuality);
  const std::string signalGrade = QualityGrade(signalQuality);

  if (json) {
    nlohmann::json object = {
        {"state", "connected"},
        {"state_text", association},
        {"radio", "on"},
        {"radio_text", "ON"},
        {"ssid", ssid},
        {"bssid", MacAddressText(bssid)},
        {"channel", channel ? nlohmann::json(*channel) : nlohmann::json(nullptr)},
        {"frequency_khz", config.DSConfig},
        {"tx_rate_mbps", link.CurrTxRate % 2 == 0 ? nlohmann::json(link.CurrTxRate / 2)
                                                  : nlohmann::json(link.CurrTxRate / 2.0)},
        {"tx_rate_text", RateText(link.CurrTxRate)},
        {"link_quality", linkQuality},
        {"link_grade", GradeValue(linkGrade)},
        {"link_grade_text", Trimmed(linkGrade)},
        {"signal_quality", signalQuality},
        {"signal_dbm", rssi},
        {"signal_grade", GradeValue(signalGrade)},
        {"signal_grade_text", Trimmed(signalGrade)}};
    if (intervalSeconds > 0) {
      object["throughput_tx_kbps"] = std::stod(tx);
      object["throughput_rx_kbps"] = std::stod(rx);
    }
    PrintJson(s, object);
  } else {
    PrintFields(s.io.out,
                {{"Status", association},
                 {"Channel", ChannelText(config.DSConfig)},
                 {"Tx rate", RateText(link.CurrTxRate)},
                 {"Throughput", intervalSeconds > 0 ? "Tx " + tx + " Kbps, Rx " + rx + " Kbps"
                                                    : std::string("add --interval 2 to measure")},
                 {"Link quality", linkGrade + std::to_string(linkQuality) + "%"},
                 {"Signal strength", signalGrade + std::to_string(signalQuality) + "% (" +
                                         std::to_string(rssi) + " dBm)"}});
  }
  return kExitOk;
}

// ---- stats ----

int StatsCommand(Session& s, bool reset, bool json) {
  s.RequireAdapter();
  uint32_t returned = 0;
  if (reset) {
    // The set form of the reset, sent through a query with no payload, as the page does.
    uint32_t word = 0;
    if (!s.adapter.OidQueryInformation(SetForm(OID_CV_802_11_RESET_COUNTERS), &word, 0,
                                       &returned)) {
      throw CliFailure(kExitFailed, "the driver refused to reset the counters");
    }
  }
  NDIS_802_11_STATISTICS stats{};
  uint32_t receivedOk = 0;
  uint32_t receivedNoBuffer = 0;
  s.adapter.OidQueryInformation(OID_802_11_STATISTICS, &stats, sizeof stats, &returned);
  s.adapter.OidQueryInformation(OID_GEN_RCV_OK, &receivedOk, sizeof receivedOk, &returned);
  s.adapter.OidQueryInformation(OID_GEN_RCV_NO_BUFFER, &receivedNoBuffer, sizeof receivedNoBuffer,
                                &returned);
  const auto texts = StatisticsTexts(stats, receivedOk, receivedNoBuffer);
  static constexpr std::array<std::pair<const char*, const char*>, kStatisticsFields> kNames = {{
      {"transmitted", "Frames transmitted successfully"},
      {"transmitted_without_retry", "Frames transmitted successfully without retry"},
      {"transmitted_after_retry", "Frames transmitted successfully after retry"},
      {"ack_failures", "Frames fail to receive ACK after all retries"},
      {"rts_successes", "RTS frames successfully receive CTS"},
      {"rts_failures", "RTS frames fail to receive CTS"},
      {"received", "Frames received successfully"},
      {"received_crc_errors", "Frames received with CRC error"},
      {"dropped_no_resource", "Frames dropped due to out-of-resource"},
      {"duplicates_received", "Duplicate frames received"},
  }};
  nlohmann::json object = nlohmann::json::object();
  std::vector<std::pair<std::string, std::string>> fields;
  for (std::size_t i = 0; i < kStatisticsFields; ++i) {
    object[kNames[i].first] = Counter(texts[i]);
    fields.emplace_back(kNames[i].second, texts[i]);
  }
  if (json) {
    PrintJson(s, object);
  } else {
    PrintFields(s.io.out, fields);
  }
  return kExitOk;
}

// ---- radio ----

int RadioCommand(Session& s, bool on) {
  s.RequireAdapter();
  uint8_t word[4] = {static_cast<uint8_t>(on ? 1 : 0), 0, 0, 0};
  uint32_t returned = 0;
  if (!s.adapter.OidSetInformation(OID_CV_802_11_RADIO, word, sizeof word, &returned, 1)) {
    throw CliFailure(kExitFailed, "the driver refused the radio switch; check the adapter");
  }
  // A fresh scan, as the window makes, so the driver's list shows what the radio now hears.
  s.Scan();
  s.io.out << "Radio " << (on ? "on" : "off") << '\n';
  return kExitOk;
}

// ---- about ----

int AboutCommand(Session& s, bool json) {
  s.RequireAdapter();
  std::array<uint8_t, 4> eeprom{};
  std::array<uint8_t, kMacLength> mac{};
  uint32_t returned = 0;
  s.adapter.OidQueryInformation(OID_CV_802_11_EEPROM_VERSION, eeprom.data(), eeprom.size(),
                                &returned);
  s.adapter.OidQueryInformation(OID_802_3_CURRENT_ADDRESS, mac.data(), mac.size(), &returned);
  const userclient::DriverInfo driver = userclient::ReadDriverInfo();
  const std::string date = system::ExecutableDate();
  if (json) {
    PrintJson(s, {{"netvane_version", kNetvaneVersion},
                  {"netvane_date", date},
                  {"driver_version", driver.version},
                  {"driver_date", driver.date},
                  {"eeprom_version", EepromVersionText(eeprom)},
                  {"mac_address", MacAddressText(mac)},
                  {"web_site", kCorvaneWebSite}});
  } else {
    PrintFields(s.io.out, {{"Netvane version", kNetvaneVersion},
                           {"Netvane date", date},
                           {"Driver version", driver.version},
                           {"Driver date", driver.date},
                           {"EEPROM version", EepromVersionText(eeprom)},
                           {"MAC address", MacAddressText(mac)},
                           {"Web site", kCorvaneWebSite}});
  }
  return kExitOk;
}

// ---- joining ----

namespace {

// Polls once a second until the adapter reports `ssid` joined (and `bssid`, when given).
bool WaitForJoin(Session& s, const std::string& ssid,
                 const std::optional<std::array<uint8_t, kMacLength>>& bssid, int waitSeconds) {
  for (int waited = 0;; ++waited) {
    std::string joinedSsid;
    std::array<uint8_t, kMacLength> joinedBssid{};
    if (s.Joined(&joinedSsid, &joinedBssid) && joinedSsid == ssid &&
        (!bssid || *bssid == joinedBssid)) {
      return true;
    }
    if (waited >= waitSeconds) return false;
    s.io.sleep(1);
  }
}

// A preferences folder Netvane will not use ends the command with that one line, before the
// store would warn about it and carry on as if there were no profiles.
prefs::PrefsFolder UsablePrefsFolder() {
  prefs::PrefsFolder folder;
  const system::PrivateFolderResult checked = system::MakePrivateFolderAndParents(folder.Path());
  if (!checked.ok) {
    throw CliFailure(kExitFailed, "not using " + checked.path + ": " + checked.reason);
  }
  return folder;
}

// The preferences the window uses, for the profile commands and the stand-down of a connect.
struct Profiles {
  prefs::PrefsFolder folder = UsablePrefsFolder();
  prefs::UserDefaults defaults{folder};
  ProfileStore store{defaults, folder};
};

system::SecretText ReadKey(Session& s, const ConnectOptions& o, const std::string& ssid) {
  system::SecretText key = !o.keyFile.empty() ? s.io.readKeyFile(o.keyFile)
                                              : s.io.askKey("Key for " + Printable(ssid) + ": ");
  if (!key.ok) throw CliFailure(kExitUsage, key.error);
  return key;
}

bool IsWepHexKey(const std::string& text) {
  return (text.size() == 10 || text.size() == 26) &&
         std::all_of(text.begin(), text.end(), [](char c) { return crypto::BtoH(c) != 0xFF; });
}

// The security sheet's result for `entry` from the key and the options: the same preset, the
// same checks and the same conversions as the sheet's OK.
SecuritySettings SecurityFor(const ScanEntry& entry, int32_t wpaKind, const std::string& key,
                             const ConnectOptions& o) {
  const std::string cipher = ParseWPAElement(entry, {PrivacyCipherText(entry.fields), ""}).cipher;
  const SheetPreset preset = PresetFor(wpaKind, cipher);
  KeyEntryValues values;
  values.authentication = preset.authentication;
  values.encryption = preset.encryption;
  const bool wpa = values.authentication >= kAuthWpaPsk;
  if (!wpa) {
    if (o.auth == "shared") values.authentication = kAuthSharedKey;
    if (o.auth == "open") values.authentication = kAuthOpenSystem;
    values.encryption = kEncryWep;
    const auto slot = static_cast<std::size_t>(o.wepIndex - 1);
    values.selectedKey = static_cast<int32_t>(slot);
    values.keyTexts[slot] = key;
    values.keyTypes[slot] = IsWepHexKey(key) ? kKeyTypeHex : kKeyTypeAscii;
  } else {
    values.preSharedKey = key;
  }
  if (const std::optional<std::string> problem = FindKeyProblem(values)) {
    throw CliFailure(kExitUsage, *problem);
  }
  SecuritySettings settings;
  settings.AuthenType = values.authentication;
  settings.EncryType = values.encryption;
  settings.SelKeyIndex = values.selectedKey;
  if (values.authentication == kAuthSharedKey || values.encryption == 1) {
    for (std::size_t i = 0; i < kWepKeyCount; ++i) {
      settings.keys[i] = ConvertWepKey(values.keyTexts[i], values.keyTypes[i]);
    }
  }
  const std::size_t pskLength = std::min(values.preSharedKey.size(), kWpaKeyTextLength);
  std::copy_n(values.preSharedKey.begin(), pskLength, settings.WPAPSK.begin());
  settings.WPAPSKlen = static_cast<int32_t>(pskLength);
  return settings;
}

}  // namespace

int ConnectCommand(Session& s, const ConnectOptions& o) {
  const std::optional<std::array<uint8_t, kMacLength>> bssid = ParseBssid(o.target);
  if (o.hidden && bssid) {
    throw CliFailure(kExitUsage, "--hidden needs the network's SSID, not its BSSID");
  }
  if (o.target.empty() || o.target.size() > 32) {
    throw CliFailure(kExitUsage, "an SSID is 1 to 32 bytes; give the network's SSID or BSSID");
  }
  s.RequireAdapter();
  s.Scan();
  std::vector<ScanEntry> entries;
  if (s.state.G_pBssidList) entries = s.state.G_pBssidList->View().Entries();
  // Several networks of one name: the strongest, as the driver itself would choose.
  const ScanEntry* chosen = nullptr;
  for (const ScanEntry& e : entries) {
    const bool match = bssid      ? std::equal(bssid->begin(), bssid->end(), e.fields.MacAddress)
                       : o.hidden ? IsHiddenInfrastructure(e.fields)
                                  : SsidText(e.fields.Ssid) == o.target;
    if (match && (chosen == nullptr || e.fields.Rssi > chosen->fields.Rssi)) chosen = &e;
  }
  if (chosen == nullptr) {
    throw CliFailure(kExitFailed, "no network " + o.target +
                                      " in the scan; run netvane-cli scan, or add --hidden");
  }
  const int32_t wpaKind = IsItemWPA(*chosen);
  const std::string heard = SsidText(chosen->fields.Ssid);
  if (const auto refusal = RefusalFor(wpaKind, heard.empty() ? o.target : heard)) {
    throw CliFailure(kExitFailed, refusal->Line());
  }

  ConnectChoices choices;
  if (IsHiddenInfrastructure(chosen->fields)) {
    if (bssid) {
      throw CliFailure(kExitUsage, "this network hides its name; give its SSID with --hidden");
    }
    NDIS_802_11_SSID typed{};
    typed.SsidLength = static_cast<uint32_t>(o.target.size());
    std::copy(o.target.begin(), o.target.end(), std::begin(typed.Ssid));
    choices.hiddenSsid = typed;
  }
  const std::string ssid = SsidText(ConnectSsid(chosen->fields, choices));
  if (NeedsSecuritySheet(chosen->fields, wpaKind)) {
    if (o.keyFile.empty() && !o.ask) {
      throw CliFailure(kExitUsage, ssid + " needs a key; give --key-file FILE or --ask");
    }
    const system::SecretText key = ReadKey(s, o, ssid);
    choices.security = SecurityFor(*chosen, wpaKind, key.text, o);
  }

  // A manual connection stands the active profile down, as on the site survey page. First:
  // an active mark that could not be cleared would take the adapter back at the window's start.
  Profiles profiles;
  if (const StoreResult stood = profiles.store.StandDown(); !stood.Saved()) {
    throw CliFailure(kExitFailed, stood.reason);
  }

  auto record = BuildConnectRecord(*chosen, choices);
  choices.security.reset();
  s.state.G_bBssidListScan = 0;
  s.state.G_bRescan = 0;
  s.target.SetTaskQueue(std::move(record));
  s.target.DoTask();

  if (!WaitForJoin(s, ssid, std::nullopt, o.waitSeconds)) {
    throw CliFailure(kExitFailed, "not joined to " + ssid + " after " +
                                      std::to_string(o.waitSeconds) +
                                      " s; check the key (and --auth, --wep-index for WEP)");
  }
  s.io.out << "Joined " << Printable(ssid) << '\n';
  return kExitOk;
}

// ---- profiles ----

namespace {

// Row index (from 0) of `which`: a number counts from 1 in the page's order, anything else is
// a profile name.
int32_t FindProfile(const ProfileRecordList& records, const std::string& which) {
  int32_t number = 0;
  const auto [end, ec] = std::from_chars(which.data(), which.data() + which.size(), number);
  if (ec == std::errc() && end == which.data() + which.size()) {
    if (number >= 1 && number <= static_cast<int32_t>(records.size())) return number - 1;
    throw CliFailure(kExitUsage, "no profile number " + which + "; run netvane-cli profiles list");
  }
  for (std::size_t i = 0; i < records.size(); ++i) {
    if (records[i].Text(profile_key::kProfileName) == which) return static_cast<int32_t>(i);
  }
  throw CliFailure(kExitUsage, "no profile named " + which + "; run netvane-cli profiles list");
}

int32_t ActiveRow(const ProfileRecordList& active) {
  if (active.empty() || active.front().Text(profile_key::kActiveFlag) != "YES") return -1;
  return IntOf(active.front(), profile_key::kSelected);
}

}  // namespace

int ProfilesCommand(Session& s, const std::string& action, const std::string& which, bool json,
                    int waitSeconds) {
  Profiles profiles;
  const StoredProfiles stored = profiles.store.Load();
  // Shown as an empty list, a file that cannot be read would look like profiles lost.
  if (!stored.problem.empty()) throw CliFailure(kExitFailed, stored.problem);
  const ProfileRecordList& records = stored.records;

  if (action == "delete") {
    const int32_t row = FindProfile(records, which);
    const ProfileRecord& record = records[static_cast<std::size_t>(row)];
    const StoreResult deleted = profiles.store.DeleteProfile(record, row);
    if (!deleted.Saved()) throw CliFailure(kExitFailed, deleted.reason);
    s.io.out << "Deleted " << Printable(record.Text(profile_key::kProfileName)) << '\n';
    return kExitOk;
  }
  if (action == "activate") {
    const int32_t row = FindProfile(records, which);
    const ProfileRecord& record = records[static_cast<std::size_t>(row)];
    s.RequireAdapter();
    const StoreResult activated = ActivateProfile(s.state, profiles.store, s.target, record, row);
    if (!activated.Saved()) throw CliFailure(kExitFailed, activated.reason);
    const std::string ssid = record.Text(profile_key::kSsid);
    if (!WaitForJoin(s, ssid, std::nullopt, waitSeconds)) {
      throw CliFailure(kExitFailed, "profile " + record.Text(profile_key::kProfileName) +
                                        " is active but not joined to " + ssid + " after " +
                                        std::to_string(waitSeconds) + " s; check its key");
    }
    s.io.out << "Joined " << Printable(ssid) << '\n';
    return kExitOk;
  }

  const int32_t activeRow = ActiveRow(stored.active);
  nlohmann::json list = nlohmann::json::array();
  std::vector<TableRow> table;
  for (std::size_t i = 0; i < records.size(); ++i) {
    const ProfileItem item = ProfileItemFor(records[i]);
    const bool isActive = static_cast<int32_t>(i) == activeRow;
    list.push_back({{"number", i + 1},
                    {"name", item.Profile},
                    {"ssid", item.SSID},
                    {"channel", OptionalNumber(item.Channel)},
                    {"auth", AuthValue(item.AuthenType)},
                    {"auth_text", item.AuthenType},
                    {"encryption", EncryptionValue(item.Encryption)},
                    {"encryption_text", item.Encryption},
                    {"network_type", NetworkTypeValue(item.NetworkType)},
                    {"network_type_text", item.NetworkType},
                    {"active", isActive}});
    table.push_back({std::to_string(i + 1), isActive ? "*" : "", item.Profile, item.SSID,
                     item.Channel, item.AuthenType, item.Encryption, item.NetworkType});
  }
  if (json) {
    PrintJson(s, list);
  } else {
    PrintTable(s.io.out, {"#", "", "PROFILE", "SSID", "CH", "AUTHENTICATION", "ENCRYPTION", "TYPE"},
               table);
  }
  return kExitOk;
}

}  // namespace netvane::cli
