#include "gui/ControlSet.h"

#include <cstdio>
#include <cstdlib>

namespace netvane::gui {

template <typename Wrapper, typename Widget>
Wrapper& ControlSet::Wrap(QWidget* scope, const char* name) {
  auto* widget = scope->findChild<Widget*>(QString::fromLatin1(name));
  if (widget == nullptr) {
    std::fprintf(stderr, "netvane: the form %s has no control %s of the expected kind\n",
                 qPrintable(scope->objectName()), name);
    std::abort();
  }
  auto held = std::make_unique<Held<Wrapper>>(widget);
  Wrapper& wrapper = held->value;
  held_.push_back(std::move(held));
  return wrapper;
}

ui::ChoiceList& ControlSet::ChoiceList(QWidget* scope, const char* name) {
  return Wrap<QtChoiceList, QComboBox>(scope, name);
}
ui::Toggle& ControlSet::Toggle(QWidget* scope, const char* name) {
  return Wrap<QtToggle, QAbstractButton>(scope, name);
}
ui::TextField& ControlSet::TextField(QWidget* scope, const char* name) {
  return Wrap<QtTextField, QLineEdit>(scope, name);
}
ui::Slider& ControlSet::Slider(QWidget* scope, const char* name) {
  return Wrap<QtSlider, QSlider>(scope, name);
}
ui::ProgressBar& ControlSet::ProgressBar(QWidget* scope, const char* name) {
  return Wrap<QtProgressBar, QProgressBar>(scope, name);
}
ui::ImageView& ControlSet::ImageView(QWidget* scope, const char* name) {
  return Wrap<QtImageView, QLabel>(scope, name);
}
ui::Button& ControlSet::Button(QWidget* scope, const char* name) {
  return Wrap<QtButton, QAbstractButton>(scope, name);
}
ui::TableView& ControlSet::TableView(QWidget* scope, const char* name) {
  return Wrap<QtTableView, QTableView>(scope, name);
}

}  // namespace netvane::gui
