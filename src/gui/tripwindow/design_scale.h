#pragma once

#include <QRect>

class QWidget;

namespace vianora::gui {

/// The trip window's design gives positions and sizes in twips (1440 per inch); this turns
/// them into pixels on the screen a widget is shown on, asked anew at every call.
class DesignScale {
 public:
  explicit DesignScale(const QWidget& widget) : widget_(widget) {}

  int x(double twips) const;
  int y(double twips) const;
  QRect rect(double left, double top, double width, double height) const;
  /// Puts `control` at a design position.
  void place(QWidget* control, double left, double top, double width, double height) const;

 private:
  const QWidget& widget_;
};

}  // namespace vianora::gui
