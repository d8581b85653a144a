#include "gui/app/app_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPointF>
#include <QtMath>
#include <mutex>

// The resources live in a static library: nothing else refers to their object file, so the
// linker would leave it out unless something calls its registration function. That must
// happen outside any namespace.
static void registerVianoraResources() { Q_INIT_RESOURCE(resources); }

namespace vianora::gui {

namespace {

// A point of a circle of the given radius around centre, at angle degrees measured
// anticlockwise from three o'clock as on paper (the screen's y axis points down).
QPointF onCircle(QPointF centre, qreal radius, qreal degrees) {
  const qreal a = qDegreesToRadians(degrees);
  return centre + QPointF(radius * qCos(a), -radius * qSin(a));
}

// One arrow of the refresh picture: an arc running clockwise from `from` to `to` degrees,
// with a head at `to` pointing the way the arc runs.
void drawArcArrow(QPainter& painter, QPointF centre, qreal radius, qreal from, qreal to) {
  QPainterPath arc;
  arc.moveTo(onCircle(centre, radius, from));
  const QRectF box(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
  arc.arcTo(box, from, to - from);
  painter.setBrush(Qt::NoBrush);
  painter.drawPath(arc);

  // Clockwise on the screen, the direction of travel at angle t is (sin t, cos t).
  const QPointF end = onCircle(centre, radius, to);
  const qreal t = qDegreesToRadians(to);
  const QPointF along(qSin(t), qCos(t));
  const QPointF across(-along.y(), along.x());
  QPainterPath head;
  head.moveTo(end + along * 3.2);
  head.lineTo(end - along * 1.0 + across * 3.0);
  head.lineTo(end - along * 1.0 - across * 3.0);
  head.closeSubpath();
  painter.fillPath(head, painter.pen().color());
}

QPixmap refreshPicture(qreal scale) {
  const QSize size(18, 20);
  QPixmap pixmap(size * scale);
  pixmap.setDevicePixelRatio(scale);
  pixmap.fill(Qt::transparent);

  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  QPen pen(QColor(64, 64, 64), 1.7);
  pen.setCapStyle(Qt::FlatCap);
  painter.setPen(pen);
  const QPointF centre(9.0, 10.0);
  const qreal radius = 5.5;
  drawArcArrow(painter, centre, radius, 170.0, 40.0);   // over the top, head on the right
  drawArcArrow(painter, centre, radius, 350.0, 220.0);  // under the bottom, head on the left
  return pixmap;
}

}  // namespace

void loadImageResources() {
  static std::once_flag once;
  std::call_once(once, registerVianoraResources);
}

QIcon applicationIcon() {
  loadImageResources();
  QIcon icon;
  icon.addFile(QStringLiteral(":/vianora/vianora-32.png"), QSize(32, 32));
  icon.addFile(QStringLiteral(":/vianora/vianora.png"), QSize(64, 64));
  return icon;
}

QIcon updateButtonIcon() {
  QIcon icon;
  icon.addPixmap(refreshPicture(1.0));
  icon.addPixmap(refreshPicture(2.0));
  return icon;
}

}  // namespace vianora::gui
