#pragma once

#include <QHash>
#include <QList>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QString>
#include <optional>

#include "gui/tiles/tile_source.h"

namespace vianora::gui {

/// The program's one network access manager for tiles, with a disk cache in the user's cache
/// folder (QStandardPaths::CacheLocation + "/tiles", at most about 200 MB): every window and
/// source shares it, so a tile is fetched once.
QNetworkAccessManager& tileNetwork();

/// The User-Agent sent with tile requests: the program's name, version and web address.
QString tileUserAgent();

/// The tile server address template of OpenStreetMap, and the text it requires.
inline const QString kOpenStreetMapTemplate =
    QStringLiteral("https://tile.openstreetmap.org/{z}/{x}/{y}.png");
inline const QString kOpenStreetMapAttribution = QStringLiteral("(c) OpenStreetMap contributors");

/// What is wrong with a tile server template, in a sentence for the user; none when it can be
/// used: an http or https address with a host, holding {z}, {x} and {y} (and {s} at most once,
/// for a sub-domain a, b or c), and no other braces.
std::optional<QString> tileTemplateProblem(const QString& urlTemplate);

/// Tiles from a tile server: at most two requests at a time to a host, the most wanted first,
/// through tileNetwork() so that the server's cache headers are honoured; requests for tiles
/// no longer wanted are cancelled. A reply that is not a picture, an HTTP error ("HTTP 404")
/// or no network ("offline") fails the tile.
class OnlineTileSource : public TileSource {
  Q_OBJECT

 public:
  /// `urlTemplate` must have no problem (tileTemplateProblem).
  OnlineTileSource(QString urlTemplate, QString attribution, int maxZoom = 19,
                   QObject* parent = nullptr);
  /// Cancels the requests still running.
  ~OnlineTileSource() override;

  QString attribution() const override { return attribution_; }
  int minZoom() const override { return 0; }
  int maxZoom() const override { return maxZoom_; }
  void request(const QList<TileId>& wanted) override;

  /// The address of a tile.
  QUrl urlOf(TileId tile) const;

 private:
  QString template_;
  QString attribution_;
  int maxZoom_;
  struct Running {
    TileId tile;
    QString host;
  };

  void startWaiting();
  static void startWaitingEverywhere();
  void start(TileId tile, const QString& host);
  void finish(QNetworkReply* reply);
  void cancel(QNetworkReply* reply);

  QList<TileId> waiting_;                   ///< not yet asked for, the most wanted first
  QHash<QNetworkReply*, Running> running_;  ///< replies on their way
};

}  // namespace vianora::gui
