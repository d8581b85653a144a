#pragma once

#include <QImage>
#include <QPen>
#include <QPixmap>
#include <QVector>
#include <QWidget>
#include <memory>
#include <optional>
#include <vector>

#include "core/charts/chart_picture.h"
#include "core/charts/chart_surfaces.h"

namespace vianora::gui {

/// A picture under a chart, in pixels from the surface's top left: a map tile, or a light grey
/// square while its picture is missing.
struct BackgroundTile {
  QRectF place;
  QImage image;
};

/// One drawing surface of the trip window (map, profile or progress chart). It paints the
/// chart picture the core computes, scaled from twips by the screen's resolution and clipped
/// to the surface; a new picture replaces the last. The picture is shared, not copied: a chart
/// of a million lines shown whole is the very drawing its owner keeps.
class ChartSurface : public QWidget {
  Q_OBJECT

 public:
  explicit ChartSurface(QWidget* parent = nullptr);

  /// Shows a new drawing, which nobody may change while it is shown (none shows nothing).
  void setPicture(std::shared_ptr<const ChartPicture> picture);
  /// Shows a new drawing that the surface alone keeps.
  void setPicture(ChartPicture picture);
  /// The drawing shown.
  const ChartPicture& picture() const { return *picture_; }

  /// Thins long chains to a pixel's steps before painting them (off by default): a map's
  /// track changes column at nearly every step, so gathering per column leaves it whole.
  void setThinChains(bool thin) { thinChains_ = thin; }

  /// Shows pictures under the chart (map tiles); none by default.
  void setBackground(std::vector<BackgroundTile> tiles);
  const std::vector<BackgroundTile>& background() const { return background_; }

  /// Shows what is drawn over the picture (scales, legend, cursor); painted after it, and
  /// cheap to replace: the picture's lines are not grouped again.
  void setOverlay(ChartPicture overlay);
  const ChartPicture& overlay() const { return overlay_; }

  /// The surface's size in twips on this screen.
  SurfaceSize sizeInTwips() const;
  /// Converts a length in pixels to twips on this screen.
  float twipsX(int pixels) const;
  float twipsY(int pixels) const;

  /// The surface as an image of its current size, white background and overlay included.
  QImage toImage() const;

 signals:
  // What the user does on the surface, at places in twips from its top left.
  void hovered(QPointF at);                ///< the mouse moved with no button held
  void dragged(QPointF from, QPointF to);  ///< the left button is held from `from` to `to`
  void dragFinished(QPointF from, QPointF to);
  void wheelTurned(QPointF at, double notches);  ///< positive away from the user
  void doubleClicked();
  void keyPressed(int key);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  // Lines of one pen, in pixels: a whole set of a ramp's colours is drawn in at most 256 calls.
  struct PenGroup {
    QPen pen;
    QVector<QLineF> lines;
  };

  void groupLines() const;
  void paintLines(QPainter& painter) const;
  void paintPicture(QPainter& painter) const;
  void paintOverlay(QPainter& painter) const;
  QPointF twipsAt(QPointF pixels) const;

  std::shared_ptr<const ChartPicture> picture_;
  mutable QPixmap painted_;  // the picture painted once, so that moving the cursor is cheap
  ChartPicture overlay_;
  std::vector<BackgroundTile> background_;
  bool thinChains_ = false;
  std::optional<QPointF> pressedAt_;  // twips, while the left button is held
  // In the order of the picture's sets; grouped at the first paint of a picture, so that the
  // charts of tabs not shown cost nothing until they are.
  mutable std::vector<PenGroup> groups_;
  mutable bool grouped_ = false;
};

}  // namespace vianora::gui
