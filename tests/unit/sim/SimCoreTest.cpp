// The simulator without its socket: the card's facts, settings and traffic, the scan list, request
// frames, the faults a scenario injects, trace lines, and the scenario files themselves.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <stdexcept>
#include <vector>

#include "Options.h"
#include "core/Adapter.h"
#include "core/Channels.h"
#include "core/Frame.h"
#include "core/Hex.h"
#include "core/Psk.h"
#include "core/ScenarioLoader.h"
#include "core/Service.h"
#include "driver/Oids.h"
#include "driver/Records.h"
#include "platform/userclient/Protocol.h"

namespace netvane::sim {
namespace {

namespace uc = userclient;
using uc::kStatusBadArgs;

const auto Word = [](uint32_t v) { return ToBytes(v); };

Scenario MustLoad(const std::string& json) {
  ScenarioLoad load = LoadScenarioText(json);
  if (!load.scenario) throw std::runtime_error(load.error);
  return *load.scenario;
}

const auto Query = [](Adapter& a, uint32_t oid, uint32_t n) { return a.Handle(oid, Bytes(n), n); };
const auto Set = [](Adapter& a, uint32_t oid, Bytes in) { return a.Handle(SetForm(oid), in, 0); };

// Packed records: callers compare copies of their fields.
const auto Link = [](Adapter& a) {
  return FromBytes<CV_802_11_LINK_STATUS>(Query(a, OID_CV_802_11_QUERY_LINK_STATUS, 16).out);
};
const auto Stats = [](Adapter& a) {
  return FromBytes<NDIS_802_11_STATISTICS>(Query(a, OID_802_11_STATISTICS, 100).out);
};

TEST(CardTest, CardFactsComeFromTheScenario) {
  Adapter a(MustLoad(R"({"card": {"mac": "02:00:00:00:00:07", "eeprom_version": [3, 14],
      "eeprom_error": true, "hw_radio": false, "supports_5ghz": false}})"));
  EXPECT_EQ(Query(a, OID_802_3_CURRENT_ADDRESS, 6).out, (Bytes{2, 0, 0, 0, 0, 7}));
  EXPECT_EQ(Query(a, OID_CV_802_11_EEPROM_VERSION, 4).out, (Bytes{0, 0, 3, 14}));
  EXPECT_EQ(Query(a, OID_802_11_NETWORK_TYPES_SUPPORTED, 20).out,
            (Bytes{2, 0, 0, 0, 1, 0, 0, 0, 3, 0, 0, 0}));  // DS and OFDM24, no OFDM5
  // The station configuration keeps what was set but the card's radio switch and error bits.
  Bytes sta(32, 0xAB);
  EXPECT_EQ(Set(a, OID_CV_802_11_STA_CONFIG, sta).status, 0U);
  WriteU32(sta, 20, 0);                   // HwRadioStatus
  WriteU32(sta, 28, kSystemErrorEeprom);  // SystemErrorBitmap
  EXPECT_EQ(Query(a, OID_CV_802_11_STA_CONFIG, 32).out, sta);
}

// Each setting keeps a good value (no default, no two alike) and refuses a bad one whole.
TEST(CardTest, SettingsAreStoredOrRefusedWhole) {
  Adapter a(DefaultScenario());
  const struct {
    uint32_t oid;
    Bytes good, bad;
  } settings[] = {
      {OID_CV_802_11_PHY_MODE, Word(PHY_11ABG_MIXED), Word(PHY_11ABG_MIXED + 1)},
      {OID_CV_802_11_PREAMBLE, Word(Cv802_11PreambleLong), Word(Cv802_11PreambleAuto + 1)},
      {OID_802_11_POWER_MODE, Word(Ndis802_11PowerModeFast_PSP), Word(Ndis802_11PowerModeMax)},
      {OID_CV_802_11_TX_POWER_LEVEL, Word(25), Word(101)},
      {OID_802_11_RTS_THRESHOLD, Word(500), Bytes{1, 0}},
      {OID_802_11_FRAGMENTATION_THRESHOLD, Word(800), Bytes{}},
      {OID_802_11_DESIRED_RATES, Bytes{22, 4, 0, 0, 0, 0, 0, 0}, Bytes(7, 0)},
      {OID_CV_802_11_RADIO, Bytes{0, 0, 1, 0}, Bytes{0, 0}},
  };
  for (const auto& s : settings) {
    EXPECT_EQ(Set(a, s.oid, s.good).status, 0U) << std::hex << s.oid;
    EXPECT_EQ(Set(a, s.oid, s.bad).status, kStatusBadArgs) << std::hex << s.oid;
    EXPECT_EQ(Query(a, s.oid, 8).out, s.good) << std::hex << s.oid;
  }
  EXPECT_EQ(Set(a, 0x0D7101FF, Word(0)).status, kStatusBadArgs);                    // unknown
  EXPECT_EQ(Set(a, OID_GEN_MEDIA_CONNECT_STATUS, Word(0)).status, kStatusBadArgs);  // query only
  EXPECT_EQ(Query(a, 0x0D7101FF, 64).status, kStatusBadArgs);
  const Reply small = Query(a, OID_CV_802_11_STA_CONFIG, 31);
  EXPECT_EQ(small.status, kStatusBadArgs);
  EXPECT_TRUE(small.out.empty());
  EXPECT_EQ(Query(a, OID_802_3_CURRENT_ADDRESS, 64).out.size(), 6U);  // just the record
}

TEST(TrafficTest, FlowsWhileAssociatedRepeatsForTheSameSeedAndResetsToZero) {
  const auto run = [](uint64_t seed) {
    Scenario s = DefaultScenario();
    s.seed = seed;
    Adapter a(std::move(s));
    Query(a, OID_GEN_RCV_OK, 4);
    EXPECT_EQ(ToBytes(Link(a)), Bytes(16, 0));                   // nothing moves while disconnected
    Set(a, OID_802_11_BSSID, Bytes{0x02, 0xc0, 0x7a, 0, 0, 1});  // CorvaneGuest, open, -48 dBm
    EXPECT_EQ(Query(a, OID_GEN_MEDIA_CONNECT_STATUS, 4).out, Word(NdisMediaStateConnected));
    const CV_802_11_LINK_STATUS link1 = Link(a), link2 = Link(a);
    EXPECT_EQ(uint32_t{link1.CurrTxRate}, 108U);  // 54 Mbit/s
    EXPECT_GT(uint32_t{link1.ChannelQuality}, 80U);
    EXPECT_GT(uint32_t{link2.TxByteCount}, uint32_t{link1.TxByteCount});
    EXPECT_NEAR(static_cast<int32_t>(ReadU32(Query(a, OID_802_11_RSSI, 4).out, 0)), -48, 3);
    const NDIS_802_11_STATISTICS counted = Stats(a);
    EXPECT_GT(uint64_t{counted.ReceivedFragmentCount}, 0U);
    EXPECT_GE(uint64_t{counted.TransmittedFragmentCount}, uint64_t{counted.RetryCount});

    // After a reset the counters stay at zero while only they are read.
    EXPECT_EQ(Set(a, OID_CV_802_11_RESET_COUNTERS, {}).status, 0U);
    Bytes zeroed(100, 0);
    zeroed[0] = 100;  // Length
    for (int i = 0; i < 2; ++i) {
      EXPECT_EQ(Query(a, OID_802_11_STATISTICS, 100).out, zeroed);
    }
    Query(a, OID_GEN_MEDIA_CONNECT_STATUS, 4);  // any other request lets traffic flow again
    EXPECT_GT(uint64_t{Stats(a).TransmittedFragmentCount}, 0U);
    return ToBytes(counted);
  };
  EXPECT_EQ(run(7), run(7));
  EXPECT_NE(run(7), run(8));
}

// The whole list, read part by part as the utility does; each part holds whole entries only.
std::vector<Bytes> ReadList(Adapter& a) {
  std::vector<Bytes> entries;
  Reply r = Query(a, OID_802_11_BSSID_LIST, 4096);
  for (int n = 0; r.status == 0 && !r.out.empty() && n < 1000; ++n) {
    std::size_t at = 4;
    for (uint32_t i = 0; i < ReadU32(r.out, 0) && at + ReadU32(r.out, at) <= r.out.size(); ++i) {
      const auto start = r.out.begin() + static_cast<long>(at);
      entries.emplace_back(start, start + ReadU32(r.out, at));
      at += entries.back().size();
    }
    EXPECT_EQ(at, r.out.size()) << "part " << n;
    r = Query(a, OID_CV_802_11_BSSID_LIST_NEXT, 4096);
  }
  EXPECT_EQ(r.status, 0U);
  return entries;
}

const auto LinkRate = [](Adapter& a) {
  return ReadU32(Query(a, OID_CV_802_11_QUERY_LINK_STATUS, 16).out, 0);
};
const auto Connected = [](Adapter& a) {
  return Query(a, OID_GEN_MEDIA_CONNECT_STATUS, 4).out == Word(NdisMediaStateConnected);
};
Bytes SsidRecord(const std::string& ssid) {
  Bytes record = Word(static_cast<uint32_t>(ssid.size()));
  record.insert(record.end(), ssid.begin(), ssid.end());
  record.resize(sizeof(NDIS_802_11_SSID), 0);
  return record;
}

// An open network on each band; Far is heard at about -75 dBm, where the signal allows 36 Mbit/s.
const std::string kTwoBands = R"({"networks": [
    {"ssid": "Far", "bssid": "02:00:00:00:00:01", "channel": 6, "rssi": -75},
    {"ssid": "Five", "bssid": "02:00:00:00:00:02", "channel": 36, "rssi": -50}])";

