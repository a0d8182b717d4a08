// The profile store on real files in a temporary folder, through libplist: where the list comes
// from, every byte value through both files, atomic writes and their modes, and damaged files.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/plist/StoredText.h"
#include "profiles/ProfileStore.h"
#include "support/LogRecorder.h"
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
  static std::string Read(const std::string& path) { return testing::ReadText(path); }
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
                             std::make_shared<const plist::SharedRecords>(ProfileRecordList{}));
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
    EXPECT_NE(xml.find(Escaped(plist::StoredKeyText(all))), std::string::npos) << path;
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

TEST_F(ProfileStoreTest, WritesArePrivate) {
  const mode_t oldMask = umask(0);
  Write(ProfileFile(), Plist("<array/>"));
  chmod(ProfileFile().c_str(), 0644);
  Run run(folder);
  run.store.SaveProfileRecords({Named("One")});
  umask(oldMask);
  EXPECT_EQ(Mode(folder.Path()), 0700u);
  EXPECT_EQ(Mode(ProfileFile()), 0600u) << "an older loose file is tightened by the rewrite";
  EXPECT_EQ(Mode(DefaultsFile()), 0600u);
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
    const testing::LogRecorder log;
    EXPECT_EQ(run.store.LoadProfileRecords().size(), c.records);
    run.store.LoadProfileRecords();
    // The person hears of a hand edit that is ignored, once.
    ASSERT_EQ(log.lines.size(), c.damaged ? 1u : 0u) << log.Text();
    if (c.damaged) {
      EXPECT_NE(log.lines[0].text.find(ProfileFile()), std::string::npos);
    }
    run.store.SaveProfileRecords({Named("New")});
    EXPECT_EQ(fs::exists(ProfileFile() + ".damaged.1"), c.damaged);
    if (c.damaged) {
      EXPECT_EQ(Read(ProfileFile() + ".damaged.1"), c.contents) << "nothing is lost";
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

  // A second bad hand edit never replaces the first one's copy; the last five are kept.
  fs::remove_all(folder.Path());
  for (int edit = 1; edit <= 7; ++edit) {
    // Only a file that is read is judged: Profile.plist when the defaults have no list.
    fs::remove(DefaultsFile());
    Write(ProfileFile(), "hand edit " + std::to_string(edit));
    Run run(folder);
    run.store.LoadProfileRecords();
    ASSERT_TRUE(run.store.SaveProfileRecords({Named("New")}).Saved());
  }
  for (int copy = 1; copy <= 7; ++copy) {
    const std::string aside = ProfileFile() + ".damaged." + std::to_string(copy);
    EXPECT_EQ(fs::exists(aside) ? Read(aside) : "gone",
              copy <= 2 ? "gone" : "hand edit " + std::to_string(copy));
  }
}

TEST_F(ProfileStoreTest, AFileThatCannotBeReadIsReportedAndNeverWrittenOver) {
  // A folder where the defaults belong (mode 000 would do, but not for root).
  ASSERT_TRUE(folder.Ensure());
  fs::create_directory(DefaultsFile());
  Write(ProfileFile(), Plist("<array><dict><key>Profile Name</key><string>Kept</string></dict>"
                             "</array>"));
  Run run(folder);
  const StoredProfiles now = run.store.Load();
  EXPECT_TRUE(now.records.empty());
  EXPECT_NE(now.problem.find(DefaultsFile() + " cannot be read: it is not a regular file"),
            std::string::npos)
      << now.problem;
  const StoreResult result = run.store.AddProfile(Named("Lost?"));
  EXPECT_EQ(result.status, StoreResult::Status::kFailed);
  EXPECT_EQ(result.reason, now.problem);
  EXPECT_TRUE(fs::is_directory(DefaultsFile()));
  EXPECT_EQ(Run(folder).store.LoadProfileRecords().size(), 0u);

  // Merely missing: an empty list and no problem.
  fs::remove(DefaultsFile());
  EXPECT_EQ(Run(folder).store.Load().problem, "");
  EXPECT_EQ(Run(folder).store.LoadProfileRecords().size(), 1u) << "Profile.plist again";
}

TEST_F(ProfileStoreTest, EachChangeStartsFromTheFileAsItIsNow) {
  const ProfileRecord home = Named("Home"), peer = Named("Peer"), shop = Named("Workshop");
  Run(folder).store.SaveProfileRecords({home, peer, shop});
  Run window(folder);
  ASSERT_EQ(window.store.LoadProfileRecords().size(), 3u);
  // The command line deletes Peer while the window still shows it.
  ASSERT_TRUE(Run(folder).store.DeleteProfile(peer, 1).Saved());

  // The window deletes Home from the list it showed: Peer stays deleted.
  ASSERT_TRUE(window.store.DeleteProfile(home, 0).Saved());
  EXPECT_EQ(Run(folder).store.LoadProfileRecords(), (ProfileRecordList{shop}));
  // Peer is gone: nothing is written.
  EXPECT_EQ(window.store.DeleteProfile(peer, 1).status, StoreResult::Status::kGone);
  EXPECT_EQ(window.store.ActivateProfile(peer, 1).status, StoreResult::Status::kGone);
  // Workshop, shown at row 2, is stored at row 0 now: the active record names that row.
  const StoreResult activated = window.store.ActivateProfile(shop, 2);
  EXPECT_EQ(activated.row, 0);
  EXPECT_EQ(Run(folder).store.Load().active.at(0).Text(profile_key::kSelected), "0");
  // An edit replaces the profile it opened, wherever it is now, and nothing else.
  ProfileRecord edited = Named("Workshop", "Edited");
  Run(folder).store.AddProfile(Named("Front"));
  ASSERT_TRUE(window.store.ReplaceProfile(shop, 2, edited).Saved());
  EXPECT_EQ(Run(folder).store.LoadProfileRecords(), (ProfileRecordList{edited, Named("Front")}));
}

TEST_F(ProfileStoreTest, DeletingTheActiveProfileForgetsItsRecordAndKeys) {
  ProfileRecord home = Named("Home");
  home.Set(profile_key::kWpaPsk, "home sweet corvane");
  const ProfileRecord peer = Named("Peer"), shop = Named("Workshop");
  Run(folder).store.SaveProfileRecords({peer, home, shop});
  ASSERT_TRUE(Run(folder).store.ActivateProfile(home, 1).Saved());
  // Deleting a row above it moves its mark with it.
  ASSERT_TRUE(Run(folder).store.DeleteProfile(peer, 0).Saved());
  EXPECT_EQ(Run(folder).store.Load().active.at(0).Text(profile_key::kSelected), "0");

  ASSERT_TRUE(Run(folder).store.DeleteProfile(home, 0).Saved());
  EXPECT_EQ(Run(folder).defaults.RecordsForKey(ProfileStore::kActiveKey), ProfileRecordList{})
      << "an empty active list: the next start reconnects to nothing";
  EXPECT_EQ(Read(DefaultsFile()).find("home sweet corvane"), std::string::npos);
  EXPECT_EQ(Read(ProfileFile()).find("home sweet corvane"), std::string::npos);
  EXPECT_TRUE(Run(folder).store.StandDown().Saved()) << "nothing active: nothing to do";
}

TEST_F(ProfileStoreTest, WhatAKilledSaveLeftIsRemovedAndNothingElse) {
  ASSERT_TRUE(folder.Ensure());
  const std::string defaults = prefs::UserDefaults::kDomainFile;
  const std::vector<std::string> debris = {defaults + ".tmp-abcdef", "Profile.plist.tmp-x1Y2z3",
                                           defaults + ".AbC123"};  // before the ".tmp-" infix
  const std::vector<std::string> kept = {defaults + ".abc12",      // not six characters
                                         defaults + ".backup",     // a name a person gives
                                         defaults + ".Backup",
                                         "Other.plist.AbC123",  // another file's name
                                         "Profile.plist.ZZZZZZ", "Profile.plist.DIR123"};
  for (const std::string& name : debris) Write(Path(name), "pass phrase");
  for (const std::string& name : kept) Write(Path(name), "kept");
  // A link and a folder of the temporaries' names are not ours to remove.
  fs::remove(Path("Profile.plist.ZZZZZZ"));
  fs::create_symlink(temp.File("elsewhere"), Path("Profile.plist.ZZZZZZ"));
  fs::remove(Path("Profile.plist.DIR123"));
  fs::create_directory(Path("Profile.plist.DIR123"));
  Write(temp.File("elsewhere"), "elsewhere");

  Run(folder).store.RemoveDebris();  // as at start-up
  for (const std::string& name : debris) EXPECT_FALSE(fs::exists(Path(name))) << name;
  for (const std::string& name : kept)
    EXPECT_TRUE(fs::symlink_status(Path(name)).type() != fs::file_type::not_found) << name;
  EXPECT_EQ(Read(temp.File("elsewhere")), "elsewhere");

  // At the next change, whichever file it writes.
  for (const std::string& name : debris) Write(Path(name), "pass phrase");
  ASSERT_TRUE(Run(folder).store.StandDown().Saved());
  for (const std::string& name : debris) EXPECT_FALSE(fs::exists(Path(name))) << name;
}

// Each malformed document is one check of what XML forbids and the parser lets through; each
// well-formed one, a form of markup the reader must take as XML reads it.
TEST_F(ProfileStoreTest, MalformedXmlIsDamagedAndWellFormedXmlReadsAsXmlSays) {
  const auto ssid = [](const std::string& markup) {
    return "<array><dict><key>SSID</key>" + markup + "</dict></array>";
  };
  const std::string plist = "<plist version=\"1.0\">";
  const std::string malformed[] = {
      Plist(ssid("<string>a]]>b</string>")),
      Plist(ssid("<string>&#0;b</string>")),
      Plist(ssid("<string>\x01</string>")),
      Plist(ssid("<string>\xC3</string>")),
      Plist(ssid("<string a=\"<\">x</string>")),
      Plist(ssid("<string><!-- a -- b -->x</string>")),
      Plist(ssid("<string>x</string><key>k</key>")),
      // Text before a container's first child, kept apart from its children by the parser.
      plist + "x" + ssid("<string>x</string>") + "</plist>",
      Plist("<array>x<dict><key>SSID</key><string>x</string></dict></array>"),
      Plist("<array><dict>x<key>SSID</key><string>x</string></dict></array>"),
      "<plist version=\"1\" version=\"1\">" + ssid("<string>x</string>") + "</plist>",
      Plist(ssid("<string>x</string>")) + "x",
      Plist(ssid("<string>x</string>")) + plist + ssid("<string>x</string>") + "</plist>",
      "<!-- first --><?xml version=\"1.0\"?>" + plist + ssid("<string>x</string>") + "</plist>",
      plist + ssid("<string>x</string>") + "</plist><!DOCTYPE plist>",
      // pugixml does not expand entities a document declares itself.
      "<!DOCTYPE plist [<!ENTITY x \"y\">]>" + plist + ssid("<string>&x;</string>") + "</plist>",
  };
  for (const std::string& xml : malformed) {
    Write(ProfileFile(), xml);
    EXPECT_TRUE(Run(folder).store.LoadProfileRecords().empty()) << xml;
  }
  const std::pair<std::string, std::string> wellFormed[] = {
      {plist + ssid("<string a=\">\">x</string>") + "</plist>", "x"},
      {"<!DOCTYPE plist [<!ENTITY x \"]>\"> <!-- ] -->]>\n" + plist + ssid("<string>x</string  >") +
           "</plist>",
       "x"},
      {Plist(ssid("<string>a<?pi ]]> ?>b<!-- <c> -->c</string>")), "abc"},
      {Plist(ssid("<string><![CDATA[]]]]><![CDATA[>]]></string>")), "]]>"},
      {Plist(ssid("<string>a\r\nb&#13;</string>")), "a\nb\r"},
      {Plist(ssid("<?pi?><!-- c --><string>&#x1F600;&quot;&apos;</string>")), "\U0001F600\"'"},
      {"\xEF\xBB\xBF" + plist + ssid("<integer>0x0b</integer>") + "</plist>", "11"},
      {Plist(ssid("<string>a</string><key>SSID</key><string>x</string>")), "x"},
  };
  for (const auto& [xml, text] : wellFormed) {
    Write(ProfileFile(), xml);
    const ProfileRecordList records = Run(folder).store.LoadProfileRecords();
    ASSERT_EQ(records.size(), 1u) << xml;
    EXPECT_EQ(records[0].Text("SSID"), text) << xml;
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
