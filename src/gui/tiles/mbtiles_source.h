#pragma once

#include <QList>
#include <QString>
#include <array>
#include <memory>
#include <optional>

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
  /// Why the open file cannot serve tiles, or none; reads its metadata when it can.
  std::optional<QString> readMetadata();
  void answerWanted();
  void answer(TileId tile);

  QString connection_;  ///< the Qt SQL connection's name, one for each source
  QString attribution_;
  int minZoom_ = kLowestTileZoom, maxZoom_ = kHighestTileZoom;
  std::optional<std::array<double, 4>> bounds_;  ///< west, south, east, north in degrees
  QString format_;                               ///< "png", "jpg", "webp", ...
  QList<TileId> wanted_;                         ///< still to answer, the most wanted first
  bool answerQueued_ = false;
};

}  // namespace vianora::gui
