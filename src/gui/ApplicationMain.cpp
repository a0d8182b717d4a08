#include "gui/ApplicationMain.h"

#include <QApplication>
#include <QLayout>
#include <QStringList>
#include <QTimer>

#include "gui/CommandLine.h"
#include "gui/CompositionRoot.h"
#include "gui/NamedImages.h"
#include "gui/QtLogSink.h"
#include "gui/Screenshots.h"
#include "gui/SessionBusProbe.h"
#include "gui/SingleInstance.h"
#include "gui/Translations.h"
#include "platform/system/Log.h"

namespace netvane::gui {

namespace {

// Long enough for the page timers to have ticked twice after start-up.
constexpr int kScreenshotDelayMs = 4500;
// A bus answers its first line at once; only a silent one makes the start wait this long.
constexpr int kBusAnswerMs = 1000;

QStringList Arguments(int argc, char** argv) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  return arguments;
}

}  // namespace

int ApplicationMain(int argc, char** argv) {
  if (std::optional<int> answered = AnswerWithoutWindow(Arguments(argc, argv))) return *answered;
  // Qt's own desktop services (the tray, accessibility) connect to the session bus while the
  // application starts, and would wait for good on a bus that accepts and never answers: such a
  // bus (or none at all) is hidden from the whole process, so they give up at once.
  if (!SessionBusAnswersWithin(kBusAnswerMs)) qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Netvane"));
  // Desktops match the window to its installed entry and icon by this name.
  QGuiApplication::setDesktopFileName(QStringLiteral("com.corvane.Netvane"));
  QApplication::setOrganizationDomain(QStringLiteral("corvane.com"));
  InstallTranslations(app);
  // The window system has taken its own options (-platform, -style, ...) out of the arguments.
  const WindowCommandLine command = ReadWindowOptions(QApplication::arguments());
  if (command.exitStatus) return *command.exitStatus;
  system::SetLogVerbose(command.options.verbose);
  InstallQtLogSink();
  InitResources();
  QApplication::setWindowIcon(ApplicationIcon());

  SingleInstance instance(SingleInstance::DefaultFolder());
  switch (instance.Claim()) {
    case SingleInstance::Outcome::kRun:
      break;
    case SingleInstance::Outcome::kHandedOver:
      return 0;
    case SingleInstance::Outcome::kNoAnswer:
      return 1;
  }

  CompositionRoot root;
  instance.OnActivate([&root] { root.Window().BringToFront(); });
  // Sizes settled before the native window exists: a platform that cannot take size hints
  // afterwards (offscreen) warns on every start otherwise.
  root.Window().layout()->activate();
  TrayIndicator& tray = root.Desktop().Tray();
  tray.Show();
  // Started at login: the tray is the way in; without a tray the window is the only one.
  if (!command.options.background || !tray.Icon().isVisible()) root.Window().show();
  // With an icon in the tray, closing the window leaves the program running there.
  root.Window().HideOnClose([&tray] { return tray.Icon().isVisible(); });
  if (tray.Icon().isVisible()) QApplication::setQuitOnLastWindowClosed(false);

  const QString& screenshots = command.options.screenshots;
  int status = 0;
  // Start-up runs once the window is on screen: bring-up blocks, and the user should see why.
  QTimer::singleShot(0, &root.Window(), [&] {
    root.SetUp();
    if (screenshots.isEmpty()) return;
    QTimer::singleShot(kScreenshotDelayMs, &root.Window(), [&] {
      if (!WriteScreenshots(root, screenshots)) status = 1;
      QApplication::quit();
    });
  });
  const int loop = QApplication::exec();
  return loop != 0 ? loop : status;
}

}  // namespace netvane::gui
