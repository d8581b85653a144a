#pragma once

#include <QCache>
#include <QHash>
#include <QImage>
#include <QObject>
#include <memory>
#include <vector>

#include "core/charts/web_mercator.h"
#include "gui/tiles/tile_source.h"

namespace vianora::gui {

/// The tiles under a map: asks its source for those a view shows, keeps the pictures that
/// arrived (a few hundred, the least recently shown dropped first) and the failures of the
/// view shown, and says when something changed so that the map repaints.
class TileLayer : public QObject {
  Q_OBJECT

 public:
  explicit TileLayer(std::unique_ptr<TileSource> source, QObject* parent = nullptr);

  TileSource& source() const { return *source_; }

  /// The tiles a view shows (from tilesForView), nearest the centre first: those not at hand
  /// are asked for.
  void show(const std::vector<PlacedTile>& tiles);
  /// The picture of a tile, or a null image while it is missing or failed.
  QImage image(TileId tile) const;
  /// The line under the map: empty while nothing failed, else "3 tiles could not be loaded:
  /// HTTP 404" (the reasons of the tiles shown, each named once).
  QString failureLine() const;

 signals:
  void changed();

 private:
  std::unique_ptr<TileSource> source_;
  // pictures, failures, shown tiles: the implementer's
};

}  // namespace vianora::gui

/// Tiles as hash keys.
inline size_t qHash(const vianora::TileId& tile, size_t seed = 0) {
  return qHashMulti(seed, tile.zoom, tile.x, tile.y);
}
