// Text between the window and the bytes: what network names look like, what typed text
// becomes, and both through the real widgets against cv7000-sim.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleTableInterface>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <array>

#include "driver/Oids.h"
#include "gui/QtTestApp.h"
#include "platform/qt/CompositionRoot.h"
#include "platform/qt/QtControls.h"
#include "platform/qt/TextCodec.h"
#include "support/SimHarness.h"

namespace netvane {
namespace {

class SurveyTextTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { testing::QtTestApp(); }
  void SetUp() override {
    sim.Start(R"({"networks": [
        {"ssid": "Café Ω", "bssid": "02:c0:7a:00:00:01"},
        {"ssid": "Ωmega", "bssid": "02:c0:7a:00:00:02", "hidden": true}]})");
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

  testing::SimHarness sim;  // first: points the registry at its own folder
  std::optional<qt::CompositionRoot> root;
  QTableView* table = nullptr;
};

TEST_F(SurveyTextTest, Utf8NameReadsBackThroughAccessibility) {
  const int row = RowOf(QString::fromUtf8(u8"Café Ω"));
  ASSERT_GE(row, 0);
  QAccessibleInterface* view = QAccessible::queryAccessibleInterface(table);
  ASSERT_NE(view, nullptr);
  ASSERT_NE(view->tableInterface(), nullptr);
  QAccessibleInterface* cell = view->tableInterface()->cellAt(row, 1);
  ASSERT_NE(cell, nullptr);
  EXPECT_EQ(cell->text(QAccessible::Name), QString::fromUtf8(u8"Café Ω"));
}

TEST_F(SurveyTextTest, TypedHiddenNameGoesOutAsUtf8AndItsLimitIsInBytes) {
  const int hidden = RowOf(QString());
  ASSERT_GE(hidden, 0);
  QStringList alerts;
  root->Alert().SetOnShown([&](QMessageBox& box) {
    alerts << box.informativeText();
    box.accept();
  });
  root->Sheets().SetOnShown([](QDialog& prompt) {
    auto* name = prompt.findChild<QLineEdit*>("HiddenSSIDText");
    auto* ok = prompt.findChild<QPushButton*>("OK");
    const auto attempt = [&](const QString& typed) {
      name->clear();
      for (const QChar c : typed) {
        QTest::sendKeyEvent(QTest::Click, name, Qt::Key_unknown, QString(c), Qt::NoModifier);
      }
      QTest::mouseClick(ok, Qt::LeftButton);
    };
    // Eleven characters, 33 bytes; then 33 characters: both refused, and the prompt stays.
    attempt(QString(11, QChar(0x20AC)));
    attempt(QString(33, QLatin1Char('x')));
    attempt(QString::fromUtf8(u8"Ωmega"));
  });

  table->selectRow(hidden);
  ::testing::internal::CaptureStderr();
  QTest::mouseClick(root->Window().siteSurvey.Connect, Qt::LeftButton);
  ::testing::internal::GetCapturedStderr();

  ASSERT_EQ(alerts.size(), 2);
  EXPECT_TRUE(alerts[0].contains(QStringLiteral("32 bytes"))) << alerts[0].toStdString();
  // The simulator joins only on the network's own bytes.
  NDIS_802_11_SSID joined{};
  uint32_t returned = 0;
  root->Adapter().OidQueryInformation(OID_802_11_SSID, &joined, sizeof joined, &returned);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(joined.Ssid), joined.SsidLength),
            "\xCE\xA9mega");
}

}  // namespace
}  // namespace netvane
