// A graph of the link's recent quality: one sample per tick, oldest first.
#pragma once

#include <vector>

#include "ui/Control.h"

namespace netvane::ui {

struct HistorySample {
  int link = -1;    // link quality 0 to 100; -1 while not associated
  int signal = -1;  // signal strength 0 to 100; -1 while not associated
};

class HistoryView : public Control {
 public:
  // Draws the samples across the graph's width; the newest is the current value, which the
  // view also gives to screen readers.
  virtual void ShowHistory(const std::vector<HistorySample>& samples) = 0;
};

}  // namespace netvane::ui
