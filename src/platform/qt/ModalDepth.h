// How many modal runs (sheets, the editor, alerts) are active. Qt delivers timer events inside
// a dialog's nested event loop; the repeating timers consult this to drop such ticks.
#pragma once

namespace netvane::qt {

class ModalDepth {
 public:
  bool Active() const { return depth_ > 0; }
  int Depth() const { return depth_; }

  class Scope {
   public:
    explicit Scope(ModalDepth& depth) : depth_(depth) { ++depth_.depth_; }
    ~Scope() { --depth_.depth_; }
    Scope(const Scope&) = delete;
    Scope& operator=(const Scope&) = delete;

   private:
    ModalDepth& depth_;
  };

 private:
  int depth_ = 0;
};

}  // namespace netvane::qt
