// The real window and dialogs over the fake driver, offscreen: what a screen reader and the
// keyboard reach, start-up, the rules for modal runs, text between the widgets and bytes, and
// hostile names in the event history.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTextBlock>
#include <algorithm>
#include <cmath>
#include <fstream>
#include <set>
#include <string>

#include "fake_driver/FakeUserClient.h"
#include "gui/CompositionRoot.h"
#include "gui/DesktopNotifier.h"
#include "gui/EventHistoryWindow.h"
#include "gui/HistoryGraph.h"
#include "gui/KeyFields.h"
#include "gui/QtControls.h"
#include "gui/TextCodec.h"
#include "support/HostileNames.h"
#include "support/QtTestApp.h"
#include "support/TempFolder.h"

namespace netvane {
namespace {

bool Disabled(QWidget* w) {
  return QAccessible::queryAccessibleInterface(w)->state().disabled;
}

// Every control under `a` has a name of its own in its window and can take the keyboard focus.
void ExpectNamedApart(QAccessibleInterface* a, std::set<QString>& names) {
  using R = QAccessible::Role;
  static const std::set<R> controls = {R::PushButton, R::CheckBox,     R::RadioButton,
                                       R::ComboBox,   R::EditableText, R::Slider,
                                       R::Table,      R::ProgressBar,  R::PageTab};
  if (controls.count(a->role()) == 0) {
    // A control with no name of its own borrows its group's title: that tells it apart from none.
    if (a->role() == R::Grouping) names.insert(a->text(QAccessible::Name));
    for (int i = 0; i < a->childCount(); ++i) ExpectNamedApart(a->child(i), names);
    return;
  }
  const QString who = a->object() != nullptr ? a->object()->objectName() : QString();
  // What a screen reader says. On Linux a choice's name is its current entry: the choice is named
  // by its description or else by its label (a group box labels its members too).
  QString name = a->text(QAccessible::Name);
  if (a->role() == R::ComboBox) {
    const auto labels = a->relations(QAccessible::Label);
    name = a->text(QAccessible::Description);
    if (name.isEmpty() && !labels.isEmpty()) name = labels[0].first->text(QAccessible::Name);
  }
  EXPECT_FALSE(name.isEmpty()) << qPrintable(who);
  EXPECT_TRUE(names.insert(name).second)
      << qPrintable(who) << " is heard as another control: " << qPrintable(name);
  EXPECT_TRUE(a->role() == R::ProgressBar || a->state().focusable) << qPrintable(who);
}

class WindowTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { testing::QtTestApp(); }

  // Delivers one expiry to every timer, as the event loop would.
  void TickAll() {
    for (gui::QtRepeatingTimer* t : root.Timers()) t->OnTimeout();
  }

  testing::FakeUserClient driver;
  testing::TempFolder prefs;
  gui::CompositionRoot root{
      {&driver, [](unsigned) {}, prefs.Path(), {prefs.Path() + "/state", {}}}};
};

TEST_F(WindowTest, EveryControlIsNamedApartAndLabelsGiveTheirInputsAKey) {
  root.SetUp();
  for (QWidget* scope : std::initializer_list<QWidget*>{
           &root.Window(), &root.SecuritySheet(), &root.HiddenSSIDPrompt(), &root.ProfileEditor(),
           &root.Desktop().History()}) {
    std::set<QString> names;
    ExpectNamedApart(QAccessible::queryAccessibleInterface(scope), names);
    for (QLabel* label : scope->findChildren<QLabel*>()) {
      // A value only shown takes no click, and its label needs no key.
      if (label->buddy() != nullptr && (label->buddy()->focusPolicy() & Qt::ClickFocus) != 0) {
        EXPECT_TRUE(label->text().contains('&')) << qPrintable(label->text());
      }
    }
  }
}

TEST_F(WindowTest, StartWithoutAdapterShowsSiteSurveyAndTakesTheAdapterUpLater) {
  driver.services.clear();
  QTabWidget* tabs = root.Window().Tabs();
  tabs->setCurrentIndex(0);
  root.SetUp();

  EXPECT_EQ(tabs->tabText(tabs->currentIndex()).remove('&'), "Site Survey");
  EXPECT_TRUE(root.PollTimer().IsRunning());

  driver.services = {"0"};
  root.PollTimer().OnTimeout();
  EXPECT_EQ(root.State().G_bDeviceExist, 1);
  // The radio state is a picture and a button title; a screen reader hears both.
  const auto heard = [](QWidget* w) {
    return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Description);
  };
  EXPECT_EQ(heard(root.Window().advance.RadioSwitchPic),
            root.State().G_bRadio != 0 ? "Radio on" : "Radio off");
  EXPECT_EQ(heard(root.Window().advance.Radio), root.Window().advance.Radio->text().remove('&'));
}

