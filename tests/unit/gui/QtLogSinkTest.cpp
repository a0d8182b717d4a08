#include "gui/QtLogSink.h"

#include <gtest/gtest.h>

#include <QLoggingCategory>

#include "platform/system/Log.h"

namespace netvane::gui {
namespace {

using system::LogCategory;
using system::LogEnabled;
using system::LogLevel;

// The toolkit's rules (QT_LOGGING_RULES, or the same rules set here) decide, per category; with
// none, an idle window writes only warnings and errors.
TEST(QtLogSinkTest, TheToolkitsRulesChooseTheLines) {
  InstallQtLogSink();
  EXPECT_FALSE(LogEnabled(LogCategory::kShell, LogLevel::kDebug));
  EXPECT_FALSE(LogEnabled(LogCategory::kDriver, LogLevel::kInfo));
  EXPECT_TRUE(LogEnabled(LogCategory::kShell, LogLevel::kWarning));
  EXPECT_TRUE(LogEnabled(LogCategory::kPrefs, LogLevel::kError));

  QLoggingCategory::setFilterRules(QStringLiteral("netvane.shell.debug=true"));
  EXPECT_TRUE(LogEnabled(LogCategory::kShell, LogLevel::kDebug));
  EXPECT_FALSE(LogEnabled(LogCategory::kDriver, LogLevel::kDebug));
  QLoggingCategory::setFilterRules(QStringLiteral("netvane.prefs.warning=false"));
  EXPECT_FALSE(LogEnabled(LogCategory::kPrefs, LogLevel::kWarning));
}

}  // namespace
}  // namespace netvane::gui
