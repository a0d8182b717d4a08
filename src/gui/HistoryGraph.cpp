#include "gui/HistoryGraph.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <utility>

namespace netvane::gui {
namespace {

constexpr int kMargin = 4;
constexpr int kSecondsPerMinute = 60;

// The lowest and highest of one series over the samples shown; nothing while never associated.
struct Range {
  int low = 101;
  int high = -1;
};
Range RangeOf(const std::vector<ui::HistorySample>& samples, int ui::HistorySample::*value) {
  Range r;
  for (const ui::HistorySample& s : samples) {
    if (s.*value < 0) continue;
    r.low = std::min(r.low, s.*value);
    r.high = std::max(r.high, s.*value);
  }
  return r;
}

QString Minutes(double seconds) {
  const int minutes = static_cast<int>(std::lround(seconds / kSecondsPerMinute));
  return minutes == 1 ? QCoreApplication::translate("HistoryGraph", "1 minute")
                      : QCoreApplication::translate("HistoryGraph", "%1 minutes").arg(minutes);
}

}  // namespace

double SampleX(std::size_t index, std::size_t capacity, double width) {
  const double step = width / static_cast<double>(std::max<std::size_t>(capacity, 2) - 1);
  return step * static_cast<double>(index);
}

SeriesColors SeriesColorsFor(const QPalette& palette) {
  const QColor link = palette.color(QPalette::Highlight);
  QColor signal = link.toHsv();
  constexpr int kThirdTurn = 120;
  signal.setHsv((std::max(link.hsvHue(), 0) + kThirdTurn) % 360, signal.hsvSaturation(),
                signal.value());
  return {link, signal};
}

HistoryGraph::HistoryGraph(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("History"));
  setAccessibleName(QCoreApplication::translate("HistoryGraph", "Link history"));
  setAccessibleDescription(QCoreApplication::translate("HistoryGraph", "No figures yet"));
  setMinimumHeight(120);
  // It takes the height the page leaves: a taller window shows a taller graph.
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  setFocusPolicy(Qt::TabFocus);
}

void HistoryGraph::SetSamples(std::vector<ui::HistorySample> samples, std::size_t capacity,
                              double secondsPerSample) {
  samples_ = std::move(samples);
  if (samples_.size() > capacity) {
    samples_.erase(samples_.begin(),
                   samples_.begin() + static_cast<std::ptrdiff_t>(samples_.size() - capacity));
  }
  capacity_ = std::max<std::size_t>(capacity, 2);
  secondsPerSample_ = secondsPerSample > 0 ? secondsPerSample : 1.0;
  const ui::HistorySample now = samples_.empty() ? ui::HistorySample{} : samples_.back();
  const double span =
      static_cast<double>(samples_.empty() ? 0 : samples_.size() - 1) * secondsPerSample_;
  QString text;
  if (now.link < 0) {
    text = QCoreApplication::translate("HistoryGraph", "Not connected");
  } else {
    text = QCoreApplication::translate("HistoryGraph", "Link quality %1%, signal strength %2%")
               .arg(now.link)
               .arg(now.signal);
  }
  const Range link = RangeOf(samples_, &ui::HistorySample::link);
  const Range signal = RangeOf(samples_, &ui::HistorySample::signal);
  if (link.high >= 0 && span >= kSecondsPerMinute) {
    text += QCoreApplication::translate("HistoryGraph",
                                        "; over the last %1, link quality %2% to %3%, signal "
                                        "strength %4% to %5%")
                .arg(Minutes(span))
                .arg(link.low)
                .arg(link.high)
                .arg(signal.low)
                .arg(signal.high);
  }
  setAccessibleDescription(text);
  setToolTip(text);
  update();
}

