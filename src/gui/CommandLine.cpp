#include "gui/CommandLine.h"

#include <QCommandLineParser>
#include <cstdio>
#include <string>

#include "status/AboutFigures.h"

namespace netvane::gui {

namespace {

constexpr int kUsageStatus = 2;

struct Parser {
  Parser() {
    // Qt's own options are single-dash words (-platform, -style): read them as such, not as
    // bundles of letters.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QStringLiteral("Configures a CV7000-family wireless adapter."));
    // Not addHelpOption: its --help-all would list Qt's options, which only a running window
    // (with a display) can print.
    parser.addOption(help);
    parser.addVersionOption();
    parser.addOption(verbose);
    parser.addOption(screenshots);
    parser.addOption(background);
  }
  QCommandLineParser parser;
  QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")},
                          QStringLiteral("Displays this help.")};
  QCommandLineOption verbose{QStringLiteral("verbose"),
                             QStringLiteral("Write debug lines as well as warnings and errors.")};
  QCommandLineOption screenshots{
      QStringLiteral("screenshots"),
      QStringLiteral("Write a PNG of every page and dialog to <dir> after start-up, then exit."),
      QStringLiteral("dir")};
  QCommandLineOption background{
      QStringLiteral("background"),
      QStringLiteral("Start in the tray with the window hidden, as at login.")};
};

// The usage line names the program as a person types it, not by the path it was started from.
QString HelpText(const QCommandLineParser& parser, const QString& program) {
  QString text = parser.helpText();
  const QString usage = QStringLiteral("Usage: ");
  if (text.startsWith(usage)) {
    const qsizetype end = text.indexOf(QLatin1Char(' '), usage.size());
    if (end > 0) text.replace(usage.size(), end - usage.size(), program);
  }
  return text;
}

}  // namespace

std::optional<int> AnswerWithoutWindow(const QStringList& arguments) {
  Parser p;
  p.parser.parse(arguments);  // errors are reported once the window system took its options
  if (p.parser.isSet(p.help)) {
    std::fputs(HelpText(p.parser, QStringLiteral("netvane")).toLocal8Bit().constData(), stdout);
    return 0;
  }
  if (p.parser.isSet(QStringLiteral("version"))) {
    std::printf("netvane %s\n", kNetvaneVersion);
    return 0;
  }
  return std::nullopt;
}

WindowCommandLine ReadWindowOptions(const QStringList& arguments) {
  Parser p;
  WindowCommandLine read;
  QString error;
  if (!p.parser.parse(arguments)) {
    error = p.parser.errorText();
  } else if (!p.parser.positionalArguments().isEmpty()) {
    error = QStringLiteral("Unexpected argument '%1'.").arg(p.parser.positionalArguments().first());
  } else if (p.parser.isSet(p.screenshots) && p.parser.value(p.screenshots).isEmpty()) {
    error = QStringLiteral("The option --screenshots needs a folder.");
  }
  if (!error.isEmpty()) {
    // The program's own usage answer, not a log line.
    std::fputs(("netvane: " + error.toStdString() + "\nTry 'netvane --help'.\n").c_str(), stderr);
    read.exitStatus = kUsageStatus;
    return read;
  }
  read.options.verbose = p.parser.isSet(p.verbose);
  read.options.screenshots = p.parser.value(p.screenshots);
  read.options.background = p.parser.isSet(p.background);
  return read;
}

}  // namespace netvane::gui
