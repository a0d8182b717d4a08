// The profile store under fire, for scripts/stress-prefs. "churn SEED" changes the profiles
// without end through ProfileStore, as the window and netvane-cli do (add, activate, delete,
// the active profile included), to be killed at any point. "check" then proves what a kill may
// leave: both files read by our reader and by libplist, no damaged copy, an active record that
// names the stored row of the profile it copies; then it saves once and proves no temporary file
// is left. It prints "debris" when the kill had left one, and exits 1 with one line on a fault.
#include <sys/time.h>

#include <cctype>
#include <cstdint>
#include <filesystem>
#include <iostream>
#include <random>
#include <string>
#include <vector>

#include "platform/plist/PlistXml.h"
#include "platform/system/AtomicFile.h"
#include "profiles/ProfileStore.h"
#include "support/TempFolder.h"
#include "support/plist/ReferenceReader.h"

namespace netvane {
namespace {

std::vector<std::string> Names(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    names.push_back(entry.path().filename().string());
  return names;
}

bool IsTemporary(const std::string& name) {
  for (const std::string base : {prefs::UserDefaults::kDomainFile, ProfileStore::kProfileFile}) {
    if (name.starts_with(base + std::string(system::kTemporaryInfix))) return true;
  }
  return false;
}

int Fault(const std::string& what) {
  std::cerr << "prefs-writer: " << what << '\n';
  return 1;
}

// Saves until the timer ends the process after `lifeMicroseconds`: SIGALRM's default action
// ends it on the spot, as a kill would, wherever a save is, with no clean-up of its own.
int Churn(unsigned seed, long lifeMicroseconds) {
  const itimerval life{{0, 0}, {lifeMicroseconds / 1000000, lifeMicroseconds % 1000000}};
  setitimer(ITIMER_REAL, &life, nullptr);
  prefs::PrefsFolder folder;
  prefs::UserDefaults defaults(folder);
  ProfileStore store(defaults, folder);
  std::mt19937 random(seed);
  for (unsigned added = 0;;) {
    const StoredProfiles now = store.Load();
    if (!now.problem.empty()) return Fault(now.problem);
    const auto count = static_cast<int32_t>(now.records.size());
    const auto pick = static_cast<unsigned>(random() % 100);
    StoreResult result;
    if (count < 3 || pick < 15) {
      ProfileRecord record;
      const std::string name = "P" + std::to_string(seed) + "-" + std::to_string(++added);
      record.Set(profile_key::kProfileName, name);
      record.Set(profile_key::kSsid, "Net " + name);
      record.Set(profile_key::kWpaPsk, "pass phrase of " + name);
      result = store.AddProfile(std::move(record));
    } else {
      // Half the deletes take the active row: the change that must be one write.
      const int32_t active =
          now.active.empty() ? -1 : IntValue(now.active[0].Text(profile_key::kSelected));
      auto row = static_cast<int32_t>(random() % static_cast<unsigned>(count));
      if (pick >= 60 && pick < 80 && active >= 0 && active < count) row = active;
      const ProfileRecord& shown = now.records[static_cast<std::size_t>(row)];
      result = pick < 60 ? store.ActivateProfile(shown, row) : store.DeleteProfile(shown, row);
    }
    if (!result.Saved()) return Fault(result.reason);
  }
}

int Check() {
  prefs::PrefsFolder folder;
  bool debris = false;
  for (const std::string& name : Names(folder.Path())) {
    if (name.find(".damaged") != std::string::npos) return Fault("a damaged copy: " + name);
    debris = debris || IsTemporary(name);
  }
  for (const auto& [file, key] : {std::pair<std::string, std::string>{
                                      prefs::UserDefaults::kDomainFile, ProfileStore::kProfilesKey},
                                  {ProfileStore::kProfileFile, ""}}) {
    const std::string xml = testing::ReadText(folder.FileNamed(file));
    if (xml.empty()) continue;  // not written yet
    std::string reason;
    if (!plist::ParsePlistXml(xml, reason)) return Fault(file + " does not load: " + reason);
    if (!testing::LibplistRecords(xml, key)) return Fault("libplist does not read " + file);
  }
  prefs::UserDefaults defaults(folder);
  ProfileStore store(defaults, folder);
  const StoredProfiles now = store.Load();
  if (!now.problem.empty()) return Fault(now.problem);
  if (!now.active.empty()) {
    const ProfileRecord& active = now.active[0];
    const int32_t row = IntValue(active.Text(profile_key::kSelected));
    if (row < 0 || static_cast<std::size_t>(row) >= now.records.size()) {
      return Fault("the active record names row " + std::to_string(row) + " of " +
                   std::to_string(now.records.size()));
    }
    const ProfileRecord& named = now.records[static_cast<std::size_t>(row)];
    for (const char* key : {profile_key::kProfileName, profile_key::kWpaPsk}) {
      if (named.Text(key) != active.Text(key)) {
        return Fault("the active record copies " + active.Text(profile_key::kProfileName) +
                     " but names row " + std::to_string(row) + ", " +
                     named.Text(profile_key::kProfileName));
      }
    }
  }
  // The next save removes what the kill left.
  const StoreResult saved = store.StandDown();
  if (!saved.Saved()) return Fault(saved.reason);
  for (const std::string& name : Names(folder.Path())) {
    if (IsTemporary(name)) return Fault("left after the next save: " + name);
  }
  if (debris) std::cout << "debris\n";
  return 0;
}

}  // namespace
}  // namespace netvane

int main(int argc, char** argv) {
  const std::string command = argc > 1 ? argv[1] : "";
  if (command == "churn" && argc == 4) {
    return netvane::Churn(static_cast<unsigned>(std::stoul(argv[2])), std::stol(argv[3]));
  }
  if (command == "check" && argc == 2) return netvane::Check();
  std::cerr << "usage: netvane-prefs-writer churn SEED MICROSECONDS | check\n";
  return 2;
}
