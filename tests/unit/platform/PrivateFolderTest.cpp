// The one opener of private folders: what it creates, and what it refuses to trust.
#include "platform/system/PrivateFolder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace netvane::platform {
namespace {

namespace fs = std::filesystem;

class PrivateFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string tmpl = (fs::temp_directory_path() / "nvfolder-XXXXXX").string();
    ASSERT_NE(mkdtemp(tmpl.data()), nullptr);
    dir_ = tmpl;
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::string dir_;
};

mode_t LstatMode(const std::string& path) {
  struct stat st {};
  EXPECT_EQ(lstat(path.c_str(), &st), 0);
  return st.st_mode;
}

TEST_F(PrivateFolderTest, AMissingFolderIsBornPrivateWhateverTheUmask) {
  const std::string path = dir_ + "/reg";
  const mode_t saved = umask(0);
  const auto made = EnsurePrivateFolder(path);
  umask(saved);
  ASSERT_TRUE(made.ok) << made.reason;
  EXPECT_EQ(LstatMode(path) & 07777, 0700U);
  EXPECT_TRUE(EnsurePrivateFolder(path).ok);  // and is used again as it is
}

TEST_F(PrivateFolderTest, AnUntrustworthyEntryIsRefusedAndLeftAsItIs) {
  const std::string path = dir_ + "/reg";
  const auto expectRefused = [&](const char* what) {
    const mode_t before = LstatMode(path);
    const auto result = EnsurePrivateFolder(path);
    EXPECT_FALSE(result.ok || result.reason.empty()) << what;
    EXPECT_EQ(LstatMode(path), before) << what;
    fs::remove_all(path);
  };
  for (const mode_t mode : {0770U, 0703U}) {
    ASSERT_EQ(mkdir(path.c_str(), 0700) | chmod(path.c_str(), mode), 0);
    expectRefused("writable by group or others");
  }
  fs::create_directory_symlink(dir_, path);  // to a folder that is private itself
  expectRefused("symbolic link");
  std::ofstream(path) << "x";
  expectRefused("file");
  if (geteuid() != 0) GTEST_SKIP() << "not root: a folder of another owner cannot be made";
  ASSERT_EQ(mkdir(path.c_str(), 0700) | chown(path.c_str(), 65534, 65534), 0);
  expectRefused("another owner");
}

}  // namespace
}  // namespace netvane::platform
