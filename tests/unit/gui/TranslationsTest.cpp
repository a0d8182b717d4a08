// The window in the person's language: the German catalogue is compiled in and found, a locale
// without one stays English, no two controls shown at once share an Alt+letter, and no text a
// person reads escapes the translation system. For the last, a translator marks every text it is
// asked for ‹…›; the real window, its sheets, the event history and the tray menu are walked as a
// screen reader walks them, against the simulator, and any word left outside the marks that is not
// data is reported.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleTextInterface>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableView>
#include <QTest>
#include <QTranslator>
#include <optional>

#include "gui/CompositionRoot.h"
#include "gui/Translations.h"
#include "support/QtTestApp.h"
#include "support/SimHarness.h"

namespace netvane::gui {
namespace {

constexpr const char* kNetworks = R"({"networks": [
    {"ssid": "CorvaneGuest", "bssid": "02:c0:7a:00:00:01"},
    {"ssid": "CorvaneHome", "bssid": "02:c0:7a:00:00:04", "security": "wpa-psk",
     "passphrase": "home sweet corvane"},
    {"ssid": "CorvaneSae", "bssid": "02:c0:7a:00:00:0e", "security": "wpa3-sae"},
    {"ssid": "Café Ω", "bssid": "02:c0:7a:00:00:0b"},
    {"ssid": "Ωmega", "bssid": "02:c0:7a:00:00:0c", "hidden": true}]})";

void RemoveTranslators() {
  for (QTranslator* t : testing::QtTestApp().findChildren<QTranslator*>()) {
    QCoreApplication::removeTranslator(t);
    delete t;
  }
}

// The Alt+letter a text gives, or none.
QChar Mnemonic(const QString& text) {
  for (qsizetype i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != u'&') continue;
    if (text[i + 1] != u'&') return text[i + 1].toLower();
    ++i;
  }
  return {};
}

// Texts that share an Alt+letter while shown at once: the tabs with each tab's page, and what
// lies outside the tabs. A translation that gives two of them one letter makes the key jump
// between them instead of acting.
std::string Clashes(QWidget& top, QTabWidget& tabs) {
  QStringList clashes;
  for (int page = 0; page < tabs.count(); ++page) {
    QMap<QChar, QStringList> seen;
    for (int t = 0; t < tabs.count(); ++t) seen[Mnemonic(tabs.tabText(t))] << tabs.tabText(t);
    for (QWidget* w : top.findChildren<QWidget*>()) {
      const bool elsewhere = tabs.isAncestorOf(w) && !tabs.widget(page)->isAncestorOf(w);
      auto* label = qobject_cast<QLabel*>(w);
      auto* button = qobject_cast<QAbstractButton*>(w);
      if (elsewhere || (label == nullptr && button == nullptr)) continue;
      const QString text = label != nullptr ? label->text() : button->text();
      seen[Mnemonic(text)] << text;
    }
    seen.remove(QChar());
    for (auto it = seen.cbegin(); it != seen.cend(); ++it) {
      if (it->size() > 1) clashes << it->join(QStringLiteral(" / "));
    }
  }
  return clashes.join(QStringLiteral("; ")).toStdString();
}

// The window's pages and the profile editor's, the two places with tabs.
void ExpectNoClash(MainWindow& window) {
  EXPECT_EQ(Clashes(window, *window.Tabs()), "");
  ProfileEditorDialog editor(&window);
  EXPECT_EQ(Clashes(editor, *editor.findChild<QTabWidget*>()), "");
}

TEST(TranslationsTest, GermanIsFoundAndALocaleWithoutATranslationStaysEnglish) {
  QApplication& app = testing::QtTestApp();
  EXPECT_FALSE(InstallTranslations(app, QLocale(QStringLiteral("fr_FR"))));
  {
    MainWindow window;
    EXPECT_EQ(window.Tabs()->tabText(0).toStdString(), "&Profile");
    ExpectNoClash(window);
  }
  ASSERT_TRUE(InstallTranslations(app, QLocale(QStringLiteral("de_DE"))));
  MainWindow window;
  EXPECT_EQ(window.Tabs()->tabText(0).toStdString(), "&Profil");
  EXPECT_EQ(window.siteSurvey.Connect->text().toStdString(), "Ver&binden");
  ExpectNoClash(window);
  RemoveTranslators();
}

// Every text it is asked for, marked, with the marks broken around each %N: what reaches the
// screen unmarked never asked, and an argument is checked as what it is (data, or a text marked
// in its own right).
class MarkingTranslator : public QTranslator {
 public:
  using QTranslator::QTranslator;
  QString translate(const char* /*context*/, const char* source, const char* /*disambiguation*/,
                    int /*n*/) const override {
    static const QRegularExpression argument(QStringLiteral("%(\\d)"));
    return QStringLiteral("‹") +
           QString::fromUtf8(source).replace(argument, QStringLiteral("›%\\1‹")) +
           QStringLiteral("›");
  }
  bool isEmpty() const override { return false; }
};

