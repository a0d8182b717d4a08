#include "gui/QtLogSink.h"

#include <QLoggingCategory>
#include <QString>
#include <array>
#include <cstdio>
#include <memory>
#include <string>

#include "platform/system/Log.h"

namespace netvane::gui {
namespace {

using system::LogCategory;
using system::LogLevel;

QtMsgType TypeOf(LogLevel level) {
  switch (level) {
    case LogLevel::kDebug:
      return QtDebugMsg;
    case LogLevel::kInfo:
      return QtInfoMsg;
    case LogLevel::kWarning:
      return QtWarningMsg;
    case LogLevel::kError:
      break;
  }
  return QtCriticalMsg;
}

class QtLogSink final : public system::LogSink {
 public:
  QtLogSink() {
    for (int i = 0; i < system::kLogCategoryCount; ++i) {
      categories_[static_cast<std::size_t>(i)] = std::make_unique<QLoggingCategory>(
          system::LogCategoryName(static_cast<LogCategory>(i)), QtWarningMsg);
    }
  }

  bool Enabled(LogCategory category, LogLevel level) const override {
    return Of(category).isEnabled(TypeOf(level));
  }

  void Write(LogCategory category, LogLevel level, std::string_view line) override {
    const QLoggingCategory& c = Of(category);
    const int length = static_cast<int>(line.size());
    QMessageLogger logger;
    switch (level) {
      case LogLevel::kDebug:
        logger.debug(c, "%.*s", length, line.data());
        return;
      case LogLevel::kInfo:
        logger.info(c, "%.*s", length, line.data());
        return;
      case LogLevel::kWarning:
        logger.warning(c, "%.*s", length, line.data());
        return;
      case LogLevel::kError:
        logger.critical(c, "%.*s", length, line.data());
        return;
    }
  }

 private:
  const QLoggingCategory& Of(LogCategory category) const {
    return *categories_.at(static_cast<std::size_t>(category));
  }

  std::array<std::unique_ptr<QLoggingCategory>, system::kLogCategoryCount> categories_;
};

QtMessageHandler qtHandler = nullptr;

// Our lines keep the text they always had (no category in front); the toolkit's own messages
// keep its format.
void WriteMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (context.category != nullptr && std::string(context.category).starts_with("netvane.")) {
    const std::string line = message.toStdString() + "\n";
    std::fwrite(line.data(), 1, line.size(), stderr);
    std::fflush(stderr);
    return;
  }
  if (qtHandler != nullptr) {
    qtHandler(type, context, message);
    return;
  }
  const std::string line = qFormatLogMessage(type, context, message).toStdString() + "\n";
  std::fwrite(line.data(), 1, line.size(), stderr);
}

}  // namespace

void InstallQtLogSink() {
  // Before QT_LOGGING_RULES, which can still narrow it.
  if (system::LogVerbose()) QLoggingCategory::setFilterRules(QStringLiteral("netvane.*=true"));
  // Kept for the whole process: lines may be written while statics are torn down.
  static auto* const kSink = new QtLogSink();
  system::SetLogSink(kSink);
  qtHandler = qInstallMessageHandler(WriteMessage);
}

}  // namespace netvane::gui
