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

// The "Update" picture: two grey arrows chasing each other round the middle of 18 by 20 pixels.
constexpr QSize kRefreshSize(18, 20);
constexpr QPointF kRefreshCentre(9.0, 10.0);
constexpr qreal kArrowRadius = 5.5;
constexpr qreal kArrowPenWidth = 1.7;
constexpr int kArrowGrey = 64;  // of 255 in each of red, green and blue
// The upper arrow runs clockwise from 170 to 40 degrees; the lower one is the same turned by
// half a circle.
constexpr qreal kArcFrom = 170.0;
constexpr qreal kArcTo = 40.0;
constexpr qreal kHalfTurn = 180.0;
// An arrow head, in pixels from the arc's end: its point ahead, its base behind and its half
// width.
constexpr qreal kHeadAhead = 3.2;
constexpr qreal kHeadBehind = 1.0;
constexpr qreal kHeadHalfWidth = 3.0;

// The application icon's two sizes, one picture file each.
constexpr QSize kSmallIcon(32, 32);
constexpr QSize kLargeIcon(64, 64);

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
  head.moveTo(end + along * kHeadAhead);
  head.lineTo(end - along * kHeadBehind + across * kHeadHalfWidth);
  head.lineTo(end - along * kHeadBehind - across * kHeadHalfWidth);
  head.closeSubpath();
  painter.fillPath(head, painter.pen().color());
}

QPixmap refreshPicture(qreal scale) {
  QPixmap pixmap(kRefreshSize * scale);
  pixmap.setDevicePixelRatio(scale);
  pixmap.fill(Qt::transparent);

  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  QPen pen(QColor(kArrowGrey, kArrowGrey, kArrowGrey), kArrowPenWidth);
  pen.setCapStyle(Qt::FlatCap);
  painter.setPen(pen);
  // Over the top with its head on the right, then under the bottom with its head on the left.
  drawArcArrow(painter, kRefreshCentre, kArrowRadius, kArcFrom, kArcTo);
  drawArcArrow(painter, kRefreshCentre, kArrowRadius, kArcFrom + kHalfTurn, kArcTo + kHalfTurn);
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
  icon.addFile(QStringLiteral(":/vianora/vianora-32.png"), kSmallIcon);
  icon.addFile(QStringLiteral(":/vianora/vianora.png"), kLargeIcon);
  return icon;
}

QIcon updateButtonIcon() {
  QIcon icon;
  // Drawn for ordinary screens and for screens of twice their pixel density.
  for (const qreal scale : {1.0, 2.0}) icon.addPixmap(refreshPicture(scale));
  return icon;
}

}  // namespace vianora::gui
