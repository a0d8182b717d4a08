// Times saving and loading a list of 500 profiles through the profile store (records to XML,
// atomic writes with fsync of Profile.plist and of the defaults; a first load of the defaults
// and its records), beside a bare write + fsync + rename of the same bytes, then prints the
// ratios.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "MedianReporter.h"
#include "profiles/ProfileStore.h"
#include "support/TempFolder.h"

namespace {

constexpr int kProfiles = 500;

netvane::ProfileRecordList Profiles() {
  netvane::ProfileRecordList records;
  for (int i = 0; i < kProfiles; ++i) {
    netvane::ProfileRecord r;
    const std::string n = std::to_string(i);
    for (const char* key : netvane::kProfileKeys) r.Set(key, "0");
    r.Set("Profile Name", "PROF" + n);
    r.Set("SSID", "Network-" + n);
    r.Set("BSSID", "02C07A00" + std::string(4 - std::min<std::size_t>(4, n.size()), '0') + n);
    r.Set("Channel", "6");
    r.Set("RTS Threshold", "2347");
    r.Set("Fragmentation Threshold", "2346");
    r.Set("WEPKey1", std::string("\xa1\xb2\x00\xd4\xe5", 5));
    r.Set("WPAPSK", "a pass phrase of some length");
    netvane::MarkKeyMaterial(r);
    records.push_back(r);
  }
  return records;
}

std::string ReadFile(const std::string& path) {
  std::ostringstream text;
  text << std::ifstream(path, std::ios::binary).rdbuf();
  return text.str();
}

void BareWrite(const std::string& path, const std::string& bytes) {
  const std::string temp = path + ".bare";
  const int fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
  if (fd < 0 || write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size()) ||
      fsync(fd) != 0 || close(fd) != 0 || rename(temp.c_str(), path.c_str()) != 0) {
    std::abort();
  }
}

struct Fixture {
  netvane::testing::TempFolder temp;
  netvane::prefs::PrefsFolder folder{temp.File("netvane")};
  netvane::ProfileRecordList records = Profiles();
};

double g_fileBytes = 0;

void BM_SaveProfiles(benchmark::State& state) {
  Fixture f;
  netvane::prefs::UserDefaults defaults(f.folder);
  netvane::ProfileStore store(defaults, f.folder);
  for (auto _ : state) {
    // The page hands its own list over (it reads the list again afterwards).
    state.PauseTiming();
    netvane::ProfileRecordList list = f.records;
    state.ResumeTiming();
    store.SaveProfileRecords(std::move(list));
  }
}

// The two files the store writes, with the same bytes, the plain way.
void BM_BareWrite(benchmark::State& state) {
  Fixture f;
  {
    netvane::prefs::UserDefaults defaults(f.folder);
    netvane::ProfileStore(defaults, f.folder).SaveProfileRecords(f.records);
  }
  const std::string list = f.folder.FileNamed(netvane::ProfileStore::kProfileFile);
  const std::string domain = f.folder.FileNamed(netvane::prefs::UserDefaults::kDomainFile);
  const std::string listBytes = ReadFile(list);
  const std::string domainBytes = ReadFile(domain);
  g_fileBytes = static_cast<double>(listBytes.size() + domainBytes.size());
  for (auto _ : state) {
    BareWrite(list, listBytes);
    BareWrite(domain, domainBytes);
  }
}

// A first load, as at start-up: the defaults file read and parsed, its list made records.
void BM_LoadProfiles(benchmark::State& state) {
  Fixture f;
  {
    netvane::prefs::UserDefaults defaults(f.folder);
    netvane::ProfileStore(defaults, f.folder).SaveProfileRecords(f.records);
  }
  for (auto _ : state) {
    netvane::prefs::UserDefaults defaults(f.folder);
    netvane::ProfileStore store(defaults, f.folder);
    const auto loaded = store.LoadProfileRecords();
    if (loaded.size() != kProfiles) std::abort();
  }
}

BENCHMARK(BM_SaveProfiles)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(9);
BENCHMARK(BM_BareWrite)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(9);
BENCHMARK(BM_LoadProfiles)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(9);

}  // namespace

int main(int argc, char** argv) {
  netvane::bench::MedianReporter reporter(netvane::bench::MedianReporter::Clock::kReal);
  if (!netvane::bench::RunInterleaved(argc, argv, reporter)) return 1;
  const double save = reporter.Median("BM_SaveProfiles");
  const double bare = reporter.Median("BM_BareWrite");
  const double load = reporter.Median("BM_LoadProfiles");
  if (save > 0 && bare > 0) {
    std::printf(
        "\n%d profiles: save %.2f ms, bare write+fsync+rename of the same %.0f bytes %.2f ms, "
        "ratio %.2f (target <= 1.5); load %.2f ms (target < 5)\n",
        kProfiles, save, g_fileBytes, bare, save / bare, load);
  }
  return 0;
}
