#include "gui/tiles/online_tile_source.h"

#include <QCoreApplication>
#include <QNetworkDiskCache>
#include <QNetworkRequest>
#include <QPointer>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QUrl>

#include "gui/app/frm_info.h"

namespace vianora::gui {
namespace {

/// Requests a tile server answers at once for one source: the most that OpenStreetMap's tile
/// usage policy allows.
constexpr int kMostRunningPerHost = 2;
constexpr qint64 kDiskCacheBytes = 200LL * 1024 * 1024;

QString fieldValue(QStringView name, TileId tile) {
  if (name == u"z") return QString::number(tile.zoom);
  if (name == u"x") return QString::number(tile.x);
  if (name == u"y") return QString::number(tile.y);
  // Sub-domains a, b and c take turns, so that neighbouring tiles go to different servers.
  return QString(QChar(u'a' + (tile.x + tile.y) % 3));
}

/// The template with every {field} filled for a tile.
QString filled(const QString& urlTemplate, TileId tile) {
  static const QRegularExpression field(QStringLiteral("\\{([zxys])\\}"));
  QString url;
  qsizetype from = 0;
  for (const QRegularExpressionMatch& m : field.globalMatch(urlTemplate)) {
    url += QStringView(urlTemplate).mid(from, m.capturedStart() - from);
    url += fieldValue(m.capturedView(1), tile);
    from = m.capturedEnd();
  }
  return url.append(QStringView(urlTemplate).mid(from));
}

/// The short reason a finished reply failed, or none when it brought something.
std::optional<QString> failureOf(QNetworkReply& reply) {
  const int status = reply.attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
  if (status >= 400) return QStringLiteral("HTTP %1").arg(status);
  // Refused, unknown host, timed out, broken off: to the user all of it means no tiles today.
  if (reply.error() != QNetworkReply::NoError) return QStringLiteral("offline");
  return std::nullopt;
}

}  // namespace

QNetworkAccessManager& tileNetwork() {
  // Parented to the application so that it goes before QApplication does.
  static QPointer<QNetworkAccessManager> network;
  if (!network) {
    network = new QNetworkAccessManager(qApp);
    auto* cache = new QNetworkDiskCache(network);
    cache->setCacheDirectory(QStandardPaths::writableLocation(QStandardPaths::CacheLocation) +
                             QStringLiteral("/tiles"));
    cache->setMaximumCacheSize(kDiskCacheBytes);
    network->setCache(cache);
    network->setRedirectPolicy(QNetworkRequest::NoLessSafeRedirectPolicy);
  }
  return *network;
}

QString tileUserAgent() {
  return QStringLiteral("QuillonVianora/%1 (+%2)")
      .arg(QCoreApplication::applicationVersion(), frmInfo::webUrl().toString());
}

std::optional<QString> tileTemplateProblem(const QString& urlTemplate) {
  if (!urlTemplate.startsWith(QStringLiteral("http://"), Qt::CaseInsensitive) &&
      !urlTemplate.startsWith(QStringLiteral("https://"), Qt::CaseInsensitive)) {
    return QStringLiteral("The address must start with http:// or https://.");
  }
  static const QRegularExpression field(QStringLiteral("\\{([^{}]*)\\}"));
  int subDomains = 0;
  for (const QRegularExpressionMatch& m : field.globalMatch(urlTemplate)) {
    const QString name = m.captured(1);
    if (name != u"z" && name != u"x" && name != u"y" && name != u"s") {
      return QStringLiteral("The address has an unknown field {%1}.").arg(name);
    }
    subDomains += name == u"s";
  }
  if (QString(urlTemplate).remove(field).contains(QRegularExpression(QStringLiteral("[{}]")))) {
    return QStringLiteral("The address has a brace that opens or closes no field.");
  }
  for (const char* needed : {"{z}", "{x}", "{y}"}) {
    if (!urlTemplate.contains(QLatin1String(needed))) {
      return QStringLiteral("The address must contain {z}, {x} and {y}.");
    }
  }
  if (subDomains > 1) return QStringLiteral("The address may contain {s} only once.");
  const QUrl sample(filled(urlTemplate, TileId{}), QUrl::StrictMode);
  if (!sample.isValid() || sample.host().isEmpty()) {
    return QStringLiteral("The address is not a valid web address with a server name.");
  }
  return std::nullopt;
}

namespace {

// Requests running to each host from every source of the program (every window, every
// choice): a server never sees more than two at a time from it.
QHash<QString, int>& runningPerHost() {
  static QHash<QString, int> running;
  return running;
}

// The sources alive, which a request that ends lets start their next.
QList<OnlineTileSource*>& liveSources() {
  static QList<OnlineTileSource*> sources;
  return sources;
}

}  // namespace

OnlineTileSource::OnlineTileSource(QString urlTemplate, QString attribution, int maxZoom,
                                   QObject* parent)
    : TileSource(parent),
      template_(std::move(urlTemplate)),
      attribution_(std::move(attribution)),
      maxZoom_(maxZoom) {
  liveSources().append(this);
}

OnlineTileSource::~OnlineTileSource() {
  liveSources().removeOne(this);
  for (QNetworkReply* reply : running_.keys()) cancel(reply);
  startWaitingEverywhere();
}

void OnlineTileSource::startWaitingEverywhere() {
  for (OnlineTileSource* source : liveSources()) source->startWaiting();
}

QUrl OnlineTileSource::urlOf(TileId tile) const { return QUrl(filled(template_, tile)); }

void OnlineTileSource::request(const QList<TileId>& wanted) {
  const QSet<TileId> stillWanted(wanted.begin(), wanted.end());
  QSet<TileId> underway;
  for (auto it = running_.cbegin(); it != running_.cend();) {
    QNetworkReply* reply = it.key();
    const TileId tile = it.value().tile;
    ++it;
    if (stillWanted.contains(tile)) {
      underway.insert(tile);
    } else {
      cancel(reply);
    }
  }
  waiting_.clear();
  for (const TileId& tile : wanted) {
    if (!underway.contains(tile) && !waiting_.contains(tile)) waiting_.append(tile);
  }
  startWaitingEverywhere();  // places freed by cancelled requests may serve other sources
}

void OnlineTileSource::startWaiting() {
  // The most wanted tile whose host has room goes first; a busy host does not hold up another.
  for (auto it = waiting_.begin(); it != waiting_.end();) {
    const QString host = urlOf(*it).host();
    if (runningPerHost().value(host) < kMostRunningPerHost) {
      start(*it, host);
      it = waiting_.erase(it);
    } else {
      ++it;
    }
  }
}

void OnlineTileSource::start(TileId tile, const QString& host) {
  QNetworkRequest request(urlOf(tile));
  request.setHeader(QNetworkRequest::UserAgentHeader, tileUserAgent());
  // The cache answers fresh tiles itself and revalidates stale ones, as the server's headers say.
  request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::PreferNetwork);
  QNetworkReply* reply = tileNetwork().get(request);
  running_.insert(reply, Running{tile, host});
  ++runningPerHost()[host];
  connect(reply, &QNetworkReply::finished, this, [this, reply] { finish(reply); });
  // The network goes with the application, taking its replies along, maybe before this source.
  connect(reply, &QObject::destroyed, this, [this, reply] {
    if (running_.contains(reply)) --runningPerHost()[running_.take(reply).host];
  });
}

void OnlineTileSource::cancel(QNetworkReply* reply) {
  const Running running = running_.take(reply);
  --runningPerHost()[running.host];
  // Aborting emits finished at once: the tile is no longer wanted, so no answer is given.
  disconnect(reply, nullptr, this, nullptr);
  reply->abort();
  reply->deleteLater();
}

void OnlineTileSource::finish(QNetworkReply* reply) {
  const Running running = running_.take(reply);
  --runningPerHost()[running.host];
  reply->deleteLater();
  std::optional<QString> failure = failureOf(*reply);
  QImage image;
  if (!failure && !image.loadFromData(reply->readAll())) failure = QStringLiteral("not a picture");
  startWaitingEverywhere();
  if (failure) {
    emit tileFailed(running.tile, *failure);
  } else {
    emit tileReady(running.tile, image);
  }
}

}  // namespace vianora::gui