void HistoryGraph::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const QPalette& pal = palette();
  const SeriesColors colors = SeriesColorsFor(pal);
  const QColor text = pal.color(QPalette::Text);
  QColor grid = text;
  grid.setAlphaF(0.25F);
  const QFontMetrics metrics(font());
  const int line = metrics.height();
  // Room for the percentages on the left, the minutes and the legend below.
  const QRectF plot = QRectF(rect()).adjusted(
      kMargin + metrics.horizontalAdvance(QStringLiteral("100%")) + kMargin, kMargin + line / 2.0,
      -kMargin -
          metrics.horizontalAdvance(QCoreApplication::translate("HistoryGraph", "now")) / 2.0,
      -kMargin - 2.0 * line);
  painter.fillRect(rect(), pal.base());
  if (plot.width() < 2 || plot.height() < 2) return;

  for (const int level : {0, 25, 50, 75, 100}) {
    const double y = plot.bottom() - plot.height() * level / 100.0;
    painter.setPen(QPen(grid, 1, level % 50 == 0 ? Qt::SolidLine : Qt::DotLine));
    painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
    if (level % 50 == 0) {
      painter.setPen(text);
      painter.drawText(QRectF(kMargin, y - line / 2.0, plot.left() - 2 * kMargin, line),
                       Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("%1%").arg(level));
    }
  }

  const auto x = [&](std::size_t i) { return plot.left() + SampleX(i, capacity_, plot.width()); };
  // Minutes ago, counted back from the newest sample wherever it is drawn.
  if (!samples_.empty()) {
    const auto perMinute =
        static_cast<std::size_t>(std::max(1.0, std::round(kSecondsPerMinute / secondsPerSample_)));
    const std::size_t newest = samples_.size() - 1;
    for (std::size_t minutes = 0; minutes * perMinute <= newest; ++minutes) {
      const double at = x(newest - minutes * perMinute);
      painter.setPen(QPen(grid, 1, Qt::DotLine));
      painter.drawLine(QPointF(at, plot.top()), QPointF(at, plot.bottom()));
      painter.setPen(text);
      const QString label = minutes == 0 ? QCoreApplication::translate("HistoryGraph", "now")
                                         : QString::number(minutes);
      const double w = metrics.horizontalAdvance(label);
      painter.drawText(QRectF(at - w / 2.0, plot.bottom() + 2, w + 1, line), Qt::AlignCenter,
                       label);
    }
  }

  // A gap where the adapter was not associated; the signal dashed, so the two read apart
  // without colour too.
  const auto draw = [&](int ui::HistorySample::*value, const QPen& pen) {
    QPainterPath path;
    bool drawing = false;
    for (std::size_t i = 0; i < samples_.size(); ++i) {
      const int v = samples_[i].*value;
      if (v < 0) {
        drawing = false;
        continue;
      }
      const QPointF point(x(i), plot.bottom() - plot.height() * v / 100.0);
      if (drawing) {
        path.lineTo(point);
      } else {
        path.moveTo(point);
        drawing = true;
      }
    }
    painter.setPen(pen);
    painter.drawPath(path);
  };
  const QPen linkPen(colors.link, 2);
  const QPen signalPen(colors.signal, 2, Qt::DashLine);
  draw(&ui::HistorySample::link, linkPen);
  draw(&ui::HistorySample::signal, signalPen);

  // The legend, then the time axis's unit at the right.
  const double legendY = height() - kMargin - line / 2.0;
  double legendX = plot.left();
  for (const auto& [pen, name] :
       {std::pair{linkPen, QCoreApplication::translate("HistoryGraph", "Link quality")},
        std::pair{signalPen, QCoreApplication::translate("HistoryGraph", "Signal strength")}}) {
    painter.setPen(pen);
    painter.drawLine(QPointF(legendX, legendY), QPointF(legendX + 16, legendY));
    painter.setPen(text);
    painter.drawText(QPointF(legendX + 20, legendY + metrics.ascent() / 2.0 - 1), name);
    legendX += 20 + metrics.horizontalAdvance(name) + 12;
  }
  const QString unit = QCoreApplication::translate("HistoryGraph", "minutes ago");
  painter.drawText(QRectF(plot.right() - metrics.horizontalAdvance(unit), legendY - line / 2.0,
                          metrics.horizontalAdvance(unit) + 1, line),
                   Qt::AlignRight | Qt::AlignVCenter, unit);
}

void QtHistoryView::ShowHistory(const std::vector<ui::HistorySample>& samples) {
  graph_->SetSamples(samples, capacity_, secondsPerSample_);
}

}  // namespace netvane::gui
