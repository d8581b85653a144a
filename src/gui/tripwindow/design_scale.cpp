#include "gui/tripwindow/design_scale.h"

#include <QWidget>

#include "core/charts/chart_picture.h"

namespace vianora::gui {

int DesignScale::x(double twips) const {
  return qRound(twips * widget_.logicalDpiX() / kTwipsPerInch);
}

int DesignScale::y(double twips) const {
  return qRound(twips * widget_.logicalDpiY() / kTwipsPerInch);
}

QRect DesignScale::rect(double left, double top, double width, double height) const {
  return {x(left), y(top), x(width), y(height)};
}

void DesignScale::place(QWidget* control, double left, double top, double width,
                        double height) const {
  control->setGeometry(rect(left, top, width, height));
}

}  // namespace vianora::gui