// The words left once the marked texts and the data are taken out.
QString Escaped(QString text) {
  static const QRegularExpression marked(QStringLiteral("‹[^‹›]*›"));
  // Inner marks first: a translated text may carry another ("‹‹Signal›, sorted ascending›").
  for (QString before; before != text;) {
    before = text;
    text.replace(marked, QStringLiteral(" "));
  }
  for (const char* data : {"CorvaneGuest", "CorvaneHome", "CorvaneSae", "Café Ω", "Ωmega"}) {
    text.remove(QString::fromUtf8(data));
  }
  // Addresses, the unit symbols that go with numbers, the security protocols' own names and the
  // names profiles are given until the person names them.
  static const QRegularExpression figures(QStringLiteral(
      "\\b([0-9A-Fa-f]{2}[:-]){5}[0-9A-Fa-f]{2}\\b|\\b[0-9A-Fa-f]{12}\\b|"
      "\\b(dBm|MHz|KHz|Mbps)\\b|\\b(WPA[23]?|PSK|SAE|WEP|TKIP|AES|CCMP)\\b|\\bPROF\\d+\\b"));
  text.remove(figures);
  static const QRegularExpression word(QStringLiteral("\\p{L}{2,}"));
  return word.match(text).hasMatch() ? text.trimmed() : QString();
}

class EscapeTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    QApplication& app = testing::QtTestApp();
    InstallTranslations(app, QLocale(QStringLiteral("en_US")));  // the pages' catalogue
    QCoreApplication::installTranslator(new MarkingTranslator(&app));
    sim = new testing::SimHarness;
    sim->Start(kNetworks);
  }
  static void TearDownTestSuite() {
    delete sim;
    RemoveTranslators();
  }
  void SetUp() override {
    root.emplace(RootOptions{nullptr, [](unsigned) {}, {}, {}});
    root->SetUp();
    root->Alert().SetOnShown([this](QMessageBox& box) {
      Check("alert", box.text());
      Check("alert", box.informativeText());
      for (const QAbstractButton* b : box.buttons()) Check("alert button", b->text());
      box.accept();
    });
    root->Window().show();
    for (QtRepeatingTimer* t : root->Timers()) t->OnTimeout();
  }

  void Check(const QString& where, const QString& text) {
    const QString left = Escaped(text);
    if (!left.isEmpty()) escaped << where + QStringLiteral(": ") + text;
  }
  // As a screen reader hears `node` and everything in it.
  void Walk(QAccessibleInterface* node, const QString& path, bool top = false) {
    // A menu not yet opened is still what the tray will show.
    if (node == nullptr || (node->state().invisible && !top)) return;
    const QString where = path + QStringLiteral("/") +
                          (node->object() != nullptr ? node->object()->objectName() : QString());
    for (const QAccessible::Text t :
         {QAccessible::Name, QAccessible::Description, QAccessible::Value, QAccessible::Help}) {
      Check(where, node->text(t));
    }
    if (QAccessibleTextInterface* text = node->textInterface(); text != nullptr) {
      Check(where, text->text(0, text->characterCount()));
    }
    // What is seen but not heard where an accessible name stands in for it.
    if (const auto* button = qobject_cast<QAbstractButton*>(node->object())) {
      Check(where, button->text());
    }
    if (const auto* widget = qobject_cast<QWidget*>(node->object()))
      Check(where, widget->toolTip());
    for (int i = 0; i < node->childCount(); ++i) Walk(node->child(i), where);
  }
  void Walk(QObject* object) {
    Walk(QAccessible::queryAccessibleInterface(object), object->objectName(), true);
  }
  void Connect(const QString& ssid) {
    QTableView* list = root->Window().siteSurvey.ApList;
    ASSERT_GT(list->model()->rowCount(), 0) << "the simulator's networks are listed";
    for (int r = 0; r < list->model()->rowCount(); ++r) {
      if (list->model()->index(r, 1).data().toString() == ssid) list->selectRow(r);
    }
    QTest::mouseClick(root->Window().siteSurvey.Connect, Qt::LeftButton);
  }

  static testing::SimHarness* sim;
  std::optional<CompositionRoot> root;
  QStringList escaped;
};

testing::SimHarness* EscapeTest::sim = nullptr;

TEST_F(EscapeTest, EveryPageSheetAndMenuIsHeardThroughTheCatalogue) {
  root->Sheets().SetOnShown([this](QDialog& sheet) {
    Walk(&sheet);
    QTest::mouseClick(sheet.findChild<QPushButton*>(QStringLiteral("Cancel")), Qt::LeftButton);
  });
  Connect(QStringLiteral("CorvaneHome"));                         // the security sheet
  Connect(QString());                                             // the hidden network's prompt
  Connect(QStringLiteral("CorvaneSae"));                          // refused with an alert
  QTest::mouseClick(root->Window().profile.Add, Qt::LeftButton);  // the profile editor
  Connect(QStringLiteral("CorvaneGuest"));
  for (QtRepeatingTimer* t : root->Timers()) t->OnTimeout();

  QTabWidget* tabs = root->Window().Tabs();
  for (int page = 0; page < tabs->count(); ++page) {
    tabs->setCurrentIndex(page);
    Walk(&root->Window());
  }
  DesktopIntegration& desktop = root->Desktop();
  desktop.ShowHistory();
  Walk(&desktop.History());
  desktop.History().close();
  desktop.Tray().RefreshMenu();
  Walk(&desktop.Tray().Menu());
  Check(QStringLiteral("tray tooltip"), desktop.Tray().Icon().toolTip());

  escaped.removeDuplicates();
  EXPECT_TRUE(escaped.isEmpty()) << "Texts outside the translation system:\n"
                                 << escaped.join(QStringLiteral("\n")).toStdString();
}

}  // namespace
}  // namespace netvane::gui
