// Wraps the widgets of a form into abstract controls and keeps the wrappers alive. The widgets
// come from the forms' generated classes, so a control missing from a form does not compile.
#pragma once

#include <QWidget>
#include <memory>
#include <vector>

#include "gui/QtControls.h"
#include "gui/QtTableView.h"

namespace netvane::gui {

class ControlSet {
 public:
  ui::ChoiceList& ChoiceList(QComboBox* widget);
  ui::Toggle& Toggle(QAbstractButton* widget);
  ui::TextField& TextField(QLineEdit* widget);
  ui::Slider& Slider(QSlider* widget);
  ui::ProgressBar& ProgressBar(QProgressBar* widget);
  ui::ImageView& ImageView(QLabel* widget);
  ui::Button& Button(QAbstractButton* widget);
  QtTableView& TableView(QTableView* widget);

 private:
  template <typename Wrapper, typename Widget>
  Wrapper& Wrap(Widget* widget);

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