TEST(RateTest, DesiredRatesWirelessModeAndAFixedRateDecideTheReportedRate) {
  const struct {
    const char* what;
    std::optional<uint32_t> phyMode;
    std::optional<Bytes> desired;
    std::string card;  // extra card keys
    uint32_t rate;
  } cases[] = {
      {"signal alone", {}, {}, "", 72},
      {"1 Mbit/s, marked basic", {}, Bytes{0x82, 0, 0, 0, 0, 0, 0, 0}, "", 2},
      {"the highest the signal allows", {}, Bytes{108, 48, 12, 0, 0, 0, 0, 0}, "", 48},
      {"none allowed: the lowest", {}, Bytes{0, 108, 96, 0, 0, 0, 0, 0}, "", 96},
      {"802.11b never above 11 Mbit/s", PHY_11B, Bytes{108, 0, 0, 0, 0, 0, 0, 0}, "", 22},
      {"fixed", {}, Bytes{108, 0, 0, 0, 0, 0, 0, 0}, R"("fixed_tx_rate": 4)", 4},
  };
  for (const auto& c : cases) {
    Adapter a(MustLoad(kTwoBands + R"(, "card": {)" + c.card + "}}"));
    if (c.phyMode) Set(a, OID_CV_802_11_PHY_MODE, Word(*c.phyMode));
    if (c.desired) Set(a, OID_802_11_DESIRED_RATES, *c.desired);
    Set(a, OID_802_11_SSID, SsidRecord("Far"));
    EXPECT_EQ(LinkRate(a), c.rate) << c.what;
    if (c.desired) {
      EXPECT_EQ(Query(a, OID_802_11_DESIRED_RATES, 8).out, *c.desired) << c.what;
    }
  }
}