// Window modality stops the mouse and keys on the main window, not a screen reader's press, a
// second run started in code, nor the timer events Qt delivers inside the sheet's own loop.
TEST_F(WindowTest, WhileASheetRunsTheWindowIsDisabledTimersAreSilentAndItRunsOnce) {
  root.SetUp();  // the adapter is there: every poll tick asks the driver
  driver.calls.clear();
  gui::MainWindow& window = root.Window();
  window.show();
  QApplication::setActiveWindow(&window);
  window.siteSurvey.ApList->setFocus();
  QAccessibleInterface* connect = QAccessible::queryAccessibleInterface(window.siteSurvey.Connect);
  root.Sheets().SetOnShown([&](QDialog& sheet) {
    TickAll();
    EXPECT_EQ(driver.calls.size(), 0U);
    EXPECT_TRUE(connect->state().disabled);
    QAccessibleActionInterface* press = connect->actionInterface();
    ASSERT_NE(press, nullptr);
    press->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_FALSE(connect->state().pressed) << "a press under way would click a moment later";
    EXPECT_EQ(root.Sheets().Run(root.SecuritySheetWindow()), 0);
    EXPECT_TRUE(sheet.isVisible());
    root.Sheets().StopModal(1);
  });
  ::testing::internal::CaptureStderr();
  EXPECT_EQ(root.Sheets().Run(root.SecuritySheetWindow()), 1);
  EXPECT_EQ(::testing::internal::GetCapturedStderr().find("Recursive"), std::string::npos);
  EXPECT_FALSE(connect->state().disabled);
  EXPECT_TRUE(Disabled(window.advance.Apply)) << "disabled by its page, stays so";
  EXPECT_EQ(window.focusWidget(), window.siteSurvey.ApList);
  root.PollTimer().OnTimeout();
  EXPECT_FALSE(driver.calls.empty()) << "the poll resumes once the sheet is gone";
}

// Everything a screen reader can ask a field for, its text interface included.
QString Heard(QLineEdit* field) {
  QAccessibleInterface* a = QAccessible::queryAccessibleInterface(field);
  QString all =
      a->text(QAccessible::Value) + a->text(QAccessible::Name) + a->text(QAccessible::Description);
  if (QAccessibleTextInterface* text = a->textInterface(); text != nullptr) {
    const int n = text->characterCount();
    int start = 0;
    int end = 0;
    all += text->text(0, n) + text->textAtOffset(0, QAccessible::LineBoundary, &start, &end) +
           text->textAfterOffset(0, QAccessible::WordBoundary, &start, &end) +
           text->textBeforeOffset(n, QAccessible::WordBoundary, &start, &end);
    field->selectAll();
    text->selection(0, &start, &end);
    all += text->text(start, end);
  }
  return all;
}

// Whether `layout` or one nested in it lays out `widget`.
bool LaysOut(const QLayout* layout, const QWidget* widget) {
  if (layout == nullptr) return false;
  for (int i = 0; i < layout->count(); ++i) {
    QLayoutItem* item = layout->itemAt(i);
    if (item->widget() == widget || LaysOut(item->layout(), widget)) return true;
  }
  return false;
}

