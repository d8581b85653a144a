#include <gtest/gtest.h>

#include <QBuffer>
#include <QSqlQuery>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "fake_tile_server.h"
#include "gui/tiles/mbtiles_source.h"
#include "gui/tiles/online_tile_source.h"
#include "gui/tiles/tile_layer.h"

namespace vianora::gui {
namespace {

// What `source` answers for `wanted`, in that order: each tile's top left colour or its failure.
QString answersOf(TileSource& source, const QList<TileId>& wanted) {
  QHash<TileId, QString> answers;
  QObject scope;
  QObject::connect(&source, &TileSource::tileReady, &scope,
                   [&](TileId t, QImage i) { answers[t] = i.pixelColor(0, 0).name(); });
  QObject::connect(&source, &TileSource::tileFailed, &scope,
                   [&](TileId t, QString r) { answers[t] = r; });
  source.request(wanted);
  EXPECT_TRUE(answers.isEmpty()) << "answered during request()";
  EXPECT_TRUE(QTest::qWaitFor([&] { return answers.size() >= wanted.size(); }, kWaitMs));
  QStringList inOrder;
  for (const TileId& tile : wanted) inOrder.append(answers.value(tile));
  return inOrder.join(' ');
}

TEST(OnlineTileSource, FetchesTheMostWantedFirstTwoAtATimeOnceAndDropsTilesNoLongerWanted) {
  TileServer server(150);
  OnlineTileSource source(server.address, ""), other(server.address, "");
  OnlineTileSource offline("http://127.0.0.1:1/{z}/{x}/{y}.png", "");  // nothing listens there
  const QList<TileId> row = {{3, 0, 0}, {3, 1, 0}, {3, 2, 0}, {3, 3, 0}, {3, 4, 0}};
  EXPECT_EQ(answersOf(source, row).count("#ff0000"), 5);
  QByteArrayList paths = server.paths;  // two at once may come in either order
  std::sort(paths.begin(), paths.begin() + 2), std::sort(paths.begin() + 2, paths.begin() + 4);
  EXPECT_EQ(paths.join(' '), "/3/0/0.png /3/1/0.png /3/2/0.png /3/3/0.png /3/4/0.png");
  EXPECT_EQ(server.most, 2);
  // While two of these run, the next request keeps one of them and wants a new tile first.
  source.request({{4, 0, 0}, {4, 1, 0}, {4, 2, 0}, {4, 3, 0}});
  ASSERT_TRUE(QTest::qWaitFor([&] { return server.paths.size() == 7; }, kWaitMs));
  EXPECT_EQ(answersOf(source, {{kKeptZoom, 9, 9}, {4, 1, 0}}), "#ff0000 #ff0000");
  QTest::qWait(300);
  EXPECT_EQ(server.paths.mid(7), QByteArrayList{"/5/9/9.png"});
  EXPECT_EQ(server.dropped, 1) << "the running request for 4/0/0 was cancelled";
  // Another source has the tile the server let keep from the cache; no server means "offline".
  EXPECT_EQ(answersOf(other, {{kKeptZoom, 9, 9}}), "#ff0000");
  EXPECT_EQ(answersOf(offline, {{3, 0, 0}}), "offline");
  EXPECT_EQ(server.paths.size(), 8);
  // Two sources share the host's two places.
  server.most = 0;
  source.request({{6, 0, 0}, {6, 1, 0}, {6, 2, 0}});
  other.request({{6, 3, 0}, {6, 4, 0}, {6, 5, 0}});
  EXPECT_TRUE(QTest::qWaitFor([&] { return server.paths.size() == 14; }, kWaitMs));
  EXPECT_EQ(server.most, 2);
  // Nothing left on its way when the test ends: the network's thread then lets all go.
  EXPECT_TRUE(QTest::qWaitFor([&] { return server.waiting.isEmpty(); }, kWaitMs));
  QTest::qWait(100);
}

TEST(TileLayer, AsksOnlyForTilesNotAtHandAndSaysWhyTheOthersFailed) {
  TileServer server(0);
  TileLayer layer(std::make_unique<OnlineTileSource>(server.address, ""));
  int changes = 0;
  QObject::connect(&layer, &TileLayer::changed, [&] { ++changes; });
  const TileId ok{3, 0, 0}, lost{kLostZoom, 0, 0}, lost2{kLostZoom, 1, 0}, junk{kJunkZoom, 0, 0};
  const struct {
    std::vector<PlacedTile> shown;
    int requests;  // that reached the server so far: a failed tile is asked again once it left
    QString line;
  } steps[] = {
      {{{ok}, {lost}, {junk}, {lost2}}, 4, "3 tiles could not be loaded: HTTP 404, not a picture"},
      {{{junk}, {ok}}, 4, "1 tile could not be loaded: not a picture"},
      {{{lost}}, 5, "1 tile could not be loaded: HTTP 404"}};
  for (const auto& step : steps) {
    layer.show(step.shown);
    EXPECT_TRUE(QTest::qWaitFor([&] { return changes == step.requests; }, kWaitMs));
    QTest::qWait(100);
    EXPECT_EQ(server.paths.size(), step.requests);
    EXPECT_EQ(layer.failureLine(), step.line);
  }
  EXPECT_TRUE(!layer.image(ok).isNull() && layer.image(lost).isNull());
}

TEST(TileTemplateProblem, TellsWhatIsWrongWithAnAddress) {
  const char* const cases[][2] = {
      {"http://{s}.example.org/{z}/{x}/{y}.png?k=1", ""},
      {"ftp://example.org/{z}/{x}/{y}.png", "The address must start with http:// or https://."},
      {"https://example.org/{z}/{x}.png", "The address must contain {z}, {x} and {y}."},
      {"https://example.org/{z}/{x}/{y}/{q}.png", "The address has an unknown field {q}."},
      {"https://{s}.{s}.example.org/{z}/{x}/{y}.png", "The address may contain {s} only once."},
      {"https:///{z}/{x}/{y}.png", "The address is not a valid web address with a server name."}};
  for (const auto& [address, problem] : cases)
    EXPECT_EQ(tileTemplateProblem(address).value_or(""), problem) << address;
}

TEST(MBTilesSource, AnswersTilesFromTheFileCountingRowsFromTheSouthAndRefusesOtherFiles) {
  QTemporaryDir dir;
  QString error, tiles = "INSERT INTO tiles VALUES (2, 2, 2, X'00')";  // not a picture
  for (const auto& [zoom, column, row, colour] :
       {std::tuple(1, 0, 1, Qt::red), {1, 1, 1, Qt::green}, {2, 1, 0, Qt::blue}})
    tiles +=
        QString(", (%1, %2, %3, X'%4')").arg(zoom).arg(column).arg(row).arg(png(colour).toHex());
  const QString map = makeDatabase(
      dir.filePath("map.mbtiles"),
      {"CREATE TABLE metadata (name, value)", "INSERT INTO metadata VALUES ('maxzoom', '3')",
       "CREATE TABLE tiles (zoom_level, tile_column, tile_row, tile_data)", tiles});
  const auto source = MBTilesSource::open(map, error);
  ASSERT_TRUE(source) << error.toStdString();
  EXPECT_EQ(std::pair(source->minZoom(), source->maxZoom()), std::pair(1, 3));  // 1: lowest held
  EXPECT_EQ(answersOf(*source, {{1, 0, 0}, {1, 1, 0}, {2, 1, 3}, {1, 0, 1}, {2, 2, 1}}),
            "#ff0000 #00ff00 #0000ff not in the file not a picture");
  QFile text(dir.filePath("notes.mbtiles"));
  ASSERT_TRUE(text.open(QIODevice::WriteOnly) && text.write(QByteArray(2000, 'x')) && text.flush());
  const QString other = makeDatabase(dir.filePath("other.mbtiles"), {"CREATE TABLE places (x)"});
  for (const QString& path : {text.fileName(), other}) {
    EXPECT_FALSE(MBTilesSource::open(path, error));
    EXPECT_TRUE(error.startsWith(path + " is not an MBTiles file: ")) << error.toStdString();
  }
}

}  // namespace
}  // namespace vianora::gui