TEST(AdhocTest, AnUnheardNameInAdhocModeStartsANetworkOfOurOwn) {
  const auto start = [](const std::string& ssid, std::optional<uint32_t> channel) {
    auto a = std::make_unique<Adapter>(DefaultScenario());
    Set(*a, OID_802_11_INFRASTRUCTURE_MODE, Word(Ndis802_11IBSS));
    if (channel) {
      NDIS_802_11_CONFIGURATION c{sizeof c, 100, 0, ChannelFrequencyKHz(*channel), {}};
      Set(*a, OID_802_11_CONFIGURATION, ToBytes(c));
    }
    Set(*a, OID_802_11_SSID, SsidRecord(ssid));
    return a;
  };
  const auto bssid = [](Adapter& a) { return Query(a, OID_802_11_BSSID, 6).out; };
  const auto frequency = [](Adapter& a) {
    return ReadU32(Query(a, OID_802_11_CONFIGURATION, 32).out, 12);  // DSConfig
  };
  const auto picnic = start("Picnic", 11);
  EXPECT_TRUE(Connected(*picnic));
  EXPECT_EQ(bssid(*picnic)[0], 0x02);  // locally administered, unicast
  EXPECT_NE(bssid(*picnic), bssid(*start("Picnic2", 11)));
  EXPECT_EQ(Query(*picnic, OID_802_11_SSID, 36).out, SsidRecord("Picnic"));
  EXPECT_EQ(frequency(*picnic), ChannelFrequencyKHz(11));
  EXPECT_GT(LinkRate(*picnic), 0U);
  const auto unconfigured = start("Picnic", {});
  EXPECT_EQ(bssid(*unconfigured), bssid(*picnic));  // one name, one BSSID
  EXPECT_EQ(frequency(*unconfigured), ChannelFrequencyKHz(1));
  // A heard network is joined or not, never replaced by one of ours (CorvaneMesh wants a key);
  // nor is one started in infrastructure mode.
  EXPECT_FALSE(Connected(*start("CorvaneMesh", 11)));
  Adapter infra(DefaultScenario());
  Set(infra, OID_802_11_SSID, SsidRecord("Picnic"));
  EXPECT_FALSE(Connected(infra));
}

