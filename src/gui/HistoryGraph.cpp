#include "gui/HistoryGraph.h"

#include <QPainter>
#include <QPainterPath>
#include <utility>

namespace netvane::gui {
namespace {

const QColor kLinkColor(0x1f, 0x6f, 0xb5);
const QColor kSignalColor(0x2e, 0x9d, 0x4f);

}  // namespace

HistoryGraph::HistoryGraph(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("History"));
  setAccessibleName(QStringLiteral("Link history"));
  setAccessibleDescription(QStringLiteral("No figures yet"));
  setMinimumHeight(90);
  setFocusPolicy(Qt::TabFocus);
}

void HistoryGraph::SetSamples(std::vector<ui::HistorySample> samples, std::size_t capacity) {
  samples_ = std::move(samples);
  capacity_ = std::max<std::size_t>(capacity, 2);
  const ui::HistorySample now = samples_.empty() ? ui::HistorySample{} : samples_.back();
  setAccessibleDescription(
      now.link < 0 ? QStringLiteral("Not connected")
                   : QStringLiteral("Link quality %1%, signal strength %2%; the graph shows the "
                                    "last five minutes")
                         .arg(now.link)
                         .arg(now.signal));
  update();
}

void HistoryGraph::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF area = QRectF(rect()).adjusted(4, 4, -4, -18);
  painter.fillRect(rect(), palette().base());
  painter.setPen(QPen(palette().mid().color(), 1, Qt::DotLine));
  for (const int level : {0, 50, 100}) {
    const double y = area.bottom() - area.height() * level / 100.0;
    painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
  }
  // Newest at the right edge; a gap where the adapter was not associated.
  const double step = area.width() / static_cast<double>(capacity_ - 1);
  const auto x = [&](std::size_t i) {
    return area.right() - step * static_cast<double>(samples_.size() - 1 - i);
  };
  const auto draw = [&](int ui::HistorySample::*value, const QColor& color) {
    QPainterPath path;
    bool drawing = false;
    for (std::size_t i = 0; i < samples_.size(); ++i) {
      const int v = samples_[i].*value;
      if (v < 0) {
        drawing = false;
        continue;
      }
      const QPointF point(x(i), area.bottom() - area.height() * v / 100.0);
      if (drawing) {
        path.lineTo(point);
      } else {
        path.moveTo(point);
        drawing = true;
      }
    }
    painter.setPen(QPen(color, 2));
    painter.drawPath(path);
  };
  draw(&ui::HistorySample::link, kLinkColor);
  draw(&ui::HistorySample::signal, kSignalColor);
  painter.setPen(kLinkColor);
  painter.drawText(QPointF(area.left(), height() - 4), tr("Link quality"));
  painter.setPen(kSignalColor);
  painter.drawText(QPointF(area.left() + 110, height() - 4), tr("Signal strength"));
}

void QtHistoryView::ShowHistory(const std::vector<ui::HistorySample>& samples) {
  graph_->SetSamples(samples, capacity_);
}

}  // namespace netvane::gui
