// Start-up of the real window without an adapter, and the rule that repeating timers stay
// silent while a sheet or an alert runs modally (ticks dropped, not queued).
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <string>
#include <vector>

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
  // The radio state shows as a picture and a button title; a screen reader hears both.
  const QString title = root.Window().advance.Radio->text().remove('&');
  const auto description = [](QWidget* w) {
    return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Description);
  };
  EXPECT_EQ(description(root.Window().advance.RadioSwitchPic),
            title == "Radio Off" ? "Radio on" : "Radio off");
  EXPECT_EQ(description(root.Window().advance.Radio), title);
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
  QWidget* connect = root.Window().siteSurvey.Connect;
  QWidget* addProfile = root.Window().siteSurvey.AddProfile;
  root.Window().show();
  QApplication::setActiveWindow(&root.Window());
  root.Window().siteSurvey.ApList->setFocus();
  const std::vector<QAccessibleInterface*> mainControls = {
      QAccessible::queryAccessibleInterface(connect),
      QAccessible::queryAccessibleInterface(root.Window().siteSurvey.ApList),
      QAccessible::queryAccessibleInterface(root.Window().Tabs())};

  int nested = -1;
  bool stillShown = false;
  root.Sheets().SetOnShown([&](QDialog& sheet) {
    for (QAccessibleInterface* control : mainControls) {
      EXPECT_TRUE(control->state().disabled) << qPrintable(control->text(QAccessible::Name));
    }
    mainControls.front()->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_FALSE(mainControls.front()->state().pressed) << "no click may be under way";
    nested = root.Sheets().Run(root.SecuritySheetWindow());
    stillShown = sheet.isVisible();
    root.Sheets().StopModal(1);
  });
  ::testing::internal::CaptureStderr();
  const int code = root.Sheets().Run(root.SecuritySheetWindow());
  const std::string messages = ::testing::internal::GetCapturedStderr();

  EXPECT_EQ(nested, 0);
  EXPECT_TRUE(stillShown);
  EXPECT_EQ(code, 1) << "the open run ends the way its controller ends it";
  EXPECT_EQ(messages.find("Recursive"), std::string::npos) << messages;
  EXPECT_TRUE(connect->isEnabled());
  EXPECT_FALSE(addProfile->isEnabled()) << "a control disabled on its own stays so";
  EXPECT_EQ(root.Window().focusWidget(), root.Window().siteSurvey.ApList);
}

TEST_F(ModalTimersTest, NoTimerFiresWhileAnAlertRunsAndItHasOneOkButton) {
  size_t callsDuringAlert = 0;
  bool windowEnabledDuringAlert = true;
  int buttons = 0;
  QString text;
  root.Alert().SetOnShown([&](QMessageBox& box) {
    TickAll();
    callsDuringAlert = driver.calls.size();
    windowEnabledDuringAlert = root.Window().Tabs()->isEnabled();
    buttons = static_cast<int>(box.buttons().size());
    text = box.buttons().front()->text();
    box.buttons().front()->click();
  });

  root.Alert().Run("EEPRON error!!", "EEPROM Version error. Please update EEPROM contents.");

  EXPECT_EQ(callsDuringAlert, 0U);
  EXPECT_EQ(buttons, 1);
  EXPECT_EQ(text, "OK");
  EXPECT_EQ(root.Modal().Depth(), 0);
  EXPECT_FALSE(windowEnabledDuringAlert);
  EXPECT_TRUE(root.Window().Tabs()->isEnabled());
}

}  // namespace
}  // namespace netvane
