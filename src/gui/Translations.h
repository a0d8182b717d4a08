// The person's language: Netvane's own texts and Qt's (the standard buttons), for the
// system locale, and the catalogue the plain-C++ pages read their texts through.
#pragma once

#include <QLocale>

class QCoreApplication;

namespace netvane::gui {

// Installs the translators for `locale` into `app` (English, the source language, needs
// none) and the pages' catalogue. Returns whether Netvane has a translation for the locale.
bool InstallTranslations(QCoreApplication& app, const QLocale& locale = QLocale::system());

}  // namespace netvane::gui