// A key record as the utility sends it: length, the transmit flag and slot, the key's length,
// then the key from offset 28 and 11 zero bytes.
Bytes KeyRecord(std::span<const uint8_t> key, uint32_t slot) {
  Bytes record(KeyRecordLength(key.size()), 0);
  WriteU32(record, 0, static_cast<uint32_t>(record.size()));
  WriteU32(record, 4, kKeyIndexTransmit | slot);
  WriteU32(record, 8, static_cast<uint32_t>(key.size()));
  std::copy(key.begin(), key.end(), record.begin() + kKeyHeaderLength);
  return record;
}

// The mode, the authentication, the cipher and the key must all fit the network; 802.1X never
// does. The utility's own key derivation is checked against this one end to end.
TEST(AssociationTest, OnlyTheRightSettingsAndKeysAssociate) {
  const struct {
    const char* what;
    std::string ssid;
    uint32_t mode, auth, cipher;  // mode 0 ad hoc; auth 1 shared, 4 WPA-PSK, 5 WPA-None
    std::string key;              // a pass phrase (WPA), or a WEP key in hex for slot `wepSlot`
    uint32_t wepSlot;
    bool connects;
  } cases[] = {
      {"open", "CorvaneGuest", 1, 0, 1, "", 0, true},
      {"open with WEP on", "CorvaneGuest", 1, 0, 0, "a1b2c3d4e5", 0, false},
      {"WEP open, wrong key", "CorvaneLegacy", 1, 0, 0, "a1b2c3d4e6", 0, false},
      {"WEP shared as open", "CorvaneLab", 1, 0, 0, "0123456789abcdef0123456789", 1, false},
      {"PSK TKIP", "CorvaneHome", 1, 4, 4, "home sweet corvane", 0, true},
      {"PSK TKIP, wrong pass phrase", "CorvaneHome", 1, 4, 4, "home sweet home", 0, false},
      {"PSK AES as TKIP", "CorvaneOffice", 1, 4, 4, "office hours 9 to 5", 0, false},
      {"WPA-None, wrong pass phrase", "CorvaneMesh", 0, 5, 4, "mesh together later", 0, false},
      {"WPA-None as infrastructure", "CorvaneMesh", 1, 5, 4, "mesh together now", 0, false},
      {"802.1X, never", "CorvaneCorp", 1, 4, 4, "anything at all", 0, false},
  };
  for (const auto& c : cases) {
    Adapter a(DefaultScenario());
    Set(a, OID_802_11_INFRASTRUCTURE_MODE, Word(c.mode));
    Set(a, OID_802_11_AUTHENTICATION_MODE, Word(c.auth));
    Set(a, OID_802_11_WEP_STATUS, Word(c.cipher));
    if (c.auth >= Ndis802_11AuthModeWPAPSK) {
      Set(a, OID_CV_802_11_ADD_WPA, KeyRecord(DerivePsk(c.key, c.ssid), 0));
    } else if (!c.key.empty()) {
      Set(a, OID_802_11_ADD_KEY, KeyRecord(*FromHex(c.key), c.wepSlot));
    }
    Set(a, OID_802_11_SSID, SsidRecord(c.ssid));
    EXPECT_EQ(Connected(a), c.connects) << c.what;
    if (!c.connects) continue;
    Set(a, OID_CV_802_11_RADIO, Word(0));
    EXPECT_FALSE(Connected(a)) << c.what << ": switching the radio off drops the association";
  }
}

