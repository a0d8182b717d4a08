// The profile store on real files in a temporary folder, through libplist: where the list comes
// from, every byte value through both files, atomic writes and their modes, and damaged files.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "platform/prefs/StoredText.h"
#include "profiles/ProfileStore.h"
#include "support/TempFolder.h"
#include "support/plist/ReferenceReader.h"

namespace netvane {
namespace {

namespace fs = std::filesystem;

ProfileRecord Named(const std::string& name, const std::string& ssid = "Net") {
  ProfileRecord r;
  r.Set(profile_key::kProfileName, name);
  r.Set(profile_key::kSsid, ssid);
  return r;
}

// Text as XML writes it.
std::string Escaped(const std::string& text) {
  std::string out;
  for (const char c : text) {
    out += c == '<' ? "&lt;" : c == '>' ? "&gt;" : c == '&' ? "&amp;" : std::string(1, c);
  }
  return out;
}

std::string Plist(const std::string& body) {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\">" + body + "</plist>";
}

class ProfileStoreTest : public ::testing::Test {
 protected:
  // What one run of the program sees: its own defaults, loaded on first use.
  struct Run {
    explicit Run(const prefs::PrefsFolder& folder) : defaults(folder), store(defaults, folder) {}
    prefs::UserDefaults defaults;
    ProfileStore store;
  };

  std::string Path(const std::string& name) const { return folder.FileNamed(name); }
  std::string ProfileFile() const { return Path(ProfileStore::kProfileFile); }
  std::string DefaultsFile() const { return Path(prefs::UserDefaults::kDomainFile); }
  void Write(const std::string& path, const std::string& text) const {
    ASSERT_TRUE(folder.Ensure());
    std::ofstream(path, std::ios::binary) << text;
  }
  static std::string Read(const std::string& path) {
    std::ostringstream text;
    text << std::ifstream(path, std::ios::binary).rdbuf();
    return text.str();
  }
  static unsigned Mode(const std::string& path) {
    struct stat st {};
    EXPECT_EQ(stat(path.c_str(), &st), 0) << path;
    return st.st_mode & 07777;
  }

