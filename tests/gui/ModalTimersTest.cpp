// Start-up of the real window without an adapter, and the rule that repeating timers stay
// silent while a sheet or an alert runs modally (ticks dropped, not queued).
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <string>

#include "fake_driver/FakeUserClient.h"
#include "gui/QtTestApp.h"
#include "platform/qt/CompositionRoot.h"
#include "state/SharedState.h"

namespace netvane {
namespace {

class ModalTimersTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { testing::QtTestApp(); }
  void SetUp() override {
    root.SetUp();  // the adapter is there: every poll tick asks the driver
    driver.calls.clear();
  }

  // Delivers one expiry to every timer, as the event loop would.
  void TickAll() {
    for (qt::QtRepeatingTimer* t : root.Timers()) t->OnTimeout();
  }

  testing::FakeUserClient driver;
  qt::CompositionRoot root{{&driver, [](unsigned) {}}};
};

TEST(WindowStartTest, StartWithoutAdapterShowsSiteSurveyAndTakesTheAdapterUpLater) {
  testing::QtTestApp();
  testing::FakeUserClient driver;
  driver.services.clear();
  qt::CompositionRoot root{{&driver, [](unsigned) {}}};
  root.Window().Tabs()->setCurrentIndex(0);
  root.SetUp();

  EXPECT_EQ(root.Window().Tabs()->currentIndex(), 2);
  EXPECT_EQ(root.State().G_bDeviceExist, 0);
  EXPECT_TRUE(root.PollTimer().IsRunning());
  EXPECT_EQ(root.Window().advance.Radio->text().remove('&'), "Radio Off")
      << "the form's own title: no page was brought up";

  driver.services = {"0"};
  root.PollTimer().OnTimeout();
  EXPECT_EQ(root.State().G_bDeviceExist, 1);
  // The radio state is a picture and a button title; a screen reader hears both.
  QWidget* picture = root.Window().advance.RadioSwitchPic;
  EXPECT_EQ(QAccessible::queryAccessibleInterface(picture)->text(QAccessible::Description),
            root.State().G_bRadio != 0 ? "Radio on" : "Radio off");
  QPushButton* radio = root.Window().advance.Radio;
  EXPECT_EQ(QAccessible::queryAccessibleInterface(radio)->text(QAccessible::Description),
            radio->text().remove('&'));
}

TEST_F(ModalTimersTest, NoTimerFiresWhileASheetRunsAndCancelEndsItWithZero) {
  size_t callsDuringSheet = 0;
  int depthDuringSheet = 0;
  root.Sheets().SetOnShown([&](QDialog& dialog) {
    depthDuringSheet = root.Modal().Depth();
    TickAll();
    callsDuringSheet = driver.calls.size();
    QTest::mouseClick(dialog.findChild<QPushButton*>("Cancel"), Qt::LeftButton);
  });

  const int code = root.Sheets().Run(root.HiddenSSIDWindow());

  EXPECT_EQ(code, 0);
  EXPECT_EQ(depthDuringSheet, 1);
  EXPECT_EQ(callsDuringSheet, 0U);
  for (qt::QtRepeatingTimer* t : root.Timers()) {
    if (t->IsRunning()) {
      EXPECT_EQ(t->DroppedTicks(), 1);
    }
  }
  EXPECT_FALSE(root.HiddenSSIDPrompt().isVisible());
  EXPECT_EQ(root.Modal().Depth(), 0);

  root.PollTimer().OnTimeout();
  EXPECT_FALSE(driver.calls.empty()) << "the poll resumes once the sheet is gone";
}

TEST_F(ModalTimersTest, SheetReturnsTheCodeItsControllerEndedTheRunWith) {
  root.Sheets().SetOnShown([&](QDialog&) { root.Sheets().StopModal(1); });
  EXPECT_EQ(root.Sheets().Run(root.SecuritySheetWindow()), 1);
  root.Sheets().SetOnShown([&](QDialog& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); });
  EXPECT_EQ(root.Sheets().Run(root.ProfileEditorWindow()), 0) << "Escape means Cancel";
}

// A window-modal sheet stops the mouse and keys on the main window, not a screen reader's
// press or a second run started in code.
TEST_F(ModalTimersTest, WhileASheetRunsTheWindowIsDisabledAndTheSheetCannotRunTwice) {
  qt::MainWindow& window = root.Window();
  window.show();
  QApplication::setActiveWindow(&window);
  window.siteSurvey.ApList->setFocus();
  QAccessibleInterface* connect = QAccessible::queryAccessibleInterface(window.siteSurvey.Connect);
  bool disabled = false;
  bool pressed = true;  // a press under way would click a moment later
  int nested = -1;
  bool stillShown = false;
  root.Sheets().SetOnShown([&](QDialog& sheet) {
    disabled = connect->state().disabled;
    connect->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    pressed = connect->state().pressed;
    nested = root.Sheets().Run(root.SecuritySheetWindow());
    stillShown = sheet.isVisible();
    root.Sheets().StopModal(1);
  });
  ::testing::internal::CaptureStderr();
  EXPECT_EQ(root.Sheets().Run(root.SecuritySheetWindow()), 1);
  EXPECT_EQ(::testing::internal::GetCapturedStderr().find("Recursive"), std::string::npos);

  EXPECT_TRUE(disabled);
  EXPECT_FALSE(pressed);
  EXPECT_EQ(nested, 0);
  EXPECT_TRUE(stillShown);
  EXPECT_FALSE(connect->state().disabled);
  EXPECT_FALSE(window.siteSurvey.AddProfile->isEnabled()) << "disabled on its own, stays so";
  EXPECT_EQ(window.focusWidget(), window.siteSurvey.ApList);
}

TEST_F(ModalTimersTest, NoTimerFiresWhileAnAlertRunsAndItHasOneOkButton) {
  size_t callsDuringAlert = 0;
  int buttons = 0;
  QString text;
  root.Alert().SetOnShown([&](QMessageBox& box) {
    TickAll();
    callsDuringAlert = driver.calls.size();
    buttons = static_cast<int>(box.buttons().size());
    text = box.buttons().front()->text();
    box.buttons().front()->click();
  });

  root.Alert().Run("EEPRON error!!", "EEPROM Version error. Please update EEPROM contents.");

  EXPECT_EQ(callsDuringAlert, 0U);
  EXPECT_EQ(buttons, 1);
  EXPECT_EQ(text, "OK");
  EXPECT_EQ(root.Modal().Depth(), 0);
}

}  // namespace
}  // namespace netvane
