// Qt widgets behind the simple abstract controls.
#pragma once

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QSlider>
#include <QTabWidget>

#include "ui/Button.h"
#include "ui/ChoiceList.h"
#include "ui/ImageView.h"
#include "ui/ProgressBar.h"
#include "ui/Slider.h"
#include "ui/TabView.h"
#include "ui/TextField.h"
#include "ui/Toggle.h"

namespace netvane::gui {

template <typename Base, typename Widget>
class QtControl : public Base {
 public:
  explicit QtControl(Widget* widget) : w_(widget) {}
  void SetEnabled(bool enabled) override { w_->setEnabled(enabled); }
  bool IsEnabled() const override { return w_->isEnabled(); }

 protected:
  Widget* w_;
};

class QtChoiceList : public QtControl<ui::ChoiceList, QComboBox> {
 public:
  using QtControl::QtControl;
  void RemoveAll() override;
  void Add(const std::string& text) override;
  void InsertAt(int index, const std::string& text) override;
  int Count() const override;
  void SelectIndex(int index) override;
  int SelectedIndex() const override;
  std::string SelectedText() const override;
  std::string Text() const override;
  void SetText(const std::string& text) override;
};

class QtToggle : public QtControl<ui::Toggle, QAbstractButton> {
 public:
  using QtControl::QtControl;
  bool State() const override;
  void SetState(bool on) override;
};

class QtTextField : public QtControl<ui::TextField, QLineEdit> {
 public:
  using QtControl::QtControl;
  std::string Text() const override;
  void SetText(const std::string& text) override;
};

class QtSlider : public QtControl<ui::Slider, QSlider> {
 public:
  using QtControl::QtControl;
  int Value() const override;
  void SetValue(int value) override;
};

class QtProgressBar : public QtControl<ui::ProgressBar, QProgressBar> {
 public:
  using QtControl::QtControl;
  void SetValue(double value) override;
  double Value() const override;
};

class QtImageView : public QtControl<ui::ImageView, QLabel> {
 public:
  using QtControl::QtControl;
  void ShowImage(const std::string& name) override;
  std::string ImageName() const override { return name_; }

 private:
  std::string name_;
};

class QtButton : public QtControl<ui::Button, QAbstractButton> {
 public:
  using QtControl::QtControl;
  // The title without its mnemonic marker.
  std::string Title() const override;
  // A button that had a mnemonic keeps one on the first letter of the new title.
  void SetTitle(const std::string& title) override;
};

class QtTabView : public ui::TabView {
 public:
  explicit QtTabView(QTabWidget* tabs) : tabs_(tabs) {}
  void SelectIndex(int index) override { tabs_->setCurrentIndex(index); }
  int SelectedIndex() const override { return tabs_->currentIndex(); }

 private:
  QTabWidget* tabs_;
};

}  // namespace netvane::gui
