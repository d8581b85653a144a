#pragma once

#include <QRect>

class QWidget;

namespace vianora::gui {

/// A control's place in the design: left, top, width and height in twips.
struct DesignRect {
  int left;
  int top;
  int width;
  int height;
};

/// The trip window's design gives positions and sizes in twips (1440 per inch); this turns
/// them into pixels on the screen a widget is shown on, asked anew at every call.
class DesignScale {
 public:
  explicit DesignScale(const QWidget& widget) : widget_(widget) {}

  int x(double twips) const;
  int y(double twips) const;
  QRect rect(const DesignRect& design) const;
  /// Puts `control` at its place in the design.
  void place(QWidget* control, const DesignRect& design) const;

 private:
  const QWidget& widget_;
};

}  // namespace vianora::gui
