#include "platform/system/Log.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/system/Consistency.h"
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

// Says what was inconsistent, even in a quiet run, and not where in the sources.
TEST(LogTest, AConsistencyFailureIsAnErrorSayingWhat) {
  LogRecorder log;
  ReportConsistencyFailure(LogCategory::kSurvey, "row %d of %d", 9, 4);
  ASSERT_EQ(log.lines.size(), 1U);
  EXPECT_EQ(log.lines[0].level, LogLevel::kError);
  EXPECT_EQ(log.lines[0].text, "netvane: inconsistent state: row 9 of 4");
}

}  // namespace
}  // namespace netvane::system
