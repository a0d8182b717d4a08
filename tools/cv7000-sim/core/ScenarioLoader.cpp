#include "core/ScenarioLoader.h"

#include <cstdint>
#include <fstream>
#include <iterator>
#include <nlohmann/json.hpp>
#include <optional>
#include <set>
#include <sstream>

#include "core/Generate.h"
#include "core/Hex.h"
#include "driverkit/Channels.h"
#include "driverkit/DriverInfo.h"

namespace netvane::sim {
namespace {

using nlohmann::json;

struct LoadFailure {
  std::string message;
};

// Reads one JSON object, remembering where it sits for messages and which keys were used.
class ObjectReader {
 public:
  ObjectReader(const json& object, std::string path, std::vector<std::string>& warnings)
      : object_(object), path_(std::move(path)), warnings_(warnings) {
    if (!object_.is_object()) Fail(path_.empty() ? "the scenario" : path_, "expected an object");
  }
  ObjectReader(const ObjectReader&) = delete;
  ObjectReader& operator=(const ObjectReader&) = delete;

  ~ObjectReader() = default;

  void WarnUnknown() const {
    for (const auto& item : object_.items()) {
      if (used_.count(item.key()) == 0) {
        warnings_.push_back("ignored unknown key " + Name(item.key()));
      }
    }
  }

  const json* Find(const std::string& key) {
    used_.insert(key);
    const auto it = object_.find(key);
    return it == object_.end() ? nullptr : &*it;
  }

  bool Bool(const std::string& key, bool fallback) {
    const json* v = Find(key);
    if (v == nullptr) return fallback;
    if (!v->is_boolean()) Fail(Name(key), "expected true or false");
    return v->get<bool>();
  }

  int64_t Int(const std::string& key, int64_t fallback, int64_t lo, int64_t hi) {
    const json* v = Find(key);
    if (v == nullptr) return fallback;
    return IntValue(*v, Name(key), lo, hi);
  }

  std::string String(const std::string& key, const std::string& fallback) {
    const json* v = Find(key);
    if (v == nullptr) return fallback;
    if (!v->is_string()) Fail(Name(key), "expected a string");
    return v->get<std::string>();
  }

  std::string Name(const std::string& key) const { return path_.empty() ? key : path_ + "." + key; }

  [[noreturn]] static void Fail(const std::string& where, const std::string& what) {
    throw LoadFailure{where + ": " + what};
  }

  static int64_t IntValue(const json& v, const std::string& where, int64_t lo, int64_t hi) {
    if (v.is_number_unsigned()) {
      const uint64_t u = v.get<uint64_t>();
      // JSON reads every non-negative number as unsigned, so the lower bound matters here too.
      if (u > static_cast<uint64_t>(hi) || static_cast<int64_t>(u) < lo) {
        Fail(where, "out of range " + std::to_string(lo) + ".." + std::to_string(hi));
      }
      return static_cast<int64_t>(u);
    }
    if (!v.is_number_integer()) Fail(where, "expected an integer");
    const int64_t i = v.get<int64_t>();
    if (i < lo || i > hi) {
      Fail(where, "out of range " + std::to_string(lo) + ".." + std::to_string(hi));
    }
    return i;
  }

