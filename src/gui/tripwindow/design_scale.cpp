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

QRect DesignScale::rect(const DesignRect& design) const {
  return {x(design.left), y(design.top), x(design.width), y(design.height)};
}

void DesignScale::place(QWidget* control, const DesignRect& design) const {
  control->setGeometry(rect(design));
}

}  // namespace vianora::gui
