// In-memory controls for unit tests of page controllers: they keep what the page set and let a
// test read it back or play the user.
#pragma once

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "ui/BusyIndicator.h"
#include "ui/Button.h"
#include "ui/ChoiceList.h"
#include "ui/HistoryView.h"
#include "ui/ImageView.h"
#include "ui/ProgressBar.h"
#include "ui/Slider.h"
#include "ui/TabView.h"
#include "ui/TextField.h"
#include "ui/Toggle.h"
#include "ui/Window.h"

namespace netvane::testing {

template <typename Base>
class FakeControl : public Base {
 public:
  void SetEnabled(bool enabled) override { enabled_ = enabled; }
  bool IsEnabled() const override { return enabled_; }

 private:
  bool enabled_ = true;
};

class FakeChoiceList : public FakeControl<ui::ChoiceList> {
 public:
  void RemoveAll() override {
    entries.clear();
    selected = -1;
  }
  void Add(const std::string& text) override {
    entries.push_back(text);
    // As a combo box does: the first entry of an empty editable list becomes the current one.
    if (editable && entries.size() == 1 && selected < 0) SelectIndex(0);
  }
  void InsertAt(int index, const std::string& text) override {
    entries.insert(entries.begin() + std::clamp(index, 0, Count()), text);
  }
  int Count() const override { return static_cast<int>(entries.size()); }
  void SelectIndex(int index) override {
    selected = (index >= 0 && index < Count()) ? index : -1;
    if (editable) typed = SelectedText();
  }
  int SelectedIndex() const override { return selected; }
  std::string SelectedText() const override {
    return selected >= 0 ? entries[static_cast<size_t>(selected)] : std::string();
  }
  std::string Text() const override { return editable ? typed : SelectedText(); }
  void SetText(const std::string& text) override {
    if (editable) typed = text;
  }

  std::vector<std::string> entries;
  int selected = -1;
  bool editable = false;
  std::string typed;  // an editable list's text
};

class FakeToggle : public FakeControl<ui::Toggle> {
 public:
  bool State() const override { return on; }
  void SetState(bool state) override {
    for (FakeToggle* other : group) other->on = other->on && !state;
    on = state;
  }
  // Makes the toggles one radio group.
  static void Group(std::vector<FakeToggle*> members) {
    for (FakeToggle* t : members) t->group = members;
  }

  bool on = false;
  std::vector<FakeToggle*> group;
};

class FakeTextField : public FakeControl<ui::TextField> {
 public:
  std::string Text() const override { return text; }
  void SetText(const std::string& value) override { text = value; }
  std::string text;
};

class FakeSlider : public FakeControl<ui::Slider> {
 public:
  explicit FakeSlider(int initial = 0) : value(initial) {}
  int Value() const override { return value; }
  void SetValue(int v) override { value = v; }
  int value;
};

class FakeProgressBar : public FakeControl<ui::ProgressBar> {
 public:
  void SetValue(double v) override { value = v; }
  double Value() const override { return value; }
  double value = 0;
};

class FakeButton : public FakeControl<ui::Button> {
 public:
  std::string Title() const override { return title; }
  void SetTitle(const std::string& t) override { title = t; }
  std::string title;
};

class FakeImageView : public FakeControl<ui::ImageView> {
 public:
  void ShowImage(const std::string& name) override { image = name; }
  std::string ImageName() const override { return image; }
  std::string image;
};

class FakeHistoryView : public FakeControl<ui::HistoryView> {
 public:
  void ShowHistory(const std::vector<ui::HistorySample>& s) override { samples = s; }
  std::vector<ui::HistorySample> samples;
};

class FakeTabView : public ui::TabView {
 public:
  void SelectIndex(int index) override {
    selected = index;
    history.push_back(index);
  }
  int SelectedIndex() const override { return selected; }
  int selected = 0;
  std::vector<int> history;
};

class FakeWindow : public ui::Window {
 public:
  explicit FakeWindow(std::string name) : name_(std::move(name)) {}
  void Update() override {}
  std::string Name() const override { return name_; }

 private:
  std::string name_;
};

class FakeBusyIndicator : public ui::BusyIndicator {
 public:
  void Begin() override {
    ++depth;
    ++begins;
  }
  void End() override { --depth; }
  int depth = 0;
  int begins = 0;
};

}  // namespace netvane::testing