TEST_F(WindowTest, KeysAreMaskedUnlessShownAndNeverHeardWhileMasked) {
  root.SetUp();
  for (QDialog* dialog :
       std::initializer_list<QDialog*>{&root.SecuritySheet(), &root.ProfileEditor()}) {
    const auto fields = dialog->findChildren<QLineEdit*>();
    const auto keys = std::count_if(fields.begin(), fields.end(),
                                    [](QLineEdit* f) { return gui::ShowKeyBox(f) != nullptr; });
    EXPECT_EQ(keys, 5) << "the pre-shared key and four WEP keys";
    for (QLineEdit* field : fields) {
      QCheckBox* box = gui::ShowKeyBox(field);
      if (box == nullptr) continue;
      SCOPED_TRACE(field->objectName().toStdString());
      field->setEnabled(true);
      field->setText(QStringLiteral("sesame 42"));
      EXPECT_FALSE(Heard(field).contains(QStringLiteral("sesame")));
      EXPECT_EQ(field->nextInFocusChain(), box) << "next in the tab order";
      const QWidget* pair = box->parentWidget();
      EXPECT_TRUE(LaysOut(pair->parentWidget()->layout(), pair)) << "where the form put the field";
      EXPECT_EQ(box->accessibleName(), "Show key for " + field->accessibleName());
      box->click();
      EXPECT_TRUE(Heard(field).contains(QStringLiteral("sesame 42"))) << "shown on request";
      dialog->show();
      EXPECT_FALSE(Heard(field).contains(QStringLiteral("sesame"))) << "masked again at opening";
      dialog->hide();
      field->setEnabled(false);
      EXPECT_FALSE(box->isEnabled()) << "usable as its field is";
    }
  }
}

TEST_F(WindowTest, CancelAndEscapeEndASheetWithZero) {
  root.SetUp();
  root.Sheets().SetOnShown([](QDialog& prompt) {
    QTest::mouseClick(prompt.findChild<QPushButton*>("Cancel"), Qt::LeftButton);
    if (prompt.isVisible()) prompt.done(7);  // a Cancel that does nothing fails, not hangs
  });
  EXPECT_EQ(root.Sheets().Run(root.HiddenSSIDWindow()), 0);
  root.Sheets().SetOnShown([](QDialog& editor) { QTest::keyClick(&editor, Qt::Key_Escape); });
  EXPECT_EQ(root.Sheets().Run(root.ProfileEditorWindow()), 0);
}

