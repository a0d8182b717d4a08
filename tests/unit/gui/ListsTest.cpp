// The lists through the real window over the fake driver, offscreen: sorting by a column
// header or the keyboard, the page's rows kept right under any order, the network selection
// across Rescan, and the window's place, page and sorts carried from one window to the next
// through the user defaults.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAction>
#include <QHeaderView>
#include <QTableView>
#include <QTest>
#include <functional>
#include <optional>

#include "fake_driver/FakeUserClient.h"
#include "gui/CompositionRoot.h"
#include "gui/TextCodec.h"
#include "gui/WindowMemory.h"
#include "support/QtTestApp.h"
#include "support/TempFolder.h"
#include "support/survey/ScanListBuilder.h"

namespace netvane {
namespace {

constexpr int kSsidColumn = 1;
constexpr int kSignalColumn = 3;

class ListsTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { testing::QtTestApp(); }
  void SetUp() override { Start(); }

  void Start() {
    root.emplace(
        gui::RootOptions{&driver, [](unsigned) {}, prefs.Path(), {prefs.Path() + "/state", {}}});
    root->SetUp();
    table = root->Window().siteSurvey.ApList;
  }
  // What a rescan brings in: these networks, in this order.
  void Scan(const std::vector<testing::Network>& networks) {
    testing::InstallScanList(root->State(), networks);
    root->SiteSurvey().RefreshAPList(nullptr);
  }
  // The SSIDs as shown, top to bottom.
  QStringList Shown() const {
    QStringList ssids;
    for (int r = 0; r < table->model()->rowCount(); ++r) {
      ssids << table->model()->index(r, kSsidColumn).data().toString();
    }
    return ssids;
  }
  std::string SelectedSsid() {
    const int row = root->NetworkList().SelectedRow();
    if (row < 0) return "(none)";
    return root->SiteSurvey().Table().Rows()[static_cast<std::size_t>(row)].SSID();
  }
  void ClickHeader(int column) {
    QHeaderView* header = table->horizontalHeader();
    const QPoint at(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                    header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
  }
  QString HeaderSpoken(int column) const {
    QAccessibleInterface* view = QAccessible::queryAccessibleInterface(table);
    int i = 0;
    while (view->child(i)->role() != QAccessible::ColumnHeader) ++i;
    return view->child(i + column)->text(QAccessible::Name);
  }
  QAction* Action(const QString& text) const {
    for (QAction* action : table->actions()) {
      if (action->text() == text) return action;
    }
    return nullptr;
  }

  // Signal qualities 29, 7 and 100: as text they would sort 100, 29, 7.
  const std::vector<testing::Network> found = {{.ssid = "Middle", .tag = 1, .rssi = -78},
                                               {.ssid = "Weak", .tag = 2, .rssi = -87},
                                               {.ssid = "Strong", .tag = 3, .rssi = -40}};

  testing::FakeUserClient driver;
  testing::TempFolder prefs;
  std::optional<gui::CompositionRoot> root;
  QTableView* table = nullptr;
};

TEST_F(ListsTest, HeaderClicksAndTheContextMenuSortSignalAsNumbersAfterTheDriversOrder) {
  Scan(found);
  EXPECT_EQ(Shown(), QStringList({"Middle", "Weak", "Strong"}));
  EXPECT_EQ(HeaderSpoken(kSignalColumn), "Signal (%)");

  ClickHeader(kSignalColumn);
  EXPECT_EQ(Shown(), QStringList({"Weak", "Middle", "Strong"}));
  EXPECT_EQ(HeaderSpoken(kSignalColumn), "Signal (%), sorted ascending");
  ClickHeader(kSignalColumn);
  EXPECT_EQ(Shown(), QStringList({"Strong", "Middle", "Weak"}));
  EXPECT_EQ(HeaderSpoken(kSignalColumn), "Signal (%), sorted descending");

  // The page reads and selects its own rows whatever the order shown.
  table->selectRow(0);
  EXPECT_EQ(SelectedSsid(), "Strong");
  root->NetworkList().SelectRow(1);  // the page's second row
  EXPECT_EQ(table->selectionModel()->selectedRows().at(0).row(), 2);

  // A third click goes back to the order found.
  ClickHeader(kSignalColumn);
  EXPECT_EQ(Shown(), QStringList({"Middle", "Weak", "Strong"}));
  EXPECT_EQ(HeaderSpoken(kSignalColumn), "Signal (%)");

  // The same without a mouse, from the context menu.
  ASSERT_EQ(table->contextMenuPolicy(), Qt::ActionsContextMenu);
  QAction* bySignal = Action("Sort by Signal (%)");
  QAction* asFound = Action("Order as found");
  ASSERT_TRUE(bySignal != nullptr && asFound != nullptr);
  bySignal->trigger();
  EXPECT_EQ(Shown(), QStringList({"Weak", "Middle", "Strong"}));
  EXPECT_EQ(table->horizontalHeader()->sortIndicatorSection(), kSignalColumn);
  asFound->trigger();
  EXPECT_EQ(Shown(), QStringList({"Middle", "Weak", "Strong"}));
}

TEST_F(ListsTest, TheSelectionFollowsItsNetworkAcrossRescan) {
  Scan(found);
  root->NetworkList().SelectRow(1);
  ASSERT_EQ(SelectedSsid(), "Weak");

  // The driver lists the same networks in another order, and a new one first.
  Scan({{.ssid = "New", .tag = 9},
        {.ssid = "Strong", .tag = 3, .rssi = -40},
        {.ssid = "Weak", .tag = 2, .rssi = -87},
        {.ssid = "Middle", .tag = 1, .rssi = -78}});
  EXPECT_EQ(SelectedSsid(), "Weak");

  // Sorted, too.
  ClickHeader(kSignalColumn);
  Scan(found);
  EXPECT_EQ(SelectedSsid(), "Weak");
  EXPECT_EQ(Shown().at(table->selectionModel()->selectedRows().at(0).row()), "Weak");

  // Gone from the scan: nothing is selected, rather than whatever took its row.
  Scan({{.ssid = "Middle", .tag = 1}, {.ssid = "Strong", .tag = 3}});
  EXPECT_EQ(SelectedSsid(), "(none)");
}

// The place, page and sorts carried to the next window; stored values it cannot use ignored.
TEST_F(ListsTest, TheNextWindowOpensWhereTheLastWasLeft) {
  const QRect fresh = root->Window().geometry();
  const int startTab = root->Window().Tabs()->currentIndex();
  const QSize size = root->Window().minimumSizeHint().expandedTo({500, 400}) + QSize(10, 10);
  const QRect placed(QPoint(30, 20), size);
  root->Window().setGeometry(placed);
  root->Window().Tabs()->setCurrentIndex(static_cast<int>(gui::Page::Statistics));
  root->NetworkList().SortBy("Signal", Qt::DescendingOrder);
  root->ProfileList().SortBy("SSID", Qt::AscendingOrder);
  root.reset();
  Start();
  EXPECT_EQ(root->Window().geometry(), placed);
  EXPECT_EQ(root->Window().Tabs()->currentIndex(), static_cast<int>(gui::Page::Statistics));
  EXPECT_EQ(root->NetworkList().SortColumn(), "Signal");
  EXPECT_EQ(root->NetworkList().SortOrder(), Qt::DescendingOrder);
  EXPECT_EQ(root->ProfileList().SortColumn(), "SSID");
  Scan(found);
  EXPECT_EQ(Shown(), QStringList({"Strong", "Middle", "Weak"}));

  const auto startWith = [this](const std::function<void(prefs::UserDefaults&)>& values) {
    root.reset();
    prefs::PrefsFolder folder(prefs.Path());
    ASSERT_TRUE(prefs::UserDefaults(folder).Store(values));
    Start();
  };
  startWith([](prefs::UserDefaults& d) {
    d.SetString(gui::WindowMemory::kGeometryKey, "wide and tall");
    d.SetInteger(gui::WindowMemory::kTabKey, 99);
    d.SetString("Network Sort Column", "Signal");
    d.SetString("Network Sort Order", "sideways");
    d.SetString("Profile Sort Column", "Nonsense");
    d.SetString("Profile Sort Order", "ascending");
  });
  EXPECT_EQ(root->Window().geometry(), fresh);
  EXPECT_EQ(root->Window().Tabs()->currentIndex(), startTab);
  EXPECT_EQ(root->NetworkList().SortColumn(), "");
  EXPECT_EQ(root->ProfileList().SortColumn(), "");

  // A place off every screen (a monitor since unplugged): the size is kept, not the place.
  startWith([&](prefs::UserDefaults& d) {
    d.SetString(gui::WindowMemory::kGeometryKey, "-9000 -9000 " + std::to_string(size.width()) +
                                                     " " + std::to_string(size.height()));
  });
  EXPECT_EQ(root->Window().size(), size);
  EXPECT_EQ(root->Window().pos(), fresh.topLeft());

  // Left maximized: opens maximized, and its normal size is the one it had before.
  root->Window().setGeometry(placed);
  root->Window().showMaximized();
  root.reset();
  Start();
  EXPECT_TRUE(root->Window().isMaximized());
  EXPECT_EQ(root->Window().normalGeometry().size(), size);
}

}  // namespace
}  // namespace netvane
