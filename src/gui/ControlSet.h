// Wraps the widgets of a form into abstract controls, by object name, and keeps the wrappers
// alive. A name that is not in the form is a wiring fault and stops the program.
#pragma once

#include <QWidget>
#include <memory>
#include <vector>

#include "gui/QtControls.h"
#include "gui/QtTableView.h"

namespace netvane::gui {

class ControlSet {
 public:
  ui::ChoiceList& ChoiceList(QWidget* scope, const char* name);
  ui::Toggle& Toggle(QWidget* scope, const char* name);
  ui::TextField& TextField(QWidget* scope, const char* name);
  ui::Slider& Slider(QWidget* scope, const char* name);
  ui::ProgressBar& ProgressBar(QWidget* scope, const char* name);
  ui::ImageView& ImageView(QWidget* scope, const char* name);
  ui::Button& Button(QWidget* scope, const char* name);
  ui::TableView& TableView(QWidget* scope, const char* name);

 private:
  template <typename Wrapper, typename Widget>
  Wrapper& Wrap(QWidget* scope, const char* name);

  struct Holder {
    virtual ~Holder() = default;
  };
  template <typename T>
  struct Held : Holder {
    template <typename... Args>
    explicit Held(Args&&... args) : value(std::forward<Args>(args)...) {}
    T value;
  };
  std::vector<std::unique_ptr<Holder>> held_;
};

}  // namespace netvane::gui