  testing::TempFolder temp;
  prefs::PrefsFolder folder{temp.File("config/netvane")};
};

TEST_F(ProfileStoreTest, WhereTheListComesFrom) {
  {
    Run first(folder);
    EXPECT_TRUE(first.store.LoadProfileRecords().empty());
    EXPECT_TRUE(first.store.LoadActiveProfile({}).empty());
  }
  // A file left by another installation, no defaults: the file; the next save copies it over.
  Write(ProfileFile(), Plist("<array><dict><key>Profile Name</key><string>Left</string></dict>"
                             "</array>"));
  {
    Run run(folder);
    ProfileRecordList records = run.store.LoadProfileRecords();
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records.at(0).Text(profile_key::kProfileName), "Left");
    records.push_back(Named("Mine"));
    run.store.SaveProfileRecords(records);
  }
  EXPECT_EQ(Run(folder).defaults.RecordsForKey(ProfileStore::kProfilesKey)->size(), 2u);
  // Both present and different: the defaults win.
  Write(ProfileFile(), Plist("<array/>"));
  EXPECT_EQ(Run(folder).store.LoadProfileRecords().size(), 2u);
  // After the last delete the defaults hold an empty list, and that counts as a list.
  Run(folder).store.SaveProfileRecords({});
  Write(ProfileFile(), Plist("<array><dict/></array>"));
  EXPECT_TRUE(Run(folder).store.LoadProfileRecords().empty());
}

TEST_F(ProfileStoreTest, ARunningProgramSeesWhatAnotherOneSaved) {
  Run window(folder);
  EXPECT_TRUE(window.store.LoadProfileRecords().empty());
  Run(folder).store.SaveProfileRecords({Named("From the command line")});
  EXPECT_EQ(window.store.LoadProfileRecords().size(), 1u);
  // Changes of its own not yet written are never thrown away for the file's.
  window.defaults.SetRecords(ProfileStore::kProfilesKey,
                             std::make_shared<const prefs::SharedRecords>(ProfileRecordList{}));
  Run(folder).store.SaveProfileRecords({Named("A"), Named("B")});
  EXPECT_TRUE(window.store.LoadProfileRecords().empty());
}

TEST_F(ProfileStoreTest, EveryByteValueReadsBackWholeThroughBothFilesAsValidXml) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  ProfileRecord record = Named("Café €", std::string("\xff\x00 lab", 6));
  record.Set("WEPKey1", all);
  record.Set("WEPKey2", "\xaa\x00\xbb\xcc\xdd");
  record.Set("WPAPSK", "plain pass phrase");
  MarkKeyMaterial(record);
  {
    Run run(folder);
    run.store.SaveProfileRecords({record});
    ProfileRecordList active;
    run.store.SaveActiveProfile(active, MakeActiveRecord(record, true, 0));
  }
  for (const std::string& path : {ProfileFile(), DefaultsFile()}) {
    const std::string xml = Read(path);
    for (const char c : xml) {
      ASSERT_TRUE(static_cast<unsigned char>(c) >= 0x20 || c == '\n' || c == '\t')
          << path << " holds a control byte XML cannot carry";
    }
    // Names stay readable; keys are one character per byte.
    EXPECT_NE(xml.find("<string>Café €</string>"), std::string::npos) << path;
    EXPECT_NE(xml.find(Escaped(prefs::StoredKeyText(all))), std::string::npos) << path;
  }
  // libplist, an independent reader, reads both files alike.
  EXPECT_EQ(testing::LibplistRecords(Read(ProfileFile())), ProfileRecordList{record});
  EXPECT_EQ(testing::LibplistRecords(Read(DefaultsFile()), "Profiles"), ProfileRecordList{record});
  ProfileRecord fromDefaults = Run(folder).store.LoadProfileRecords().at(0);
  EXPECT_EQ(fromDefaults, record);
  EXPECT_EQ(Run(folder).store.LoadActiveProfile({}).at(0).Text("WEPKey1"), all);
  fs::remove(DefaultsFile());
  EXPECT_EQ(Run(folder).store.LoadProfileRecords().at(0), record) << "through Profile.plist";
}

TEST_F(ProfileStoreTest, WritesAreAtomicPrivateAndLeaveTheOldFileWholeOnFailure) {
  const mode_t oldMask = umask(0);
  Write(ProfileFile(), Plist("<array/>"));
  chmod(ProfileFile().c_str(), 0644);
  Run run(folder);
  run.store.SaveProfileRecords({Named("One")});
  umask(oldMask);
  EXPECT_EQ(Mode(folder.Path()), 0700u);
  EXPECT_EQ(Mode(ProfileFile()), 0600u) << "an older loose file is tightened by the rewrite";
  EXPECT_EQ(Mode(DefaultsFile()), 0600u);

  // A file size limit makes the next write fail part way, as a full disk would.
  const std::string before = Read(ProfileFile());
  rlimit saved{};
  getrlimit(RLIMIT_FSIZE, &saved);
  const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = saved;
  small.rlim_cur = before.size() + 16;
  setrlimit(RLIMIT_FSIZE, &small);
  run.store.SaveProfileRecords(ProfileRecordList(50, Named("Many")));
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, oldHandler);
  EXPECT_EQ(Read(ProfileFile()), before);
  EXPECT_EQ(std::distance(fs::directory_iterator(folder.Path()), fs::directory_iterator()), 2)
      << "no temporary file is left behind";
}

