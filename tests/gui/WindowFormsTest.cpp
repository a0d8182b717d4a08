// The window and the dialogs as the forms build them: every control the pages and dialogs are
// wired to exists under its name and kind, tables carry their column identifiers, and the
// window can be worked from the keyboard and by a screen reader.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTabWidget>
#include <QTableView>
#include <set>
#include <string>
#include <vector>

#include "fake_driver/FakeUserClient.h"
#include "gui/QtTestApp.h"
#include "platform/qt/CompositionRoot.h"
#include "platform/qt/QtTableView.h"
#include "state/SharedState.h"

namespace netvane {
namespace {

using qt::Page;

template <typename W>
void ExpectAll(QWidget* scope, const std::vector<const char*>& names) {
  for (const char* name : names) {
    EXPECT_NE(scope->findChild<W*>(QString::fromLatin1(name)), nullptr)
        << qPrintable(scope->objectName()) << " lacks " << name << " of the expected kind";
  }
}

QStringList ColumnIds(QWidget* scope, const char* table) {
  auto* view = scope->findChild<QTableView*>(QString::fromLatin1(table));
  return view == nullptr ? QStringList() : view->property("columnIdentifiers").toStringList();
}

class WindowFormsTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { testing::QtTestApp(); }
  void SetUp() override {
    driver.services.clear();  // no adapter: nothing to bring up
  }

  QWidget* PageOf(Page p) { return root.Window().PageWidget(p); }

