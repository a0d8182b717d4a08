// The event history file: private folder and file whatever the umask or an older file's mode,
// one rotation at the size limit, and no trust in a folder someone else can write.
#include "platform/prefs/EventLog.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <string>

#include "support/TempFolder.h"

namespace netvane::prefs {
namespace {

mode_t ModeOf(const std::string& path) {
  struct stat st {};
  return stat(path.c_str(), &st) == 0 ? (st.st_mode & 07777) : 0;
}

TEST(EventLogTest, KeepsItsLinesPrivate) {
  testing::TempFolder temp;
  const EventLog log(temp.File("state/netvane"));
  const mode_t old = umask(0);
  EXPECT_TRUE(log.Append("first"));
  umask(old);
  EXPECT_EQ(ModeOf(log.Folder()), 0700U);
  EXPECT_EQ(ModeOf(log.Path()), 0600U);

  chmod(log.Path().c_str(), 0644);
  EXPECT_TRUE(log.Append("second"));
  EXPECT_EQ(ModeOf(log.Path()), 0600U) << "an older file's mode is put right";
  EXPECT_EQ(log.ReadAll(), "first\nsecond\n");

  chmod(log.Folder().c_str(), 0770);
  EXPECT_FALSE(log.Append("third")) << "a folder others can write is refused";
  EXPECT_EQ(log.ReadAll(), "");
  chmod(log.Folder().c_str(), 0700);
}

TEST(EventLogTest, RotatesOnceWhenALineWouldPassTheLimit) {
  testing::TempFolder temp;
  const EventLog log(temp.Path());
  const std::string line(1023, 'x');  // 1 KiB with its newline: the last one fills the file
  const std::size_t fit = EventLog::kLimitBytes / 1024;
  for (std::size_t i = 0; i < fit; ++i) ASSERT_TRUE(log.Append(line));
  std::ofstream(log.Path() + ".1") << "oldest\n";
  ASSERT_TRUE(log.Append("newest"));

  std::ifstream older(log.Path() + ".1", std::ios::ate);
  EXPECT_EQ(static_cast<std::size_t>(older.tellg()), fit * 1024) << "the full file moved aside";
  const std::string all = log.ReadAll();
  EXPECT_EQ(all.size(), fit * 1024 + 7);
  EXPECT_EQ(all.substr(all.size() - 7), "newest\n");
  EXPECT_EQ(all.find("oldest"), std::string::npos) << "only one older file is kept";
}

}  // namespace
}  // namespace netvane::prefs
