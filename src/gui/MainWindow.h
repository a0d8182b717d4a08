// The main window: a tab view of the six pages, each laid out from its own form.
#pragma once

#include <QCloseEvent>
#include <QMainWindow>
#include <QTabWidget>
#include <functional>

#include "ui_AboutPage.h"
#include "ui_AdvancePage.h"
#include "ui_LinkStatusPage.h"
#include "ui_MainWindow.h"
#include "ui_ProfilePage.h"
#include "ui_SiteSurveyPage.h"
#include "ui_StatisticsPage.h"

namespace netvane::gui {

// Tab indexes, in the order of the window.
enum class Page { Profile = 0, LinkStatus, SiteSurvey, Statistics, Advance, About };
inline constexpr int kPageCount = 6;

class MainWindow : public QMainWindow {
 public:
  MainWindow();

  QTabWidget* Tabs() const { return main_.TabView; }
  // Above the pages: shown while there is no adapter.
  QLabel* AdapterState() const { return main_.AdapterState; }
  QWidget* PageWidget(Page page) const { return main_.TabView->widget(static_cast<int>(page)); }
  // Shown, restored from the taskbar and raised over other windows.
  void BringToFront();
  // While `keepRunning` says so (an icon in the tray), closing the window hides it instead:
  // the program goes on watching the connection, and the tray's menu quits it.
  void HideOnClose(std::function<bool()> keepRunning) { keepRunning_ = std::move(keepRunning); }

  Ui::SiteSurveyPage siteSurvey{};
  Ui::ProfilePage profile{};
  Ui::LinkStatusPage linkStatus{};
  Ui::StatisticsPage statistics{};
  Ui::AdvancePage advance{};
  Ui::AboutPage about{};

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  Ui::MainWindow main_{};
  std::function<bool()> keepRunning_;
};

}  // namespace netvane::gui
