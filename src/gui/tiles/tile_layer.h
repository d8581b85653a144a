#pragma once

#include <QCache>
#include <QHash>
#include <QImage>
#include <QList>
#include <QObject>
#include <QString>
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
  /// About the tiles of three full-screen views.
  static constexpr int kKeptPictures = 600;

  void arrived(TileId tile, const QImage& image);
  void failed(TileId tile, const QString& reason);

  std::unique_ptr<TileSource> source_;
  QCache<TileId, QImage> pictures_{kKeptPictures};  ///< one cost unit a tile
  QHash<TileId, QString> failures_;                 ///< the reasons of the shown tiles that failed
  QList<TileId> shown_;  ///< the tiles of the view, nearest the centre first
};

}  // namespace vianora::gui