TEST(TrafficTest, SeededCountersStartBeyond32BitsTheByteCountersWrapAndAResetZeroes) {
  Adapter a(MustLoad(R"({"networks": [{"ssid": "A", "bssid": "02:00:00:00:00:01"}],
      "counters": {"transmitted_fragments": 5000000000, "retries": 6000000000, "rcv_ok": 70},
      "link": {"tx_bytes_start": 4294967040, "rx_bytes_start": 4294967295}})"));
  EXPECT_EQ(uint64_t{Stats(a).TransmittedFragmentCount}, 5000000000U);
  EXPECT_EQ(uint32_t{Link(a).TxByteCount}, 4294967040U);
  Set(a, OID_802_11_SSID, SsidRecord("A"));
  EXPECT_LT(uint32_t{Link(a).RxByteCount}, 100000U);  // wrapped with the first frames
  uint32_t tx = 0;
  for (int i = 0; i < 20 && (tx = Link(a).TxByteCount) >= 4294967040U; ++i) {
  }
  EXPECT_LT(tx, 100000U);
  EXPECT_GT(uint64_t{Stats(a).TransmittedFragmentCount}, 5000000000U);  // still counting
  Set(a, OID_CV_802_11_RESET_COUNTERS, {});
  EXPECT_EQ(uint64_t{Stats(a).RetryCount}, 0U);
  EXPECT_EQ(Query(a, OID_GEN_RCV_OK, 4).out, Word(0));
}

TEST(HwRadioTest, TheSwitchMovesAtItsTimesOnTheInjectedClock) {
  double now = 0;
  Adapter a(MustLoad(R"({"networks": [{"ssid": "A", "bssid": "02:00:00:00:00:01"}],
                         "card": {"hw_radio_off_at": 10, "hw_radio_on_at": 20}})"),
            [&now] { return now; });
  const auto hwRadio = [&a] { return ReadU32(Query(a, OID_CV_802_11_STA_CONFIG, 32).out, 20); };
  Set(a, OID_802_11_SSID, SsidRecord("A"));
  EXPECT_TRUE(Connected(a));
  now = 10;
  EXPECT_EQ(hwRadio(), 0U);
  EXPECT_FALSE(Connected(a));
  EXPECT_EQ(Query(a, OID_802_11_BSSID_LIST, 4096).out, Word(0));  // heard nothing any more
  Set(a, OID_802_11_SSID, SsidRecord("A"));
  EXPECT_FALSE(Connected(a));
  now = 20;
  EXPECT_EQ(hwRadio(), 1U);
  Set(a, OID_802_11_BSSID_LIST_SCAN, {});
  EXPECT_EQ(ReadList(a).size(), 1U);
  Set(a, OID_802_11_SSID, SsidRecord("A"));
  EXPECT_TRUE(Connected(a));
}

TEST(ScanTest, PartsCarryEveryEntryHeardOnceAndANewListQueryStartsOver) {
  Adapter whole(DefaultScenario());
  const std::vector<Bytes> entries = ReadList(whole);
  EXPECT_EQ(entries.size(), 11U);
  Scenario s = DefaultScenario();
  s.maxPartBytes = 600;
  Adapter a(std::move(s));
  EXPECT_EQ(ReadList(a), entries);
  EXPECT_EQ(ReadList(a), entries);
  const Reply after = Query(a, OID_CV_802_11_BSSID_LIST_NEXT, 4096);
  EXPECT_EQ(after.status, 0U);
  EXPECT_TRUE(after.out.empty());
  EXPECT_EQ(Query(a, OID_802_11_BSSID_LIST, 100).status, kStatusBadArgs);

  // Nothing is heard with the radio off, nor on 5 GHz by a card without the band.
  s = DefaultScenario();
  s.radio = false;
  s.card.supports5GHz = false;
  Adapter b(std::move(s));
  EXPECT_EQ(Query(b, OID_802_11_BSSID_LIST, 4096).out, Word(0));
  Set(b, OID_CV_802_11_RADIO, Bytes{0, 0, 1, 0});  // any non-zero byte turns it on
  Set(b, OID_802_11_BSSID_LIST_SCAN, {});
  EXPECT_EQ(ReadList(b).size(), 9U);  // all but Corvane5G and CorvanePatio
}

