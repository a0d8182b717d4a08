#include "platform/qt/QtControls.h"

#include <algorithm>
#include <cmath>

#include "platform/qt/NamedImages.h"
#include "platform/qt/TextCodec.h"

namespace netvane::qt {

void QtChoiceList::RemoveAll() {
  w_->clear();
}

void QtChoiceList::Add(const std::string& text) {
  w_->addItem(ToQt(text));
}

void QtChoiceList::InsertAt(int index, const std::string& text) {
  w_->insertItem(std::clamp(index, 0, w_->count()), ToQt(text));
}

int QtChoiceList::Count() const {
  return w_->count();
}

void QtChoiceList::SelectIndex(int index) {
  w_->setCurrentIndex(index >= 0 && index < w_->count() ? index : -1);
}

int QtChoiceList::SelectedIndex() const {
  return w_->currentIndex();
}

std::string QtChoiceList::SelectedText() const {
  const int index = w_->currentIndex();
  return index >= 0 ? ToStd(w_->itemText(index)) : std::string();
}

std::string QtChoiceList::Text() const {
  return w_->isEditable() ? ToStd(w_->currentText()) : SelectedText();
}

void QtChoiceList::SetText(const std::string& text) {
  if (w_->isEditable()) w_->setEditText(ToQt(text));
}

bool QtToggle::State() const {
  return w_->isChecked();
}

void QtToggle::SetState(bool on) {
  w_->setChecked(on);
}

std::string QtTextField::Text() const {
  return ToStd(w_->text());
}

void QtTextField::SetText(const std::string& text) {
  w_->setText(ToQt(text));
  // Long values are read from their start.
  w_->setCursorPosition(0);
}

int QtSlider::Value() const {
  return w_->value();
}

void QtSlider::SetValue(int value) {
  w_->setValue(value);
}

void QtProgressBar::SetValue(double value) {
  w_->setValue(static_cast<int>(std::lround(std::clamp(value, 0.0, 100.0))));
}

double QtProgressBar::Value() const {
  return w_->value();
}

void QtImageView::ShowImage(const std::string& name) {
  name_ = name;
  w_->setPixmap(NamedPixmap(name, w_->size()));
}

std::string QtButton::Title() const {
  QString text = w_->text();
  text.remove(QLatin1Char('&'));
  return ToStd(text);
}

void QtButton::SetTitle(const std::string& title) {
  QString text = ToQt(title);
  if (w_->text().contains(QLatin1Char('&')) && !text.contains(QLatin1Char('&')))
    text.prepend(QLatin1Char('&'));
  w_->setText(text);
}

}  // namespace netvane::qt
