// The event history file: private folder and file whatever the umask or an older file's mode,
// one rotation at the size limit, no trust in a folder someone else can write, nothing that can
// block the window, and whole lines only.
#include "platform/prefs/EventLog.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <fstream>
#include <string>

#include "support/FileSizeLimit.h"
#include "support/LogRecorder.h"
#include "support/TempFolder.h"

namespace netvane::prefs {
namespace {

mode_t ModeOf(const std::string& path) {
  struct stat st {};
  return stat(path.c_str(), &st) == 0 ? (st.st_mode & 07777) : 0;
}

std::string Read(const std::string& path) {
  return testing::ReadText(path);
}

// Appends with `room` bytes left past what the file holds, as a full disk would cut it.
bool AppendWithRoom(const EventLog& log, const std::string& line, std::size_t room) {
  const testing::FileSizeLimit full(Read(log.Path()).size() + room);
  return log.Append(line);
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

// Neither a FIFO (which would block the window in open) nor a hard link to another file (which
// would get our lines and our mode) is used; each is reported once, not on every event.
TEST(EventLogTest, UsesOnlyARegularFileOfItsOwn) {
  testing::TempFolder temp;
  const EventLog log(temp.Path());
  ASSERT_EQ(mkfifo(log.Path().c_str(), 0600), 0);
  testing::LogRecorder lines;
  EXPECT_FALSE(log.Append("into a pipe nobody reads"));
  EXPECT_FALSE(log.Append("again"));
  std::string err = lines.Take();
  EXPECT_EQ(err, "netvane: not keeping the event history in " + log.Path() +
                     ": it is not a regular file\n");

  unlink(log.Path().c_str());
  const std::string other = temp.File("notes");
  std::ofstream(other) << "mine\n";
  chmod(other.c_str(), 0644);
  ASSERT_EQ(link(other.c_str(), log.Path().c_str()), 0);
  const EventLog fresh(temp.Path());
  EXPECT_FALSE(fresh.Append("into someone else's file"));
  EXPECT_FALSE(fresh.Append("again"));
  err = lines.Take();
  EXPECT_NE(err.find("another name links to it"), std::string::npos) << err;
  EXPECT_EQ(err.find('\n'), err.size() - 1) << "one line: " << err;
  EXPECT_EQ(Read(other), "mine\n");
  EXPECT_EQ(ModeOf(other), 0644U);
}

// A write cut short (the disk filled up) is undone, so the history never holds half a line and
// the next event, once there is room again, starts on its own line.
TEST(EventLogTest, WritesWholeLinesOrNothing) {
  testing::TempFolder temp;
  const EventLog log(temp.Path());
  const std::string first(400, 'f');
  ASSERT_TRUE(log.Append(first));
  testing::LogRecorder lines;
  EXPECT_FALSE(AppendWithRoom(log, std::string(100, 'x'), 10));
  EXPECT_FALSE(AppendWithRoom(log, std::string(100, 'y'), 10));
  const std::string err = lines.Take();
  EXPECT_EQ(Read(log.Path()), first + "\n");
  EXPECT_NE(err.find("netvane: not keeping the event history in " + log.Path()), std::string::npos)
      << err;
  EXPECT_EQ(err.find('\n'), err.size() - 1) << "reported once: " << err;

  EXPECT_TRUE(log.Append("after"));
  EXPECT_EQ(Read(log.Path()), first + "\nafter\n");
}

}  // namespace
}  // namespace netvane::prefs
