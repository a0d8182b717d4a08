// A window a page runs as a sheet (a dialog on the main window).
#pragma once

#include <string>

namespace netvane::ui {

class Window {
 public:
  Window() = default;
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;
  virtual ~Window() = default;

  // Redraws the window with its controls' current contents.
  virtual void Update() = 0;
  // A name for logs and tests.
  virtual std::string Name() const = 0;
};

}  // namespace netvane::ui