TEST_F(ProfileStoreTest, DamagedFilesLoadAsDocumentedAndAreKeptAside) {
  std::string nested;
  for (int i = 0; i < 100000; ++i) nested += "<array>";
  struct Case {
    const char* what;
    std::string contents;
    std::size_t records;
    bool damaged;
  };
  const Case cases[] = {
      {"truncated", Plist("<array><dict><key>SSID</key><string>Cut").substr(0, 90), 0, true},
      {"a dictionary root", Plist("<dict/>"), 0, true},
      {"elements that are not dictionaries",
       Plist("<array><string>x</string><dict/><integer>3</integer><array/></array>"), 1, false},
      {"10 MB", std::string(10u << 20, '<'), 0, true},
      {"nested too deep", Plist(nested), 0, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    fs::remove_all(folder.Path());
    Write(ProfileFile(), c.contents);
    Run run(folder);
    EXPECT_EQ(run.store.LoadProfileRecords().size(), c.records);
    run.store.SaveProfileRecords({Named("New")});
    EXPECT_EQ(fs::exists(ProfileFile() + ".damaged"), c.damaged);
    if (c.damaged) {
      EXPECT_EQ(Read(ProfileFile() + ".damaged"), c.contents) << "nothing is lost";
    }
  }

  // Numbers and data where text belongs read as their text and their bytes.
  fs::remove_all(folder.Path());
  Write(ProfileFile(), Plist("<array><dict><key>Channel</key><integer>-6</integer><key>WEPKey1"
                             "</key><data>AAEC</data><key>BSSID</key><date>2026-01-01T00:00:00Z"
                             "</date></dict></array>"));
  const ProfileRecord read = Run(folder).store.LoadProfileRecords().at(0);
  EXPECT_EQ(read.Text("Channel"), "-6");
  EXPECT_EQ(read.Text("WEPKey1"), std::string("\0\1\2", 3));
  EXPECT_FALSE(read.Has("BSSID"));

  // An unreadable file (a folder in its place) and a defaults file of the wrong kind.
  fs::remove_all(folder.Path());
  ASSERT_TRUE(folder.Ensure());
  fs::create_directory(ProfileFile());
  Write(DefaultsFile(), Plist("<array/>"));
  Run run(folder);
  EXPECT_TRUE(run.store.LoadProfileRecords().empty());
  ProfileRecordList active;
  run.store.SaveActiveProfile(active, Named("A"));
  EXPECT_EQ(Read(DefaultsFile() + ".damaged"), Plist("<array/>"));
  EXPECT_EQ(Run(folder).store.LoadActiveProfile({}).size(), 1u);
}

TEST_F(ProfileStoreTest, ReadsWhatOtherPropertyListWritersWrite) {
  const std::string list =
      "\xEF\xBB\xBF<?xml version='1.0'?>\n<!DOCTYPE plist [ <!ENTITY x 'y'> ]>\n"
      "<!-- written by hand -->\n<plist version='1.0'>\n<array>\n"
      "  <dict><key>SSID</key><string><![CDATA[a<b&c]]> &#x263A;&#65;&amp;</string>"
      "<key>BSSID</key><string/><key  >Channel</key ><integer>0x0b</integer></dict>\n"
      "  <dict/>\n</array>\n</plist>\n";
  Write(ProfileFile(), list);
  const ProfileRecordList records = Run(folder).store.LoadProfileRecords();
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(records[0].Text("SSID"),
            "a<b&c \u263A"
            "A&");
  EXPECT_TRUE(records[0].Has("BSSID"));
  EXPECT_EQ(records[0].Text("Channel"), "11");
  EXPECT_EQ(testing::LibplistRecords(list.substr(3)), records) << "libplist reads it alike";
  for (const char* broken : {"<plist><array><dict><key>k</key></dict></array></plist>",
                             "<plist><array><string>&bogus;</string></array></plist>"}) {
    Write(ProfileFile(), broken);
    EXPECT_TRUE(Run(folder).store.LoadProfileRecords().empty()) << broken;
  }
}

TEST_F(ProfileStoreTest, AFolderOthersMayWriteIsNeitherReadNorWritten) {
  Write(ProfileFile(), Plist("<array><dict/></array>"));
  chmod(folder.Path().c_str(), 0777);
  Run run(folder);
  EXPECT_TRUE(run.store.LoadProfileRecords().empty());
  run.store.SaveProfileRecords({Named("Planted?")});
  EXPECT_EQ(Read(ProfileFile()), Plist("<array><dict/></array>"));
  EXPECT_FALSE(fs::exists(DefaultsFile()));
}

}  // namespace
}  // namespace netvane
