#pragma once

#include <QWidget>

namespace vianora::gui {

/// One drawing surface of the trip window (map, profile or progress chart). It paints the
/// chart geometry the core computes; until a chart is drawn it shows an empty white surface.
class ChartSurface : public QWidget {
  Q_OBJECT

 public:
  explicit ChartSurface(QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace vianora::gui