// The elements after the timestamp, written out by hand from the beacon layout: interval,
// capabilities, SSID, rates, DS parameter set, extended rates, then the WPA element.
TEST(ScanTest, InformationElementsDescribeTheNetwork) {
  Adapter a(DefaultScenario());
  std::map<std::string, std::string> ies;
  for (const Bytes& e : ReadList(a)) {
    const uint32_t length = ReadU32(e, kBssidEntryFixedLength - 4);
    ies[ToHex(std::span(e).subspan(4, 6))] =
        ToHex(std::span(e).subspan(kBssidEntryFixedLength + 8, length - 8));
  }
  const std::string rates = "010882848b960c121824";  // 1, 2, 5.5, 11 basic; 6 to 18
  const std::string extended = "32043048606c";       // 24 to 54
  EXPECT_EQ(ies["02c07a000008"],                     // CorvanePeer: IBSS, open
            "64000200000b436f7276616e6550656572" + rates + "03010a" + extended);
  EXPECT_EQ(ies["02c07a000007"],  // CorvaneHidden: an empty SSID element
            "640011000000" + rates + "030104" + extended +
                "dd1a0050f20101000050f20202000050f2020050f20401000050f202");
  EXPECT_EQ(ies["02c07a00000a"],  // Corvane5G: 5 GHz rates only, AES group and pairwise, PSK
            "640011000009436f7276616e653547"
            "01088c129824b048606c"
            "030124"
            "dd160050f20101000050f20401000050f20401000050f202");
}

TEST(ScanTest, MalformedPartFaults) {
  const auto firstPart = [](const std::string& fault) {
    Adapter a(MustLoad(R"({"networks": [{"ssid": "A", "bssid": "02:00:00:00:00:01"}],
                           "faults": {"malformed_scan": ")" +
                       fault + R"("}})"));
    return Query(a, OID_802_11_BSSID_LIST, 4096).out;
  };
  EXPECT_EQ(ReadU32(firstPart("zero_length"), 4), 0U);
  EXPECT_LT(ReadU32(firstPart("short_entry"), 4), kBssidEntryFixedLength);
  const Bytes overlong = firstPart("overlong_entry");
  EXPECT_GT(ReadU32(overlong, 4) + 4, overlong.size());
  EXPECT_EQ(ReadU32(firstPart("count_too_large"), 0), 6U);
}

TEST(FrameTest, ARequestIsCompleteOnlyWithItsWholePayload) {
  const Bytes frame = EncodeRequest(uc::kKindStructure, 0x0D710111, Bytes(32, 7), 32);
  for (std::size_t n = 0; n < frame.size(); ++n) {
    EXPECT_EQ(ParseRequest(std::span(frame).first(n)).status, FrameStatus::kNeedMore) << n;
  }
  const FrameParse p = ParseRequest(frame);
  ASSERT_EQ(p.status, FrameStatus::kComplete);
  EXPECT_EQ(Bytes(p.request.in.begin(), p.request.in.end()), Bytes(32, 7));
}

TEST(ServiceTest, RejectedAndDelayedSelectorsFromTheScenario) {
  Adapter a(MustLoad(R"({"faults": {"reject_oids": ["0x0d010217", "0x0D81011B"],
                                    "delay_ms": {"0x00010114": 6000}}})"));
  Service service(a, nullptr);
  const auto call = [](uint32_t selector) { return Request{uc::kKindStructure, selector, 4, {}}; };
  // A query entry rejects both forms; a set entry the set only.
  EXPECT_EQ(service.Serve(call(OID_802_11_BSSID_LIST)).status, uc::kStatusError);
  EXPECT_EQ(service.Serve(call(SetForm(OID_802_11_BSSID_LIST))).status, uc::kStatusError);
  EXPECT_EQ(service.Serve(call(SetForm(OID_802_11_WEP_STATUS))).status, uc::kStatusError);
  EXPECT_EQ(service.Serve(call(OID_802_11_WEP_STATUS)).status, uc::kStatusSuccess);
  EXPECT_EQ(service.DelayMs(call(OID_GEN_MEDIA_CONNECT_STATUS)), 6000U);
  EXPECT_EQ(service.DelayMs(call(OID_802_11_RSSI)), 0U);
}

TEST(ScenarioTest, EveryShippedScenarioLoadsWithoutWarnings) {
  for (const auto& entry : std::filesystem::directory_iterator(NETVANE_SIM_SCENARIO_DIR)) {
    const ScenarioLoad load = LoadScenarioFile(entry.path().string());
    EXPECT_TRUE(load.scenario && load.warnings.empty()) << entry.path() << load.error;
  }
}