  testing::FakeUserClient driver;
  qt::CompositionRoot root{{&driver, [](unsigned) {}}};
};

TEST_F(WindowFormsTest, TabsAreTheSixPagesInOrder) {
  QTabWidget* tabs = root.Window().Tabs();
  ASSERT_EQ(tabs->count(), 6);
  const QStringList titles = {"Profile",    "Link Status", "Site Survey",
                              "Statistics", "Advance",     "About"};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(tabs->tabText(i).remove('&'), titles[i]) << i;
}

TEST_F(WindowFormsTest, SiteSurveyAndProfilePagesCarryTheirControlsAndColumns) {
  QWidget* survey = PageOf(Page::SiteSurvey);
  ExpectAll<QTableView>(survey, {"ApList"});
  ExpectAll<QLineEdit>(survey, {"ConnectStatus"});
  ExpectAll<QPushButton>(survey, {"AddProfile", "Connect", "Rescan"});
  EXPECT_EQ(ColumnIds(survey, "ApList"),
            QStringList({"PI", "SSID", "BSSID", "Signal", "Channel", "Authentication", "Encryption",
                         "NetworkType"}));

  QWidget* profile = PageOf(Page::Profile);
  ExpectAll<QTableView>(profile, {"profileList"});
  ExpectAll<QPushButton>(profile, {"Add", "Edit", "Delete", "Activate"});
  EXPECT_EQ(
      ColumnIds(profile, "profileList"),
      QStringList({"PI", "Profile", "SSID", "Channel", "AuthenType", "Encryption", "NetworkType"}));
}

TEST_F(WindowFormsTest, StatusStatisticsAdvanceAndAboutPagesCarryTheirControls) {
  QWidget* link = PageOf(Page::LinkStatus);
  ExpectAll<QLineEdit>(link, {"CurrentChannel", "CurrentTxRate", "LinkQualityState",
                              "SignalStrengthState", "Status", "ThroughputRx", "ThroughputTx"});
  ExpectAll<QProgressBar>(link, {"LinkQuality", "SignalStrength"});
  ExpectAll<QCheckBox>(link, {"dBm"});

  QWidget* stats = PageOf(Page::Statistics);
  ExpectAll<QLineEdit>(stats, {"DFR", "FDDTO", "FFTRAAA", "FRS", "FRWCE", "FTS", "FTSAR", "FTSWR",
                               "RFFTRC", "RFSRC"});
  ExpectAll<QPushButton>(stats, {"ResetCounter"});

  QWidget* advance = PageOf(Page::Advance);
  ExpectAll<QCheckBox>(advance, {"AdhocModeUseOFDMrate", "EnableTXburst"});
  ExpectAll<QComboBox>(advance, {"BGprotection", "TXrate", "WirelessMode"});
  ExpectAll<QLabel>(advance, {"RadioSwitchPic"});
  ExpectAll<QPushButton>(advance, {"Apply", "Reset", "Radio"});
  EXPECT_EQ(advance->findChild<QComboBox*>("WirelessMode")->count(), 4);

  QWidget* about = PageOf(Page::About);
  ExpectAll<QLabel>(about, {"CopyRight", "CorvanePicture"});
  ExpectAll<QLineEdit>(about, {"DriverDate", "DriverVersion", "EEPROMVersion", "MacAddress",
                               "NetvaneDate", "NetvaneVersion"});
  ExpectAll<QPushButton>(about, {"CorvaneWWW"});
}

TEST_F(WindowFormsTest, DialogsCarryTheSecurityControlsAndTheirOwn) {
  const std::vector<const char*> combos = {"AuthenType",   "EncryType",    "WEPKey1Combo",
                                           "WEPKey2Combo", "WEPKey3Combo", "WEPKey4Combo"};
  const std::vector<const char*> texts = {"WEPKey1Text", "WEPKey2Text", "WEPKey3Text",
                                          "WEPKey4Text", "WPAPreSharedKey"};
  const std::vector<const char*> radios = {"WEPKey1Radio", "WEPKey2Radio", "WEPKey3Radio",
                                           "WEPKey4Radio"};
  for (QDialog* dialog : {static_cast<QDialog*>(&root.SecuritySheet()),
                          static_cast<QDialog*>(&root.ProfileEditor())}) {
    ExpectAll<QComboBox>(dialog, combos);
    ExpectAll<QLineEdit>(dialog, texts);
    ExpectAll<QRadioButton>(dialog, radios);
    ExpectAll<QPushButton>(dialog, {"OK", "Cancel"});
    EXPECT_EQ(dialog->findChild<QComboBox*>("AuthenType")->count(), 3);
    EXPECT_EQ(dialog->findChild<QComboBox*>("WEPKey3Combo")->count(), 2);
    // No label names the key types, and Qt on Linux gives a choice's entry as its name.
    std::set<QString> keyTypes;
    for (const char* name : {"WEPKey1Combo", "WEPKey2Combo", "WEPKey3Combo", "WEPKey4Combo"}) {
      QWidget* choice = dialog->findChild<QComboBox*>(name);
      keyTypes.insert(
          QAccessible::queryAccessibleInterface(choice)->text(QAccessible::Description));
    }
    EXPECT_EQ(keyTypes.size(), 4U) << "key types a screen reader tells apart";
  }
  ExpectAll<QLineEdit>(&root.HiddenSSIDPrompt(), {"HiddenSSIDText"});
  ExpectAll<QPushButton>(&root.HiddenSSIDPrompt(), {"OK", "Cancel"});

  QDialog* editor = &root.ProfileEditor();
  ExpectAll<QCheckBox>(editor,
                       {"CamWhenAcPower", "FragThresholdCheck", "PSMode", "RtsThresholdCheck"});
  ExpectAll<QComboBox>(editor, {"Channel", "NetworkType", "PreambleType", "SSID", "TxPower"});
  ExpectAll<QSlider>(editor, {"FragThresholdSlider", "RtsThresholdSlider"});
  ExpectAll<QLineEdit>(editor, {"FragThresholdText", "ProfileName", "RtsThresholdText"});
  ExpectAll<QTabWidget>(editor, {"TabView"});
  EXPECT_TRUE(editor->findChild<QComboBox*>("SSID")->isEditable());
  EXPECT_EQ(editor->findChild<QComboBox*>("Channel")->itemText(5), "6") << "index = channel - 1";
  EXPECT_EQ(editor->findChild<QComboBox*>("NetworkType")->count(), 2);
  EXPECT_EQ(editor->findChild<QComboBox*>("PreambleType")->count(), 3);
  EXPECT_EQ(editor->findChild<QComboBox*>("TxPower")->count(), 5);
}

TEST_F(WindowFormsTest, EveryFocusableControlHasAnAccessibleNameAndLabelsHaveMnemonics) {
  std::vector<QWidget*> scopes = {&root.Window(), &root.SecuritySheet(), &root.HiddenSSIDPrompt(),
                                  &root.ProfileEditor()};
  for (QWidget* scope : scopes) {
    for (QWidget* w : scope->findChildren<QWidget*>()) {
      const bool control = qobject_cast<QAbstractButton*>(w) || qobject_cast<QComboBox*>(w) ||
                           qobject_cast<QLineEdit*>(w) || qobject_cast<QSlider*>(w) ||
                           qobject_cast<QTableView*>(w) || qobject_cast<QProgressBar*>(w);
      // Unnamed widgets are the toolkit's own parts (tab bar scroll arrows and the like).
      if (!control || w->objectName().isEmpty() || w->objectName().startsWith("qt_")) continue;
      if (qobject_cast<QLineEdit*>(w) && qobject_cast<QComboBox*>(w->parentWidget())) continue;
      EXPECT_FALSE(w->accessibleName().isEmpty())
          << qPrintable(scope->objectName()) << "/" << qPrintable(w->objectName());
    }
    for (QLabel* label : scope->findChildren<QLabel*>()) {
      if (label->buddy() == nullptr) continue;
      // A label that names an input gives it a keyboard shortcut.
      const Qt::FocusPolicy policy = label->buddy()->focusPolicy();
      if (policy == Qt::TabFocus || policy == Qt::NoFocus) continue;  // values shown, not typed
      EXPECT_TRUE(label->text().contains('&')) << qPrintable(label->text());
    }
  }
}

// As a screen reader sees them. Each name is used once in the window.
TEST_F(WindowFormsTest, UnbuiltControlsAreDisabledAndBuiltOnesAreNot) {
  const auto disabled = [this](const char* name) {
    QWidget* w = root.Window().findChild<QWidget*>(QString::fromLatin1(name));
    return QAccessible::queryAccessibleInterface(w)->state().disabled;
  };
  for (const char* name : {"Add", "Edit", "Delete", "Activate", "dBm", "AddProfile", "ResetCounter",
                           "WirelessMode", "TXrate", "BGprotection", "EnableTXburst",
                           "AdhocModeUseOFDMrate", "Reset", "Apply", "Radio", "CorvaneWWW"}) {
    EXPECT_TRUE(disabled(name)) << name;
  }
  for (const char* name : {"ApList", "Rescan", "Connect"}) EXPECT_FALSE(disabled(name)) << name;
}

TEST_F(WindowFormsTest, TablesKnowTheirImageColumnOnceThePagesAreSetUp) {
  root.SetUp();
  auto* survey = PageOf(Page::SiteSurvey)->findChild<QTableView*>("ApList");
  auto* model = dynamic_cast<const qt::TableModel*>(survey->model());
  ASSERT_NE(model, nullptr);
  EXPECT_EQ(model->ImageColumn(), 0);
}

}  // namespace
}  // namespace netvane
