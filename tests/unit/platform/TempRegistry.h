// A private registry root for one test (XDG_RUNTIME_DIR points into it), removed afterwards.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/userclient/Protocol.h"
#include "platform/userclient/Registry.h"

namespace netvane::userclient {

class TempRegistry {
 public:
  // `create` false: only the runtime folder exists, the registry inside it is left to the test.
  explicit TempRegistry(bool create = true) {
    std::string tmpl = (std::filesystem::temp_directory_path() / "nvreg-XXXXXX").string();
    dir_ = mkdtemp(tmpl.data());
    setenv("XDG_RUNTIME_DIR", dir_.c_str(), 1);
    if (create) {
      EXPECT_TRUE(EnsureServiceClassDir(kWirelessDriverClass).ok);
    }
  }
  TempRegistry(const TempRegistry&) = delete;
  TempRegistry& operator=(const TempRegistry&) = delete;
  ~TempRegistry() { std::filesystem::remove_all(dir_); }

  std::string ServicePath(const std::string& instance) const {
    return ServiceClassDir(kWirelessDriverClass) + "/" + instance + ".sock";
  }

 private:
  std::string dir_;
};

}  // namespace netvane::userclient
