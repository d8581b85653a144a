#include "gui/tiles/tile_layer.h"

#include <QSet>
#include <QStringList>

namespace vianora::gui {

TileLayer::TileLayer(std::unique_ptr<TileSource> source, QObject* parent)
    : QObject(parent), source_(std::move(source)) {
  connect(source_.get(), &TileSource::tileReady, this, &TileLayer::arrived);
  connect(source_.get(), &TileSource::tileFailed, this, &TileLayer::failed);
}

void TileLayer::show(const std::vector<PlacedTile>& tiles) {
  shown_.clear();
  for (const PlacedTile& placed : tiles) shown_.append(placed.tile);
  const QSet<TileId> shown(shown_.begin(), shown_.end());
  // A failure holds for the view it happened in: a tile shown again later is asked for again.
  failures_.removeIf([&shown](const auto& failure) { return !shown.contains(failure.key()); });
  QList<TileId> wanted;
  for (const TileId& tile : shown_) {
    // Looking a picture up marks it as recently shown, so the cache keeps it longest.
    if (pictures_.object(tile) == nullptr && !failures_.contains(tile)) wanted.append(tile);
  }
  source_->request(wanted);
}

QImage TileLayer::image(TileId tile) const {
  const QImage* picture = pictures_.object(tile);
  return picture != nullptr ? *picture : QImage();
}

QString TileLayer::failureLine() const {
  if (failures_.isEmpty()) return {};
  QStringList reasons;
  for (const TileId& tile : shown_) {
    const auto failure = failures_.constFind(tile);
    if (failure != failures_.cend() && !reasons.contains(*failure)) reasons.append(*failure);
  }
  const qsizetype count = failures_.size();
  return QStringLiteral("%1 %2 could not be loaded: %3")
      .arg(count)
      .arg(count == 1 ? QStringLiteral("tile") : QStringLiteral("tiles"), reasons.join(u", "));
}

void TileLayer::arrived(TileId tile, const QImage& image) {
  pictures_.insert(tile, new QImage(image));
  failures_.remove(tile);
  emit changed();
}

void TileLayer::failed(TileId tile, const QString& reason) {
  // A late answer for a tile the view no longer shows is no news for the line under the map.
  if (!shown_.contains(tile)) return;
  failures_.insert(tile, reason);
  emit changed();
}

}  // namespace vianora::gui