TEST(ScenarioTest, BadInputNamesTheKeyAndWhatWasExpected) {
  const std::string net = R"({"networks": [{"ssid": "A", "bssid": "02:00:00:00:00:01", )";
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"{", "not valid JSON"},
      {"[]", "expected an object"},
      {R"({"seed": "seven"})", "seed: expected an integer"},
      {R"({"card": {"hw_radio": 1}})", "card.hw_radio: expected true or false"},
      {R"({"scan": {"max_part_bytes": 70000}})", "scan.max_part_bytes: out of range"},
      {R"({"networks": [{"bssid": "02:00:00:00:00:01"}]})", "networks[0].ssid: missing"},
      {net + R"("ssid_hex": "41"}]})", "networks[0].ssid_hex: give ssid or ssid_hex, not both"},
      {net + R"("security": "wpa2"}]})", "networks[0].security"},
      {net + R"("security": "wpa-psk", "passphrase": "short"}]})", "networks[0].passphrase"},
      {net + R"("security": "wep", "wep_keys": ["", "0102030405"]}]})", "wep_tx_key slot"},
      {net + R"("security": "wpa-none", "passphrase": "long enough"}]})", "adhoc"},
      {R"({"networks": [{"ssid": "A", "bssid": "02:00:00:00:00:01"},
                        {"ssid": "B", "bssid": "02:00:00:00:00:01"}]})",
       "appears twice"},
      {R"({"networks": [{"ssid": "123456789012345678901234567890123", "bssid": "02:00:00:00:00:01"}]})",
       "longer than 32"},
      {R"({"faults": {"reject_oids": ["zero"]}})", "faults.reject_oids[0]"},
      {R"({"card": {"driver_date": "2005-02-29"}})", "card.driver_date"},
      {R"({"link": {"tx_bytes_start": 4294967296}})", "link.tx_bytes_start"},
  };
  for (const auto& [json, expected] : cases) {
    const ScenarioLoad load = LoadScenarioText(json);
    EXPECT_FALSE(load.scenario) << json;
    EXPECT_NE(load.error.find(expected), std::string::npos) << json << " -> " << load.error;
  }
  EXPECT_NE(LoadScenarioFile("/nonexistent/scenario.json").error.find("cannot be read"),
            std::string::npos);
}

TEST(ScenarioTest, UnknownKeysAreWarnedAboutAndLeftOutOnesTakeTheirDefaults) {
  const ScenarioLoad load = LoadScenarioText(
      R"({"colour": "blue", "networks": [{"ssid": "A", "bssid": "02:00:00:00:00:01", "sid": 1}]})");
  ASSERT_TRUE(load.scenario) << load.error;
  EXPECT_EQ(load.warnings, (std::vector<std::string>{"ignored unknown key networks[0].sid",
                                                     "ignored unknown key colour"}));
  EXPECT_EQ(load.scenario->maxPartBytes, 4096U);
  EXPECT_EQ(load.scenario->networks.at(0).security, Security::kOpen);
}

// Each refusal keeps the daemon from starting with a setting it cannot honour: key bytes with
// no trace to hold them, a socket name outside the registry folder, a timeout of nothing.
TEST(OptionsTest, RefusesWhatItCannotHonourAndTakesTheRest) {
  const auto parse = [](const std::vector<const char*>& args) {
    std::vector<const char*> argv = {"cv7000-sim"};
    for (const char* arg : args) argv.push_back(arg);
    return ParseOptions(static_cast<int>(argv.size()), argv.data());
  };
  for (const auto& bad : std::vector<std::vector<const char*>>{{"--trace-keys"},
                                                               {"--instance", "../x"},
                                                               {"--instance", ".."},
                                                               {"--connection-timeout-ms", "0"},
                                                               {"--ready-fd", "-1"},
                                                               {"--bogus"}}) {
    const ParsedOptions p = parse(bad);
    EXPECT_FALSE(p.options) << bad[0];
    EXPECT_EQ(p.exitCode, 2) << bad[0];
    EXPECT_EQ(p.text.find('\n'), p.text.size() - 1) << "one line: " << p.text;
  }
  const ParsedOptions ok =
      parse({"--instance", "1", "--trace", "t.jsonl", "--trace-keys", "--verbose"});
  ASSERT_TRUE(ok.options);
  EXPECT_EQ(ok.options->instance, "1");
  EXPECT_TRUE(ok.options->traceKeys && ok.options->verbose);
  EXPECT_EQ(parse({"--help"}).exitCode, 0);
}

}  // namespace
}  // namespace netvane::sim
