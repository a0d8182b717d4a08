// The tab view of a window: its pages by index from 0.
#pragma once

namespace netvane::ui {

class TabView {
 public:
  TabView() = default;
  TabView(const TabView&) = delete;
  TabView& operator=(const TabView&) = delete;
  virtual ~TabView() = default;

  virtual void SelectIndex(int index) = 0;
  virtual int SelectedIndex() const = 0;
};

}  // namespace netvane::ui