// The history graph: a short history starts at the left edge instead of a sliver at the right,
// a full one ends at the right; its lines read on a dark theme as on a light one; it takes the
// height a taller window gives; what it shows is told in words.
TEST_F(WindowTest, TheHistoryGraphFillsFromTheLeftReadsOnDarkAndGrowsWithTheWindow) {
  EXPECT_DOUBLE_EQ(gui::SampleX(0, 150, 298.0), 0.0);
  EXPECT_DOUBLE_EQ(gui::SampleX(149, 150, 298.0), 298.0);
  EXPECT_DOUBLE_EQ(gui::SampleX(9, 150, 298.0), 18.0) << "ten samples take ten steps from the left";

  // Contrast of a line against the graph's background (WCAG's ratio of relative luminances).
  const auto luminance = [](const QColor& c) {
    const auto channel = [](double v) {
      return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
  };
  const auto contrast = [&](const QColor& a, const QColor& b) {
    const double x = luminance(a);
    const double y = luminance(b);
    return (std::max(x, y) + 0.05) / (std::min(x, y) + 0.05);
  };
  QPalette dark;
  dark.setColor(QPalette::Base, QColor(0x1e, 0x1e, 0x1e));
  dark.setColor(QPalette::Text, QColor(0xe0, 0xe0, 0xe0));
  dark.setColor(QPalette::Highlight, QColor(0x3d, 0xae, 0xe9));
  for (const QPalette& palette : {QApplication::palette(), dark}) {
    const gui::SeriesColors colors = gui::SeriesColorsFor(palette);
    EXPECT_GE(contrast(colors.link, palette.color(QPalette::Base)), 2.0);
    EXPECT_GE(contrast(colors.signal, palette.color(QPalette::Base)), 2.0);
    EXPECT_NE(colors.link, colors.signal);
  }

  auto* graph = root.Window().findChild<gui::HistoryGraph*>(QStringLiteral("History"));
  ASSERT_NE(graph, nullptr);
  auto* tabs = root.Window().findChild<QTabWidget*>();
  for (int i = 0; i < tabs->count(); ++i) {
    if (tabs->widget(i)->isAncestorOf(graph)) tabs->setCurrentIndex(i);
  }
  root.Window().show();
  root.Window().resize(700, 500);
  QApplication::processEvents();
  const int before = graph->height();
  root.Window().resize(700, 900);
  QApplication::processEvents();
  EXPECT_GE(graph->height(), before + 300) << "the graph, not a spacer, takes the new height";

  std::vector<ui::HistorySample> samples(60, ui::HistorySample{40, 70});
  samples.back() = ui::HistorySample{80, 65};
  graph->SetSamples(samples, 150, 2.0);
  EXPECT_EQ(graph->accessibleDescription().toStdString(),
            "Link quality 80%, signal strength 65%; over the last 2 minutes, link quality 40% to "
            "80%, signal strength 65% to 70%");
  EXPECT_EQ(graph->toolTip(), graph->accessibleDescription());
}

TEST(TextCodec, ANotificationShowsANetworkNameAsWrittenNotAsMarkup) {
  EXPECT_EQ(gui::NotificationBody({EventKind::kJoined, "<b>&\xe9"}).toStdString(),
            "Joined \u201c&lt;b&gt;&amp;\u00e9\u201d.");
  // A name can neither reverse nor break the words around it, and a Latin-1 C1 byte is a control.
  EXPECT_EQ(gui::NotificationBody({EventKind::kJoined,
                                   "\xe2\x80\xae"
                                   "evil\n"})
                .toStdString(),
            "Joined \u201c\\u202Eevil\\x0A\u201d.");
  EXPECT_EQ(gui::NotificationBody({EventKind::kJoined, "\xe9\x9b"}).toStdString(),
            "Joined \u201c\u00e9\\u009B\u201d.");
}

TEST(TextCodec, Utf8ShowsAsItselfOtherBytesOneCharacterEachAndComeBackAsShown) {
  // A leading byte-order mark is part of the name.
  EXPECT_EQ(gui::ToStd(gui::ToQt("\xEF\xBB\xBFname")), "\xEF\xBB\xBFname");
  // Latin-1, an overlong '/', a cut-off euro sign, an encoded surrogate.
  for (const std::string bytes : {"Caf\xE9", "\xC0\xAF", "ab\xE2\x82", "\xED\xA0\x80"}) {
    EXPECT_EQ(gui::ToQt(bytes), QString::fromLatin1(bytes));
  }

  testing::QtTestApp();
  QComboBox box;
  box.setEditable(true);
  gui::QtChoiceList list(&box);
  list.Add("Caf\xE9");
  list.SelectIndex(0);
  // Typed text is UTF-8, so such a name does not survive retyping; a value left as shown does.
  EXPECT_EQ(list.Text(), "Caf\xE9") << "a chosen entry is its own bytes";
  box.setEditText(QString::fromUtf8(u8"Café 2"));
  EXPECT_EQ(list.Text(), "Caf\xC3\xA9 2");
}

TEST(EventHistoryWindowTest, EveryLineOfTheFileIsOneLineShownEscaped) {
  testing::QtTestApp();
  testing::TempFolder folder;
  const prefs::EventLog log(folder.Path());
  // Raw names, as an older version or a hand edit may have left them: one per line.
  std::ofstream file(log.Path(), std::ios::binary);
  for (const auto& name : testing::HostileNames()) file << name.bytes << '\n';
  file.close();
  gui::EventHistoryWindow window(
      nullptr, log, [](bool) {}, [](bool) { return std::string(); });
  window.Open(true, false);
  window.AddLine(testing::HostileNames()[9].bytes);  // a paragraph separator
  const QTextDocument& shown = *window.Lines().document();
  // The "forged line" name's own line feed is a line of the file.
  ASSERT_EQ(shown.blockCount(), static_cast<int>(testing::HostileNames().size()) + 2);
  for (QTextBlock block = shown.begin(); block.isValid(); block = block.next()) {
    EXPECT_EQ(testing::RawHazard(block.text().toStdString()), "") << block.text().toStdString();
  }
}

}  // namespace
}  // namespace netvane
