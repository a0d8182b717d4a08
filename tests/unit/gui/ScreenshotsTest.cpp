// The screenshot mode against cv7000-sim, offscreen: the pictures show data a person meets, and
// taking them waits on nothing.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTableView>
#include <QTest>

#include "gui/CompositionRoot.h"
#include "gui/Screenshots.h"
#include "support/QtTestApp.h"
#include "support/SimHarness.h"
#include "support/TempFolder.h"

namespace netvane {
namespace {

TEST(ScreenshotsTest, TheSheetIsForAChosenWpaNetworkWithAKeyAndTheGraphHoldsMinutes) {
  testing::QtTestApp();
  testing::SimHarness sim;
  sim.Start(R"({"networks": [{"ssid": "CorvaneGuest", "bssid": "02:c0:7a:00:00:01"},
      {"ssid": "CorvaneOffice", "bssid": "02:c0:7a:00:00:05", "security": "wpa-psk",
       "passphrase": "office hours 9 to 5"}]})");
  gui::CompositionRoot root(gui::RootOptions{nullptr, [](unsigned) {}, {}, {}});
  root.SetUp();
  root.Window().show();
  QTableView* list = root.Window().siteSurvey.ApList;
  list->selectRow(0);
  QTest::mouseClick(root.Window().siteSurvey.Connect, Qt::LeftButton);  // the open one

  std::string chosen;
  QString key;
  const auto watch = [&](const QString& name) {
    if (name != QLatin1String("security-sheet")) return;
    chosen = list->selectionModel()->selectedRows(1).value(0).data().toString().toStdString();
    QLineEdit* field = root.SecuritySheet().form.WPAPreSharedKey;
    key = field->echoMode() == QLineEdit::Password ? field->text() : QStringLiteral("shown");
  };
  testing::TempFolder folder;
  ASSERT_TRUE(gui::WriteScreenshots(root, QString::fromStdString(folder.Path()), watch));

  EXPECT_EQ(chosen, "CorvaneOffice");
  EXPECT_FALSE(key.isEmpty()) << "typed, and masked";
  EXPECT_NE(key, "shown");
  const QString graph = root.Window().findChild<QWidget*>("History")->accessibleDescription();
  EXPECT_TRUE(graph.contains("over the last 4 minutes")) << graph.toStdString();
  EXPECT_FALSE(root.SecuritySheet().isVisible()) << "cancelled, not left open";
}

}  // namespace
}  // namespace netvane
