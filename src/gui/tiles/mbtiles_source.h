#pragma once

#include <QString>
#include <memory>

#include "gui/tiles/tile_source.h"

namespace vianora::gui {

/// Tiles from an MBTiles file (SQLite: the `tiles` table, rows numbered from the south (TMS),
/// and `metadata` with bounds, minzoom, maxzoom, attribution and format), read through Qt
/// SQL's SQLite driver, read-only.
class MBTilesSource : public TileSource {
  Q_OBJECT

 public:
  /// Opens a file; none, with the reason in `error` ("FILE is not an MBTiles file: ..."),
  /// when it cannot be read as one.
  static std::unique_ptr<MBTilesSource> open(const QString& path, QString& error,
                                             QObject* parent = nullptr);
  ~MBTilesSource() override;

  QString attribution() const override;
  int minZoom() const override;
  int maxZoom() const override;
  void request(const QList<TileId>& wanted) override;

  /// Whether the file's bounds (metadata "bounds": west,south,east,north) overlap the box;
  /// true when it gives none.
  bool covers(double west, double south, double east, double north) const;

 private:
  MBTilesSource(QObject* parent);
  // connection name, metadata: the implementer's
};

}  // namespace vianora::gui
