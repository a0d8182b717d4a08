#include "gui/MainWindow.h"

#include "gui/AccessibleNames.h"
#include "gui/NamedImages.h"

namespace netvane::gui {

MainWindow::MainWindow() {
  InitResources();  // the forms refer to the images
  main_.setupUi(this);
  profile.setupUi(PageWidget(Page::Profile));
  linkStatus.setupUi(PageWidget(Page::LinkStatus));
  siteSurvey.setupUi(PageWidget(Page::SiteSurvey));
  statistics.setupUi(PageWidget(Page::Statistics));
  advance.setupUi(PageWidget(Page::Advance));
  about.setupUi(PageWidget(Page::About));
  DescribeUnlabelledChoices(this);
  setWindowIcon(ApplicationIcon());
  // Arrow keys and Ctrl+Tab move between pages; each page's own tab order follows.
  main_.TabView->setFocusPolicy(Qt::StrongFocus);
}

void MainWindow::BringToFront() {
  setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
  show();
  raise();
  activateWindow();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (keepRunning_ && keepRunning_()) {
    hide();
    event->ignore();
    return;
  }
  QMainWindow::closeEvent(event);
}

}  // namespace netvane::gui
