// The program: everything happens inside the window toolkit's application entry.
#include "gui/ApplicationMain.h"

int main(int argc, char** argv) {
  return netvane::gui::ApplicationMain(argc, argv);
}
