#include "gui/ControlSet.h"

namespace netvane::gui {

template <typename Wrapper, typename Widget>
Wrapper& ControlSet::Wrap(Widget* widget) {
  auto held = std::make_unique<Held<Wrapper>>(widget);
  Wrapper& wrapper = held->value;
  held_.push_back(std::move(held));
  return wrapper;
}

ui::ChoiceList& ControlSet::ChoiceList(QComboBox* widget) {
  return Wrap<QtChoiceList>(widget);
}
ui::Toggle& ControlSet::Toggle(QAbstractButton* widget) {
  return Wrap<QtToggle>(widget);
}
ui::TextField& ControlSet::TextField(QLineEdit* widget) {
  return Wrap<QtTextField>(widget);
}
ui::Slider& ControlSet::Slider(QSlider* widget) {
  return Wrap<QtSlider>(widget);
}
ui::ProgressBar& ControlSet::ProgressBar(QProgressBar* widget) {
  return Wrap<QtProgressBar>(widget);
}
ui::ImageView& ControlSet::ImageView(QLabel* widget) {
  return Wrap<QtImageView>(widget);
}
ui::Button& ControlSet::Button(QAbstractButton* widget) {
  return Wrap<QtButton>(widget);
}
QtTableView& ControlSet::TableView(QTableView* widget) {
  return Wrap<QtTableView>(widget);
}

}  // namespace netvane::gui
