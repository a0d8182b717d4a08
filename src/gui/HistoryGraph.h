// The link history graph: link quality and signal strength over the last minutes, drawn with
// QPainter on the palette's colours, with a percentage axis, a minutes-ago axis and a legend;
// what it shows now is in its accessible description and tooltip.
#pragma once

#include <QColor>
#include <QPalette>
#include <QWidget>
#include <vector>

#include "ui/HistoryView.h"

namespace netvane::gui {

// Where the samples go across a plot `width` wide: a history shorter than `capacity` starts at
// the left edge and grows rightwards; a full one ends at the right edge.
double SampleX(std::size_t index, std::size_t capacity, double width);

// The two lines' colours, from the palette so that a dark theme reads: link quality in the
// highlight colour, signal strength in that hue turned a third of the way round.
struct SeriesColors {
  QColor link;
  QColor signal;
};
SeriesColors SeriesColorsFor(const QPalette& palette);

class HistoryGraph : public QWidget {
 public:
  explicit HistoryGraph(QWidget* parent = nullptr);
  // `secondsPerSample` labels the time axis.
  void SetSamples(std::vector<ui::HistorySample> samples, std::size_t capacity,
                  double secondsPerSample);
  QSize sizeHint() const override { return {320, 160}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::vector<ui::HistorySample> samples_;
  std::size_t capacity_ = 2;
  double secondsPerSample_ = 2.0;
};

class QtHistoryView : public ui::HistoryView {
 public:
  // `capacity`: how many samples fill the width, one every `secondsPerSample`.
  QtHistoryView(HistoryGraph* graph, std::size_t capacity, double secondsPerSample)
      : graph_(graph), capacity_(capacity), secondsPerSample_(secondsPerSample) {}
  void SetEnabled(bool enabled) override { graph_->setEnabled(enabled); }
  bool IsEnabled() const override { return graph_->isEnabled(); }
  void ShowHistory(const std::vector<ui::HistorySample>& samples) override;

 private:
  HistoryGraph* graph_;
  std::size_t capacity_;
  double secondsPerSample_;
};

}  // namespace netvane::gui
