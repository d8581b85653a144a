#pragma once

#include <QImage>
#include <QPen>
#include <QVector>
#include <QWidget>
#include <vector>

#include "core/charts/chart_picture.h"
#include "core/charts/chart_surfaces.h"

namespace vianora::gui {

/// One drawing surface of the trip window (map, profile or progress chart). It paints the
/// chart picture the core computes, scaled from twips by the screen's resolution and clipped
/// to the surface; a new picture replaces the last.
class ChartSurface : public QWidget {
  Q_OBJECT

 public:
  explicit ChartSurface(QWidget* parent = nullptr);

  /// Shows a new drawing.
  void setPicture(ChartPicture picture);
  /// The drawing shown; after changing colours or visibility in it, call pictureChanged().
  ChartPicture& picture() { return picture_; }
  const ChartPicture& picture() const { return picture_; }
  void pictureChanged();

  /// The surface's size in twips on this screen.
  SurfaceSize sizeInTwips() const;
  /// Converts a length in pixels to twips on this screen.
  float twipsX(int pixels) const;
  float twipsY(int pixels) const;

  /// The surface as an image of its current size, white background included.
  QImage toImage() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  // Lines of one pen, in pixels: a whole set of a ramp's colours is drawn in at most 256 calls.
  struct PenGroup {
    QPen pen;
    QVector<QLineF> lines;
  };

  void groupLines();
  void paintPicture(QPainter& painter) const;

  ChartPicture picture_;
  std::vector<PenGroup> groups_;  // in the order of the picture's sets
};

}  // namespace vianora::gui
