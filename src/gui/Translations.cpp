#include "gui/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QString>
#include <QTranslator>

#include "text/Translate.h"

namespace netvane::gui {

namespace {

std::string Translated(const char* context, const char* source) {
  return QCoreApplication::translate(context, source).toStdString();
}

// Parented to the application, so it lives as long as the texts it answers.
bool Load(QCoreApplication& app, const QLocale& locale, const QString& name,
          const QString& folder) {
  auto* translator = new QTranslator(&app);
  if (!translator->load(locale, name, QStringLiteral("_"), folder)) {
    delete translator;
    return false;
  }
  QCoreApplication::installTranslator(translator);
  return true;
}

}  // namespace

bool InstallTranslations(QCoreApplication& app, const QLocale& locale) {
  text::InstallCatalogue(&Translated);
  // A locale without Netvane's translation stays wholly English rather than mixing in Qt's.
  if (!Load(app, locale, QStringLiteral("netvane"), QStringLiteral(":/i18n"))) return false;
  Load(app, locale, QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  return true;
}

}  // namespace netvane::gui
