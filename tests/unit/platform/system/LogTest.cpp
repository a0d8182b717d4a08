#include "platform/system/Log.h"

#include <gtest/gtest.h>

#include <string>

#include "support/LogRecorder.h"

namespace netvane::system {
namespace {

using testing::LogRecorder;

void OneOfEach() {
  LogDebug(LogCategory::kDriver, "debug");
  Log(LogCategory::kDriver, LogLevel::kInfo, "info");
  LogWarning(LogCategory::kDriver, "warning");
  LogError(LogCategory::kDriver, "error");
}

// Quiet by default: a desktop session's journal gets only what a person must act on.
TEST(LogTest, WarningsAndErrorsByDefaultEverythingWhenVerbose) {
  {
    LogRecorder quiet;
    OneOfEach();
    EXPECT_EQ(quiet.Text(), "warning\nerror\n");
  }
  LogRecorder verbose(true);
  OneOfEach();
  EXPECT_EQ(verbose.Text(), "debug\ninfo\nwarning\nerror\n");
}

TEST(LogTest, FormattedLinesAreWholeAndCarryTheirCategory) {
  LogRecorder log(true);
  const std::string longName(3000, 'n');
  LogF(LogCategory::kGui, LogLevel::kDebug, "%s = %d", longName.c_str(), 7);
  ASSERT_EQ(log.lines.size(), 1U);
  EXPECT_EQ(log.lines[0].text, longName + " = 7");
  EXPECT_EQ(log.lines[0].category, LogCategory::kGui);
}

}  // namespace
}  // namespace netvane::system
