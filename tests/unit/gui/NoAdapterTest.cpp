// No adapter is a state the window shows: the line above the pages and what to do, or the
// registry folder refused and why; the driver's actions disabled until the simulator starts
// (an insertion), and what a screen reader hears of both.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <QAccessible>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <string>

#include "gui/AdapterNotice.h"
#include "gui/CompositionRoot.h"
#include "support/QtTestApp.h"
#include "support/SimHarness.h"

namespace netvane::gui {
namespace {

QString Heard(QWidget* widget, QAccessible::Text what = QAccessible::Name) {
  return QAccessible::queryAccessibleInterface(widget)->text(what);
}

TEST(NoAdapterTest, TheWindowSaysWhatToDoAndActsAgainOnceTheAdapterIsThere) {
  testing::QtTestApp();
  testing::SimHarness sim;  // not started: no driver service
  CompositionRoot root{{nullptr, [](unsigned) {}, {}, {}}};
  root.SetUp();
  root.Window().show();
  MainWindow& w = root.Window();
  QLabel* line = w.AdapterState();

  EXPECT_TRUE(line->isVisible());
  EXPECT_EQ(Heard(line).toStdString(), AdapterNotice::kNoAdapter);
  EXPECT_EQ(line->focusPolicy(), Qt::TabFocus);
  for (QWidget* action :
       {static_cast<QWidget*>(w.siteSurvey.Connect), static_cast<QWidget*>(w.siteSurvey.Rescan),
        static_cast<QWidget*>(w.profile.Activate), w.PageWidget(Page::Advance)}) {
    EXPECT_FALSE(action->isEnabled()) << action->objectName().toStdString();
    EXPECT_EQ(Heard(action, QAccessible::Description).toStdString(), AdapterNotice::kUnavailable);
  }
  // Only the driver's actions: profiles can still be edited.
  EXPECT_TRUE(w.profile.Add->isEnabled());

  sim.Start();
  root.Controller().OnTimer();
  EXPECT_FALSE(line->isVisible());
  EXPECT_TRUE(w.siteSurvey.Connect->isEnabled());
  EXPECT_EQ(Heard(w.siteSurvey.Connect, QAccessible::Description), "");
  EXPECT_TRUE(w.PageWidget(Page::Advance)->isEnabled());
  // A control the page keeps disabled itself stays so.
  EXPECT_FALSE(w.advance.Apply->isEnabled());

  // Taken out again: the line comes back.
  sim.Stop();
  root.Controller().OnTimer();
  EXPECT_TRUE(line->isVisible());
  EXPECT_FALSE(w.siteSurvey.Connect->isEnabled());
}

TEST(NoAdapterTest, ARefusedRegistryFolderIsNamedOnThePage) {
  testing::QtTestApp();
  testing::SimHarness sim;
  const std::string registry = sim.Dir() + "/run/netvane";
  ASSERT_EQ(mkdir(registry.c_str(), 0700), 0);
  chmod(registry.c_str(), 0777);
  CompositionRoot root{{nullptr, [](unsigned) {}, {}, {}}};
  root.Alert().SetOnShown([](QMessageBox& box) { box.accept(); });
  root.SetUp();
  root.Window().show();

  EXPECT_TRUE(root.Window().AdapterState()->isVisible());
  EXPECT_EQ(Heard(root.Window().AdapterState()).toStdString(),
            "Netvane cannot look for the adapter. Not using " + registry +
                ": others may write to it (mode 0777).");
  EXPECT_FALSE(root.Window().siteSurvey.Connect->isEnabled());
}

}  // namespace
}  // namespace netvane::gui
