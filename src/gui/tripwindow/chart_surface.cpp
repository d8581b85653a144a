#include "tripwindow/chart_surface.h"

#include <QPainter>
#include <QPalette>

namespace vianora::gui {

ChartSurface::ChartSurface(QWidget* parent) : QWidget(parent) {
  QPalette colours = palette();
  colours.setColor(QPalette::Window, Qt::white);
  setPalette(colours);
  setAutoFillBackground(true);
}

void ChartSurface::paintEvent(QPaintEvent* /*event*/) {
  // The white background is filled by the widget itself; only the thin border is drawn here.
  QPainter painter(this);
  painter.setPen(palette().color(QPalette::Mid));
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace vianora::gui
