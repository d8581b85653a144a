#include "gui/tiles/mbtiles_source.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTimer>
#include <QUuid>
#include <algorithm>

namespace vianora::gui {
namespace {

/// Zoom levels whose row count 2^z still fits an int.
constexpr int kMostZoomInFile = 30;

/// The metadata's "bounds" (west,south,east,north), or none when it gives no four numbers.
std::optional<std::array<double, 4>> boundsOf(const QString& text) {
  const QStringList parts = text.split(u',');
  if (parts.size() != 4) return std::nullopt;
  std::array<double, 4> bounds{};
  for (int i = 0; i < 4; ++i) {
    bool ok = false;
    bounds[i] = parts[i].trimmed().toDouble(&ok);
    if (!ok) return std::nullopt;
  }
  return bounds;
}

}  // namespace

MBTilesSource::MBTilesSource(QObject* parent)
    : TileSource(parent),
      connection_(QStringLiteral("vianora-mbtiles-") +
                  QUuid::createUuid().toString(QUuid::WithoutBraces)) {}

MBTilesSource::~MBTilesSource() {
  {
    QSqlDatabase database = QSqlDatabase::database(connection_, false);
    database.close();
  }
  QSqlDatabase::removeDatabase(connection_);
}

std::unique_ptr<MBTilesSource> MBTilesSource::open(const QString& path, QString& error,
                                                   QObject* parent) {
  std::unique_ptr<MBTilesSource> source(new MBTilesSource(parent));
  std::optional<QString> problem;
  {
    QSqlDatabase database =
        QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), source->connection_);
    database.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
    database.setDatabaseName(path);
    // SQLite would take a folder or a missing name for an empty database of its own.
    if (!QFileInfo(path).isFile()) {
      problem = QStringLiteral("there is no such file.");
    } else if (!database.open()) {
      problem = QStringLiteral("it cannot be opened (%1).").arg(database.lastError().text());
    }
  }
  if (!problem) problem = source->readMetadata();
  if (problem) {
    error = QStringLiteral("%1 is not an MBTiles file: %2")
                .arg(QDir::toNativeSeparators(path), *problem);
    return nullptr;
  }
  return source;
}

std::optional<QString> MBTilesSource::readMetadata() {
  QSqlQuery query(QSqlDatabase::database(connection_, false));
  // SQLite reads a file's header only at the first query: a text file fails here.
  if (!query.exec(QStringLiteral("SELECT count(*) FROM sqlite_master"))) {
    return QStringLiteral("it is not an SQLite database.");
  }
  if (!query.exec(QStringLiteral(
          "SELECT zoom_level, tile_column, tile_row, tile_data FROM tiles LIMIT 0"))) {
    return QStringLiteral("it has no table tiles (zoom_level, tile_column, tile_row, tile_data).");
  }
  if (!query.exec(QStringLiteral("SELECT name, value FROM metadata"))) {
    return QStringLiteral("it has no table metadata (name, value).");
  }
  QHash<QString, QString> metadata;
  while (query.next()) metadata.insert(query.value(0).toString(), query.value(1).toString());
  format_ = metadata.value(QStringLiteral("format")).trimmed().toLower();
  if (format_ == u"pbf") return QStringLiteral("its tiles are vector data (pbf), not pictures.");
  attribution_ = metadata.value(QStringLiteral("attribution"));
  bounds_ = boundsOf(metadata.value(QStringLiteral("bounds")));

  bool minGiven = false, maxGiven = false;
  int lowest = metadata.value(QStringLiteral("minzoom")).toInt(&minGiven);
  int highest = metadata.value(QStringLiteral("maxzoom")).toInt(&maxGiven);
  if (!minGiven || !maxGiven) {
    // Without them, the levels the file holds tell; an empty file offers them all.
    const bool held =
        query.exec(QStringLiteral("SELECT MIN(zoom_level), MAX(zoom_level) FROM tiles")) &&
        query.next() && !query.value(0).isNull();
    if (!minGiven) lowest = held ? query.value(0).toInt() : kLowestTileZoom;
    if (!maxGiven) highest = held ? query.value(1).toInt() : kHighestTileZoom;
  }
  minZoom_ = std::clamp(lowest, kLowestTileZoom, kHighestTileZoom);
  maxZoom_ = std::clamp(highest, minZoom_, kHighestTileZoom);
  return std::nullopt;
}

QString MBTilesSource::attribution() const { return attribution_; }
int MBTilesSource::minZoom() const { return minZoom_; }
int MBTilesSource::maxZoom() const { return maxZoom_; }

bool MBTilesSource::covers(double west, double south, double east, double north) const {
  if (!bounds_) return true;
  const auto& [fileWest, fileSouth, fileEast, fileNorth] = *bounds_;
  return west <= fileEast && east >= fileWest && south <= fileNorth && north >= fileSouth;
}

void MBTilesSource::request(const QList<TileId>& wanted) {
  wanted_ = wanted;
  // Answers come from the event loop, never during the call, as from a tile server.
  if (!answerQueued_) {
    answerQueued_ = true;
    QTimer::singleShot(0, this, &MBTilesSource::answerWanted);
  }
}

void MBTilesSource::answerWanted() {
  answerQueued_ = false;
  // A receiver may ask for other tiles meanwhile: the list is taken one tile at a time.
  while (!wanted_.isEmpty()) answer(wanted_.takeFirst());
}

void MBTilesSource::answer(TileId tile) {
  QSqlQuery query(QSqlDatabase::database(connection_, false));
  query.prepare(
      QStringLiteral("SELECT tile_data FROM tiles WHERE zoom_level = ? AND "
                     "tile_column = ? AND tile_row = ?"));
  const bool inRange = tile.zoom >= 0 && tile.zoom <= kMostZoomInFile;
  // The file numbers rows from the south (TMS), tiles are asked for from the north.
  const int row = inRange ? (1 << tile.zoom) - 1 - tile.y : -1;
  query.addBindValue(tile.zoom);
  query.addBindValue(tile.x);
  query.addBindValue(row);
  if (!inRange || !query.exec() || !query.next()) {
    emit tileFailed(tile, QStringLiteral("not in the file"));
    return;
  }
  QImage image;
  if (image.loadFromData(query.value(0).toByteArray())) {
    emit tileReady(tile, image);
  } else {
    emit tileFailed(tile, QStringLiteral("not a picture"));
  }
}

}  // namespace vianora::gui
