#include "gui/QtControls.h"

#include <algorithm>
#include <cmath>

#include "gui/NamedImages.h"
#include "gui/TextCodec.h"
#include "ui/ImageNames.h"

namespace netvane::gui {

namespace {

// Each entry keeps the bytes it was added with: one that shows as Latin-1 would come back as
// other bytes through the UTF-8 of its text.
QVariant BytesOf(const std::string& text) {
  return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

void QtChoiceList::RemoveAll() {
  w_->clear();
}

void QtChoiceList::Add(const std::string& text) {
  w_->addItem(ToQt(text), BytesOf(text));
}

void QtChoiceList::InsertAt(int index, const std::string& text) {
  w_->insertItem(std::clamp(index, 0, w_->count()), ToQt(text), BytesOf(text));
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
  if (index < 0) return {};
  const QVariant bytes = w_->itemData(index);
  // Entries from the forms carry no bytes of their own.
  if (bytes.typeId() != QMetaType::QByteArray) return ToStd(w_->itemText(index));
  const QByteArray data = bytes.toByteArray();
  return {data.constData(), static_cast<std::size_t>(data.size())};
}

std::string QtChoiceList::Text() const {
  if (!w_->isEditable()) return SelectedText();
  // A name picked from the list is that entry's bytes; a typed one is its UTF-8.
  if (w_->currentIndex() < 0) return ToStd(w_->currentText());
  return EditedBytes(w_->currentText(), SelectedText());
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
  // The picture is the state; a screen reader reads it from the description.
  w_->setAccessibleDescription(QString::fromStdString(ui::ImageWords(name)));
}

std::string QtButton::Title() const {
  QString text = w_->text();
  text.remove(QLatin1Char('&'));
  return ToStd(text);
}

void QtButton::SetTitle(const std::string& title) {
  QString text = ToQt(title);
  if (w_->text().contains(QLatin1Char('&')) && !text.contains(QLatin1Char('&'))) {
    text.prepend(QLatin1Char('&'));
  }
  w_->setText(text);
  // The accessible name is the button's fixed role; the changing title says what it does now.
  w_->setAccessibleDescription(QString(text).remove(QLatin1Char('&')));
}

}  // namespace netvane::gui