 private:
  const json& object_;
  std::string path_;
  std::vector<std::string>& warnings_;
  std::set<std::string> used_;
};

Mac ReadMac(const std::string& text, const std::string& where) {
  const auto bytes = ParseMac(text);
  if (!bytes) ObjectReader::Fail(where, "expected a MAC address like 02:1a:2b:3c:4d:5e");
  Mac mac{};
  std::copy(bytes->begin(), bytes->end(), mac.begin());
  return mac;
}

Cipher ReadCipher(const json& v, const std::string& where) {
  if (v.is_string() && v.get<std::string>() == "tkip") return Cipher::kTkip;
  if (v.is_string() && v.get<std::string>() == "aes") return Cipher::kAes;
  ObjectReader::Fail(where, "expected \"tkip\" or \"aes\"");
}

// The kinds that send an RSN element.
std::optional<Security> RsnSecurityOf(const std::string& text) {
  if (text == "wpa2-psk") return Security::kWpa2Psk;
  if (text == "wpa2-eap") return Security::kWpa2Eap;
  if (text == "wpa2-wpa3") return Security::kWpa2Wpa3;
  if (text == "wpa3-sae") return Security::kWpa3Sae;
  if (text == "owe") return Security::kOwe;
  return std::nullopt;
}

bool IsRsn(Security s) {
  return s == Security::kWpa2Psk || s == Security::kWpa2Eap || s == Security::kWpa2Wpa3 ||
         s == Security::kWpa3Sae || s == Security::kOwe;
}

Security ReadSecurity(const std::string& text, const std::string& where) {
  if (const auto rsn = RsnSecurityOf(text)) return *rsn;
  if (text == "open") return Security::kOpen;
  if (text == "wep") return Security::kWep;
  if (text == "wpa-psk") return Security::kWpaPsk;
  if (text == "wpa-eap") return Security::kWpaEap;
  if (text == "wpa-none") return Security::kWpaNone;
  ObjectReader::Fail(where,
                     "expected one of open, wep, wpa-psk, wpa-eap, wpa-none, wpa2-psk, wpa2-eap, "
                     "wpa2-wpa3, wpa3-sae, owe");
}

void ReadWepKeys(ObjectReader& r, Network& n) {
  const json* keys = r.Find("wep_keys");
  if (keys == nullptr) return;
  const std::string where = r.Name("wep_keys");
  if (!keys->is_array() || keys->size() > n.wepKeys.size()) {
    ObjectReader::Fail(where, "expected an array of up to 4 hex strings");
  }
  for (std::size_t i = 0; i < keys->size(); ++i) {
    const json& k = (*keys)[i];
    const std::string keyWhere = where + "[" + std::to_string(i) + "]";
    if (!k.is_string()) ObjectReader::Fail(keyWhere, "expected a hex string");
    const auto bytes = FromHex(k.get<std::string>());
    if (!bytes || (!bytes->empty() && bytes->size() != 5 && bytes->size() != 13)) {
      ObjectReader::Fail(keyWhere, "expected \"\", 10 or 26 hex digits");
    }
    n.wepKeys[i] = *bytes;
  }
}

void ReadWpa(ObjectReader& r, Network& n) {
  // RSN networks use AES unless the scenario says otherwise.
  if (IsRsn(n.security)) n.groupCipher = Cipher::kAes;
  if (const json* g = r.Find("group_cipher")) {
    n.groupCipher = ReadCipher(*g, r.Name("group_cipher"));
  }
  n.pairwise = {n.groupCipher};
  if (const json* p = r.Find("pairwise")) {
    if (!p->is_array() || p->empty() || p->size() > 2) {
      ObjectReader::Fail(r.Name("pairwise"), "expected an array of one or two ciphers");
    }
    n.pairwise.clear();
    for (std::size_t i = 0; i < p->size(); ++i) {
      n.pairwise.push_back(ReadCipher((*p)[i], r.Name("pairwise") + "[" + std::to_string(i) + "]"));
    }
  }
  n.passphrase = r.String("passphrase", "");
  const std::string pskText = r.String("psk", "");
  if (!pskText.empty()) {
    const auto bytes = FromHex(pskText);
    if (!bytes || bytes->size() != 32) ObjectReader::Fail(r.Name("psk"), "expected 64 hex digits");
    Psk psk{};
    std::copy(bytes->begin(), bytes->end(), psk.begin());
    n.psk = psk;
  }
  const bool needsKey = n.security == Security::kWpaPsk || n.security == Security::kWpaNone ||
                        n.security == Security::kWpa2Psk || n.security == Security::kWpa2Wpa3;
  if (needsKey && !n.psk && (n.passphrase.size() < 8 || n.passphrase.size() > 63)) {
    ObjectReader::Fail(r.Name("passphrase"), "expected 8 to 63 characters (or give \"psk\")");
  }
}

Network ReadNetwork(const json& v, const std::string& path, std::vector<std::string>& warnings) {
  ObjectReader r(v, path, warnings);
  Network n;
  // driverkit::Bytes a JSON string cannot carry (a name that is not UTF-8) come as hex digits.
  const bool named = r.Find("ssid") != nullptr;
  const bool inHex = r.Find("ssid_hex") != nullptr;
  if (!named && !inHex) ObjectReader::Fail(r.Name("ssid"), "missing");
  if (named && inHex) ObjectReader::Fail(r.Name("ssid_hex"), "give ssid or ssid_hex, not both");
  if (named) {
    n.ssid = r.String("ssid", "");
  } else {
    const auto bytes = FromHex(r.String("ssid_hex", ""));
    if (!bytes) ObjectReader::Fail(r.Name("ssid_hex"), "expected an even number of hex digits");
    n.ssid.assign(bytes->begin(), bytes->end());
  }
  if (n.ssid.size() > 32) ObjectReader::Fail(r.Name("ssid"), "longer than 32 bytes");
  if (r.Find("bssid") == nullptr) ObjectReader::Fail(r.Name("bssid"), "missing");
  n.bssid = ReadMac(r.String("bssid", ""), r.Name("bssid"));
  n.channel = static_cast<uint32_t>(r.Int("channel", 6, 1, 200));
  if (!driverkit::IsKnownChannel(n.channel)) {
    ObjectReader::Fail(r.Name("channel"), "not a channel of the card");
  }
  n.rssi = static_cast<int32_t>(r.Int("rssi", -60, -120, 0));
  const std::string mode = r.String("mode", "infrastructure");
  if (mode != "infrastructure" && mode != "adhoc") {
    ObjectReader::Fail(r.Name("mode"), "expected \"infrastructure\" or \"adhoc\"");
  }
  n.adhoc = mode == "adhoc";
  n.hidden = r.Bool("hidden", false);
  n.security = ReadSecurity(r.String("security", "open"), r.Name("security"));
  if (n.security == Security::kWpaNone && !n.adhoc) {
    ObjectReader::Fail(r.Name("security"), "wpa-none is for adhoc networks only");
  }
  ReadWpa(r, n);
  const std::string auth = r.String("wep_auth", "open");
  if (auth != "open" && auth != "shared") {
    ObjectReader::Fail(r.Name("wep_auth"), "expected \"open\" or \"shared\"");
  }
  n.wepShared = auth == "shared";
  ReadWepKeys(r, n);
  n.wepTxKey = static_cast<uint32_t>(r.Int("wep_tx_key", 0, 0, 3));
  if (n.security == Security::kWep && n.wepKeys[n.wepTxKey].empty()) {
    ObjectReader::Fail(r.Name("wep_keys"), "the wep_tx_key slot holds no key");
  }
  r.WarnUnknown();
  return n;
}

void ReadCard(ObjectReader& top, Card& card, std::vector<std::string>& warnings) {
  const json* v = top.Find("card");
  if (v == nullptr) return;
  ObjectReader r(*v, "card", warnings);
  if (r.Find("mac") != nullptr) card.mac = ReadMac(r.String("mac", ""), "card.mac");
  if (const json* e = r.Find("eeprom_version")) {
    if (!e->is_array() || e->size() != 2) {
      ObjectReader::Fail("card.eeprom_version", "expected [major, minor]");
    }
    card.eepromMajor =
        static_cast<uint8_t>(ObjectReader::IntValue((*e)[0], "card.eeprom_version[0]", 0, 255));
    card.eepromMinor =
        static_cast<uint8_t>(ObjectReader::IntValue((*e)[1], "card.eeprom_version[1]", 0, 255));
  }
  card.eepromError = r.Bool("eeprom_error", card.eepromError);
  card.supports5GHz = r.Bool("supports_5ghz", card.supports5GHz);
  card.hwRadio = r.Bool("hw_radio", card.hwRadio);
  card.driverVersion = r.String("driver_version", card.driverVersion);
  card.driverDate = r.String("driver_date", card.driverDate);
  if (!driverkit::ParseDate(card.driverDate)) {
    ObjectReader::Fail("card.driver_date", "expected a date like \"2005-03-14\"");
  }
  const auto optional = [&r](const std::string& key, int64_t lo, int64_t hi) {
    std::optional<uint32_t> out;
    if (r.Find(key) != nullptr) out = static_cast<uint32_t>(r.Int(key, 0, lo, hi));
    return out;
  };
  card.fixedTxRate = optional("fixed_tx_rate", 1, 127);
  card.hwRadioOffAt = optional("hw_radio_off_at", 0, UINT32_MAX);
  card.hwRadioOnAt = optional("hw_radio_on_at", 0, UINT32_MAX);
  r.WarnUnknown();
}

void ReadCounters(ObjectReader& top, CounterSeeds& seeds, std::vector<std::string>& warnings) {
  if (const json* v = top.Find("counters")) {
    ObjectReader r(*v, "counters", warnings);
    static constexpr const char* kStatistics[] = {"transmitted_fragments",
                                                  "multicast_transmitted",
                                                  "failed",
                                                  "retries",
                                                  "multiple_retries",
                                                  "rts_success",
                                                  "rts_failure",
                                                  "ack_failure",
                                                  "frame_duplicates",
                                                  "received_fragments",
                                                  "multicast_received",
                                                  "fcs_errors"};
    static_assert(std::size(kStatistics) == std::tuple_size_v<decltype(seeds.statistics)>);
    for (std::size_t i = 0; i < seeds.statistics.size(); ++i) {
      seeds.statistics[i] = static_cast<uint64_t>(r.Int(kStatistics[i], 0, 0, INT64_MAX));
    }
    seeds.receivedOk = static_cast<uint32_t>(r.Int("rcv_ok", 0, 0, UINT32_MAX));
    seeds.receivedNoBuffer = static_cast<uint32_t>(r.Int("rcv_no_buffer", 0, 0, UINT32_MAX));
    r.WarnUnknown();
  }
  if (const json* v = top.Find("link")) {
    ObjectReader r(*v, "link", warnings);
    seeds.txBytes = static_cast<uint32_t>(r.Int("tx_bytes_start", 0, 0, UINT32_MAX));
    seeds.rxBytes = static_cast<uint32_t>(r.Int("rx_bytes_start", 0, 0, UINT32_MAX));
    r.WarnUnknown();
  }
}

MalformedScan ReadMalformed(const std::string& text) {
  if (text.empty()) return MalformedScan::kNone;
  if (text == "zero_length") return MalformedScan::kZeroLength;
  if (text == "short_entry") return MalformedScan::kShortEntry;
  if (text == "overlong_entry") return MalformedScan::kOverlongEntry;
  if (text == "count_too_large") return MalformedScan::kCountTooLarge;
  ObjectReader::Fail("faults.malformed_scan",
                     "expected zero_length, short_entry, overlong_entry or count_too_large");
}

uint32_t ReadSelectorText(const json& v, const std::string& where) {
  if (!v.is_string()) ObjectReader::Fail(where, "expected a selector like \"0x0d010217\"");
  const auto sel = ParseSelector(v.get<std::string>());
  if (!sel) ObjectReader::Fail(where, "expected a selector like \"0x0d010217\"");
  return *sel;
}

void ReadFaults(ObjectReader& top, Faults& faults, std::vector<std::string>& warnings) {
  const json* v = top.Find("faults");
  if (v == nullptr) return;
  ObjectReader r(*v, "faults", warnings);
  if (const json* rej = r.Find("reject_oids")) {
    if (!rej->is_array()) ObjectReader::Fail("faults.reject_oids", "expected an array");
    for (std::size_t i = 0; i < rej->size(); ++i) {
      faults.rejectSelectors.push_back(
          ReadSelectorText((*rej)[i], "faults.reject_oids[" + std::to_string(i) + "]"));
    }
  }
  if (const json* d = r.Find("delay_ms")) {
    if (!d->is_object()) ObjectReader::Fail("faults.delay_ms", "expected an object");
    for (const auto& item : d->items()) {
      const std::string where = "faults.delay_ms." + item.key();
      const auto sel = ParseSelector(item.key());
      if (!sel) ObjectReader::Fail(where, "the key must be a selector like \"0x00010114\"");
      faults.delayMs[*sel] =
          static_cast<uint32_t>(ObjectReader::IntValue(item.value(), where, 0, 600000));
    }
  }
  faults.malformedScan = ReadMalformed(r.String("malformed_scan", ""));
  r.WarnUnknown();
}

void ReadNetworks(ObjectReader& top, Scenario& s, std::vector<std::string>& warnings) {
  if (const json* list = top.Find("networks")) {
    if (!list->is_array()) ObjectReader::Fail("networks", "expected an array");
    for (std::size_t i = 0; i < list->size(); ++i) {
      s.networks.push_back(
          ReadNetwork((*list)[i], "networks[" + std::to_string(i) + "]", warnings));
    }
  }
  if (const json* g = top.Find("generate")) {
    ObjectReader r(*g, "generate", warnings);
    const auto count = static_cast<uint32_t>(r.Int("count", 0, 0, kMaxGeneratedNetworks));
    const auto seed = static_cast<uint64_t>(r.Int("seed", 1, 0, INT64_MAX));
    r.WarnUnknown();
    AppendGeneratedNetworks(s.networks, count, seed);
  }
  std::set<Mac> seen;
  for (const Network& n : s.networks) {
    if (!seen.insert(n.bssid).second) {
      ObjectReader::Fail("networks", "BSSID " + ToHex(n.bssid) + " appears twice");
    }
  }
}

Scenario ReadScenario(const json& root, std::vector<std::string>& warnings) {
  ObjectReader top(root, "", warnings);
  Scenario s;
  s.seed = static_cast<uint64_t>(top.Int("seed", 1, 0, INT64_MAX));
  s.radio = top.Bool("radio", true);
  ReadCard(top, s.card, warnings);
  if (const json* scan = top.Find("scan")) {
    ObjectReader r(*scan, "scan", warnings);
    s.maxPartBytes = static_cast<uint32_t>(r.Int("max_part_bytes", kDefaultPartBytes, 4, 65536));
    r.WarnUnknown();
  }
  ReadNetworks(top, s, warnings);
  ReadCounters(top, s.counters, warnings);
  ReadFaults(top, s.faults, warnings);
  top.WarnUnknown();
  return s;
}

}  // namespace

ScenarioLoad LoadScenarioText(std::string_view jsonText) {
  ScenarioLoad result;
  try {
    const json root = json::parse(jsonText.begin(), jsonText.end(), nullptr, true, true);
    result.scenario = ReadScenario(root, result.warnings);
  } catch (const LoadFailure& e) {
    result.error = e.message;
  } catch (const json::exception& e) {
    result.error = std::string("not valid JSON: ") + e.what();
  }
  return result;
}

ScenarioLoad LoadScenarioFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    ScenarioLoad result;
    result.error = path + ": cannot be read";
    return result;
  }
  std::ostringstream text;
  text << in.rdbuf();
  ScenarioLoad result = LoadScenarioText(text.str());
  if (!result.error.empty()) result.error = path + ": " + result.error;
  return result;
}

Scenario DefaultScenario() {
  ScenarioLoad load = LoadScenarioText(DefaultScenarioText());
  return load.scenario ? *load.scenario : Scenario{};
}

}  // namespace netvane::sim
