// One connect as a person makes it, through the real window, the real security sheet and the
// real composition root, offscreen, against cv7000-sim.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include "driver/Oids.h"
#include "gui/QtTestApp.h"
#include "platform/qt/CompositionRoot.h"
#include "state/SharedState.h"
#include "support/SimHarness.h"

namespace netvane {
namespace {

class ConnectTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { testing::QtTestApp(); }
  void SetUp() override {
    sim.Start();
    root.emplace(qt::RootOptions{nullptr, [](unsigned) {}});
    root->SetUp();
    root->Window().show();
    table = root->Window().siteSurvey.ApList;
  }
  void TearDown() override { root.reset(); }

  int RowOf(const QString& ssid) const {
    for (int r = 0; r < table->model()->rowCount(); ++r) {
      if (table->model()->index(r, 1).data().toString() == ssid) return r;
    }
    return -1;
  }
  bool Associated() {
    uint32_t state = NdisMediaStateDisconnected;
    uint32_t returned = 0;
    root->Adapter().OidQueryInformation(OID_GEN_MEDIA_CONNECT_STATUS, &state, 4, &returned);
    return state == NdisMediaStateConnected;
  }
  bool Marked(int row) const {
    return !table->model()->index(row, 0).data(Qt::DecorationRole).isNull();
  }
  // As a screen reader hears a cell of the mark column, or its header for row -1.
  QString MarkSpoken(int row) const {
    QAccessibleInterface* view = QAccessible::queryAccessibleInterface(table);
    if (row >= 0) return view->tableInterface()->cellAt(row, 0)->text(QAccessible::Name);
    int i = 0;
    while (view->child(i)->role() != QAccessible::ColumnHeader) ++i;
    return view->child(i)->text(QAccessible::Name);
  }
  void TickSurvey() {
    for (qt::QtRepeatingTimer* t : root->Timers()) t->OnTimeout();
  }

  testing::SimHarness sim;  // first: points the registry at its own folder
  std::optional<qt::CompositionRoot> root;
  QTableView* table = nullptr;
};

TEST_F(ConnectTest, ConnectButtonSecuritySheetAndOkThroughTheWidgets) {
  const int home = RowOf("CorvaneHome");
  ASSERT_GE(home, 0);
  QString authShown;
  QString encryShown;
  bool pskEnabled = false;
  root->Sheets().SetOnShown([&](QDialog& sheet) {
    authShown = sheet.findChild<QComboBox*>("AuthenType")->currentText();
    encryShown = sheet.findChild<QComboBox*>("EncryType")->currentText();
    auto* psk = sheet.findChild<QLineEdit*>("WPAPreSharedKey");
    pskEnabled = psk->isEnabled();
    QTest::keyClicks(psk, "home sweet corvane");
    QTest::mouseClick(sheet.findChild<QPushButton*>("OK"), Qt::LeftButton);
  });

  table->selectRow(home);
  ::testing::internal::CaptureStderr();
  QTest::mouseClick(root->Window().siteSurvey.Connect, Qt::LeftButton);
  ::testing::internal::GetCapturedStderr();

  EXPECT_EQ(authShown, "WPA-PSK");
  EXPECT_EQ(encryShown, "TKIP");
  EXPECT_TRUE(pskEnabled);
  EXPECT_FALSE(root->SecuritySheet().isVisible());
  EXPECT_TRUE(Associated());

  ::testing::internal::CaptureStderr();
  TickSurvey();
  ::testing::internal::GetCapturedStderr();
  EXPECT_TRUE(Marked(home));
  EXPECT_FALSE(Marked(RowOf("CorvaneGuest")));
  EXPECT_EQ(MarkSpoken(-1), "Status");
  EXPECT_EQ(MarkSpoken(home), "Connected");
  EXPECT_EQ(MarkSpoken(RowOf("CorvaneGuest")), "");

  // Enter on a selected row connects as a double click does: here, the sheet for a WEP key.
  QStringList sheetsShown;
  root->Sheets().SetOnShown([&](QDialog& sheet) {
    sheetsShown << sheet.objectName();
    sheet.reject();
  });
  table->selectRow(RowOf("CorvaneLegacy"));
  QTest::keyClick(table, Qt::Key_Return);
  EXPECT_EQ(sheetsShown, QStringList({"SecuritySheet"}));

  // A double click on an open network connects without a sheet.
  const int guest = RowOf("CorvaneGuest");
  root->Sheets().SetOnShown([](QDialog& sheet) { sheet.reject(); });
  const QRect cell = table->visualRect(table->model()->index(guest, 1));
  ::testing::internal::CaptureStderr();
  QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
  QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, cell.center());
  ::testing::internal::GetCapturedStderr();
  EXPECT_TRUE(Associated());
  uint8_t bssid[6] = {};
  uint32_t returned = 0;
  root->Adapter().OidQueryInformation(OID_802_11_BSSID, bssid, 6, &returned);
  EXPECT_EQ(bssid[5], 0x01) << "CorvaneGuest";
}

}  // namespace
}  // namespace netvane
