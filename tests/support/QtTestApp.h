// One QApplication for the whole test program (Qt allows only one per process).
#pragma once

#include <QApplication>

namespace netvane::testing {

inline QApplication& QtTestApp() {
  static int argc = 1;
  static char name[] = "netvane-gui-test";
  static char* argv[] = {name, nullptr};
  // Never destroyed: tearing Qt down at exit races its own global destructors.
  static QApplication* app = new QApplication(argc, argv);
  return *app;
}

}  // namespace netvane::testing
