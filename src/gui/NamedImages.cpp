#include "gui/NamedImages.h"

#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QSvgRenderer>

// Resources compiled into a static library are dropped by the linker unless referenced.
static void InitNetvaneResources() {
  Q_INIT_RESOURCE(netvane);
}

namespace netvane::gui {

void InitResources() {
  static const bool kOnce = (InitNetvaneResources(), true);
  (void)kOnce;
}

QPixmap NamedPixmap(const std::string& name, QSize size) {
  if (name.empty()) return {};
  const QString path = QStringLiteral(":/images/%1.svg").arg(QString::fromStdString(name));
  if (!QFile::exists(path)) return {};
  QSvgRenderer renderer(path);
  // Draw at device resolution so the pictures stay sharp on high-density screens.
  const qreal ratio = qApp != nullptr ? qApp->devicePixelRatio() : 1.0;
  QPixmap pixmap(size * ratio);
  pixmap.setDevicePixelRatio(ratio);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
  return pixmap;
}

QIcon ApplicationIcon() {
  QIcon icon;
  for (const int side : {16, 32, 64, 128}) {
    icon.addPixmap(NamedPixmap("netvane", QSize(side, side)));
  }
  return icon;
}

}  // namespace netvane::gui
