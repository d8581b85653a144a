#pragma once

#include <QHashFunctions>
#include <QImage>
#include <QList>
#include <QObject>
#include <QString>

#include "core/charts/web_mercator.h"

namespace vianora::gui {

/// Where map tiles come from: a tile server or an MBTiles file. Ask for the tiles a view
/// shows; each is answered later by tileReady or tileFailed, never during the call.
class TileSource : public QObject {
  Q_OBJECT

 public:
  using QObject::QObject;

  /// The text the source requires to be shown with its tiles.
  virtual QString attribution() const = 0;
  /// The zoom levels it offers.
  virtual int minZoom() const = 0;
  virtual int maxZoom() const = 0;
  /// The tiles now wanted, the most wanted first. Tiles asked for before and not in this list
  /// are no longer wanted: their requests are dropped or cancelled, and no answer comes for
  /// them.
  virtual void request(const QList<TileId>& wanted) = 0;

 signals:
  void tileReady(vianora::TileId tile, QImage image);
  /// `reason` is short, for the line under the map: "HTTP 404", "offline", "not a picture",
  /// "not in the file".
  void tileFailed(vianora::TileId tile, QString reason);
};

}  // namespace vianora::gui

Q_DECLARE_METATYPE(vianora::TileId)

namespace vianora {
/// Tiles as hash keys (beside TileId's namespace, where QHash finds it).
inline size_t qHash(const TileId& tile, size_t seed = 0) {
  return qHashMulti(seed, tile.zoom, tile.x, tile.y);
}
}  // namespace vianora
