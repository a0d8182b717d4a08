// The one opener of private folders: what it creates, and what it refuses to trust.
#include "platform/system/PrivateFolder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <utility>
#include <vector>

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
  const auto folder = [&](mode_t mode) {
    return [&, mode] { ASSERT_EQ(mkdir(path.c_str(), 0700) | chmod(path.c_str(), mode), 0); };
  };
  const std::vector<std::pair<std::string, std::function<void()>>> plants = {
      {"group-writable", folder(0770)},
      {"other-writable", folder(0703)},
      {"symbolic link", [&] { fs::create_directory_symlink(dir_, path); }},
      {"file", [&] { std::ofstream(path) << "x"; }},
      {"another owner",
       [&] {
         folder(0700)();
         ASSERT_EQ(chown(path.c_str(), 65534, 65534), 0);
       }},
  };
  for (const auto& [name, plant] : plants) {
    if (name == "another owner" && geteuid() != 0) {
      std::printf("not root: a folder of another owner cannot be made\n");
      continue;
    }
    plant();
    const mode_t before = LstatMode(path);
    const auto result = EnsurePrivateFolder(path);
    EXPECT_FALSE(result.ok) << name;
    EXPECT_FALSE(result.reason.empty()) << name;
    EXPECT_EQ(LstatMode(path), before) << name;
    fs::remove_all(path);
  }
}

}  // namespace
}  // namespace netvane::platform
