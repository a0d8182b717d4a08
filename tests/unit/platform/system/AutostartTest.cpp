// The login entry: written where the desktop reads it, with a program path quoted so that no
// space, quote or field code in it can change the command; read back as off when the desktop's
// own settings switched it off; removed whole.
#include "platform/system/AutostartEntry.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <fstream>
#include <string>

#include "support/TempFolder.h"

namespace netvane::system {
namespace {

class AutostartTest : public ::testing::Test {
 protected:
  void SetUp() override { setenv("XDG_CONFIG_HOME", home.Path().c_str(), 1); }
  void TearDown() override { unsetenv("XDG_CONFIG_HOME"); }
  testing::TempFolder home;
  std::string reason;
};

TEST_F(AutostartTest, OnWritesAQuotedCommandAndOffRemovesIt) {
  EXPECT_FALSE(AutostartOn());
  ASSERT_TRUE(SetAutostart(true, "/opt/my apps/net\"vane%f", reason)) << reason;
  EXPECT_EQ(AutostartEntryPath(), home.Path() + "/autostart/com.corvane.Netvane.desktop");
  const std::string text = testing::ReadText(AutostartEntryPath());
  EXPECT_NE(text.find("\nExec=\"/opt/my apps/net\\\"vane%%f\" --background\n"), std::string::npos)
      << text;
  EXPECT_TRUE(AutostartOn());

  // A desktop's settings panel switches an entry off in place.
  std::ofstream(AutostartEntryPath(), std::ios::app) << "Hidden=true\n";
  EXPECT_FALSE(AutostartOn());

  ASSERT_TRUE(SetAutostart(false, "", reason)) << reason;
  EXPECT_FALSE(std::ifstream(AutostartEntryPath()).good()) << "removed whole";
  EXPECT_TRUE(SetAutostart(false, "", reason)) << "already off is not a failure";
}

TEST_F(AutostartTest, AFolderThatCannotBeMadeIsAReason) {
  std::ofstream(home.File("autostart")) << "a file where the folder should be\n";
  EXPECT_FALSE(SetAutostart(true, "/usr/bin/netvane", reason));
  EXPECT_NE(reason.find("autostart"), std::string::npos) << reason;
  EXPECT_FALSE(AutostartOn());
}

}  // namespace
}  // namespace netvane::system
