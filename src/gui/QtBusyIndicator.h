// The wait cursor over the whole application while driver work blocks the main thread.
#pragma once

#include "ui/BusyIndicator.h"

namespace netvane::gui {

class QtBusyIndicator : public ui::BusyIndicator {
 public:
  void Begin() override;
  void End() override;
  int Depth() const { return depth_; }

 private:
  int depth_ = 0;
};

}  // namespace netvane::gui
