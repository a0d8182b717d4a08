// The link history graph: link quality and signal strength over the last minutes, drawn with
// QPainter; what it shows now is in its accessible description.
#pragma once

#include <QWidget>
#include <vector>

#include "ui/HistoryView.h"

namespace netvane::gui {

class HistoryGraph : public QWidget {
 public:
  explicit HistoryGraph(QWidget* parent = nullptr);
  void SetSamples(std::vector<ui::HistorySample> samples, std::size_t capacity);
  QSize sizeHint() const override { return {320, 120}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::vector<ui::HistorySample> samples_;
  std::size_t capacity_ = 1;
};

class QtHistoryView : public ui::HistoryView {
 public:
  // `capacity`: how many samples fill the width.
  QtHistoryView(HistoryGraph* graph, std::size_t capacity) : graph_(graph), capacity_(capacity) {}
  void SetEnabled(bool enabled) override { graph_->setEnabled(enabled); }
  bool IsEnabled() const override { return graph_->isEnabled(); }
  void ShowHistory(const std::vector<ui::HistorySample>& samples) override;

 private:
  HistoryGraph* graph_;
  std::size_t capacity_;
};

}  // namespace netvane::gui
