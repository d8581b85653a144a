// The trip window's wiring: the boxes show what the core computed, each control does what it
// should. The figures themselves are pinned by the core's tests.
#include "gui/tripwindow/frm_stat_percorso.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QTabBar>
#include <QTableView>
#include <QTest>
#include <QWheelEvent>
#include <algorithm>

#include "core/analysis/details_texts.h"
#include "core/analysis/statistics_texts.h"
#include "core/charts/chart_overlays.h"
#include "core/charts/profile_chart.h"
#include "core/charts/route_map.h"
#include "core/charts/svg_picture.h"
#include "core/import/input_file.h"
#include "core/import/leggi_gpx.h"
#include "fake_google_earth.h"
#include "fake_prompts.h"
#include "fake_tile_server.h"
#include "gui/earth/fly_through.h"
#include "gui/tiles/tile_layer.h"
#include "gui/tripwindow/chart_surface.h"
#include "gui/tripwindow/chart_views.h"
#include "gui/tripwindow/locale_format.h"
#include "gui/tripwindow/text_table_model.h"
#include "gui/tripwindow/trip_charts.h"
#include "test_files.h"

namespace vianora::gui {
namespace {

constexpr double kMinute = 1.0 / 1440;
constexpr double kDay0 = 39756.5;  // 2008-11-04 12:00

// The boxes and the texts of the statistics they show, in the same order.
using T = StatisticsTexts;
const char* const kBoxes[] = {"txtEleMax",     "txtDistEleMax",  "txtEleMin",     "txtDistEleMin",
                              "txtDislivello", "txtDistSalita",  "txtTimeSalita", "txtDistanza",
                              "txtVelocita",   "txtVelocitaMax", "txtDistMaxVel", "txtInizio",
                              "txtFine",       "txtDurata"};
std::string T::*const kTexts[] = {
    &T::altitudeMax,   &T::altitudeMaxKm, &T::altitudeMin, &T::altitudeMinKm, &T::ascent,
    &T::climbDistance, &T::climbTime,     &T::distance,    &T::averageSpeed,  &T::maxSpeed,
    &T::maxSpeedKm,    &T::start,         &T::end,         &T::duration};
const char* const kSurfaces[] = {"pctPercorso1", "pctPercorso2", "pctPercorso3"};

// Trip 0 has figures too wide for their boxes; every text of trip 1 differs from the others,
// so a box showing another box's figure shows.
Percorsi farAndClimb() {
  Percorsi store;
  store.startTrip().Nome = "Far";
  store.lastTrip().Punti = {{-80, -170, 8848, 1e6}, {80, 170, 1, 2e6}};
  store.startTrip().Nome = "Climb";
  store.lastTrip().Punti = {{45.000, 7, 100, kDay0},
                            {45.010, 7, 180, kDay0 + 6 * kMinute},
                            {45.030, 7, 130, kDay0 + 10 * kMinute},
                            {45.035, 7, 160, kDay0 + 20 * kMinute}};
  return store;
}

class TripWindowTest : public ::testing::Test {
 protected:
  TripWindowTest() {
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    window.show();
  }

  QWidget* find(const char* name) { return window.findChild<QWidget*>(name); }
  QComboBox* list() { return window.findChild<QComboBox*>("cmbPercorso"); }
  QLineEdit* box(const char* name) { return window.findChild<QLineEdit*>(name); }
  void click(const char* name) { window.findChild<QAbstractButton*>(name)->click(); }
  void refresh(int trip) {
    list()->setCurrentIndex(trip);
    click("cmdAggiorna");
  }
  long refusals() const {
    return std::count_if(prompts.messages.begin(), prompts.messages.end(), [](const auto& m) {
      return m.text == "Select a valid trip!" && m.title == "vianora";
    });
  }
  // Design twips in pixels.
  int x(int twips) const { return qRound(twips * window.logicalDpiX() / 1440.0); }
  int y(int twips) const { return qRound(twips * window.logicalDpiY() / 1440.0); }

  Percorsi store = farAndClimb();
  test_support::FakePrompts prompts;
  frmStatPercorso window{store, prompts};
};

TEST_F(TripWindowTest, OpensAtTheDesignPositions) {
  EXPECT_EQ(window.size(), QSize(x(14895), y(11445)));
  EXPECT_EQ(list()->geometry(), QRect(x(600), y(90), x(4995), y(315)));
  EXPECT_EQ(box("txtDistMaxVel")->geometry(), QRect(x(8130), y(840), x(795), y(285)));
}

TEST_F(TripWindowTest, RefreshShowsEachTextOfTheCoreInItsBoxInTheUserLocale) {
  refresh(1);
  EXPECT_EQ(window.windowTitle(), "Climb");
  const T texts = statisticsTexts(computeTripStatistics(store[1]), localeDisplayFormat());
  for (int i = 0; i < std::ssize(kBoxes); ++i) {
    EXPECT_EQ(box(kBoxes[i])->text().toStdString(), texts.*kTexts[i]) << kBoxes[i];
  }
  EXPECT_EQ(box("txtInizio")->text(), "04/11/2008 12:00:00");
}

TEST_F(TripWindowTest, FiguresTooWideForTheirBoxesAreNarrowedAndShownFromTheirStart) {
  refresh(0);
  for (const char* name : kBoxes) {
    QLineEdit* field = box(name);
    EXPECT_LE(QFontMetrics(field->font()).horizontalAdvance(field->text()), field->width());
    EXPECT_EQ(field->cursorPosition(), 0) << name;
  }
}

TEST_F(TripWindowTest, PercorsoSelFollowsEachRefreshAndOnlyAValidOneChangesTheFigures) {
  auto absent = std::make_unique<test_support::FakeLauncher>();
  absent->installed = false;  // the flight itself is tested with the fly-through
  window.flyThrough().setLauncher(std::move(absent));
  EXPECT_EQ(window.PercorsoSel(), 0);
  click("cmdGoogle");  // a new window flies trip 0
  EXPECT_EQ(refusals(), 0);
  click("cmdAggiorna");  // nothing chosen
  EXPECT_EQ(window.PercorsoSel(), -1);
  click("cmdGoogle");
  EXPECT_EQ(refusals(), 2);

  refresh(1);
  list()->setCurrentIndex(0);  // chosen, not refreshed
  EXPECT_EQ(window.PercorsoSel(), 1);
  const QString shown = box("txtDistanza")->text();
  list()->setEditText("Clim");  // typed text is no choice
  click("cmdAggiorna");
  EXPECT_EQ(window.PercorsoSel(), -1);
  EXPECT_EQ(window.windowTitle(), "Climb");
  EXPECT_EQ(box("txtDistanza")->text(), shown);
  refresh(0);
  click("cmdGoogle");
  EXPECT_EQ(refusals(), 3);

  store.startTrip().Nome = "Third";
  EXPECT_EQ(list()->count(), 2);  // neither typed text nor the store adds entries by itself
  click("cmdRefreshPerc");
  EXPECT_EQ(list()->itemText(2), "Third");  // after the old entries, not twice
  EXPECT_EQ(list()->currentText(), "Select a trip");
}

// The charts of trip 1, which has three segments.
class TripChartsTest : public TripWindowTest {
 protected:
  TripChartsTest() { refresh(1); }

  ChartSurface& surface(Chart chart) {
    return *window.findChild<ChartSurface*>(kSurfaces[int(chart)]);
  }
  // The segments of the map the core draws for the map surface's size.
  std::vector<ChartLine> coreMap(MapColouring colouring) {
    return AggiornaGraficoCartina(store[1], window.statistics(), surface(Chart::Map).sizeInTwips(),
                                  colouring)
        .lineSets[kSegmentsSet];
  }
  std::vector<ChartLine> shownMap() { return surface(Chart::Map).picture().lineSets[kSegmentsSet]; }
  int visibleIn(std::size_t set) {
    const auto& lines = surface(Chart::Profile).picture().lineSets[set];
    return std::count_if(lines.begin(), lines.end(), [](const ChartLine& l) { return l.visible; });
  }
};

TEST_F(TripChartsTest, EachTabShowsItsOwnChart) {
  EXPECT_EQ(shownMap(), coreMap(MapColouring::Altitude));
  EXPECT_EQ(surface(Chart::Profile).picture().lineSets.size(), ProfileDrawing::kSetCount);
  EXPECT_FALSE(surface(Chart::Progress).picture().lineSets.empty());
  auto* tabs = window.findChild<QTabBar*>("tbsPercorso");
  for (int tab : {1, 2, 0}) {
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(tab).center());
    for (int k = 0; k < kChartCount; ++k) EXPECT_EQ(find(kSurfaces[k])->isVisible(), k == tab);
    EXPECT_EQ(find("frmColorazione")->isVisible(), tab == 0) << tab;
    EXPECT_EQ(find("chkVelocita")->isVisible(), tab == 1) << tab;
  }
}

TEST_F(TripChartsTest, CheckBoxesHideAndShowTheirProfile) {
  const std::tuple<const char*, std::size_t, std::size_t> boxes[] = {
      {"chkElevazione", ProfileDrawing::kAltitudeSet, ProfileDrawing::kSpeedSet},
      {"chkVelocita", ProfileDrawing::kSpeedSet, ProfileDrawing::kAltitudeSet}};
  for (const auto& [name, set, other] : boxes) {
    click(name);
    for (const char* press : {"", "cmdAggiorna"}) {
      if (*press) click(press);  // a new drawing keeps the choice
      EXPECT_EQ(std::pair(visibleIn(set), visibleIn(other)), std::pair(0, 3)) << name << press;
    }
    click(name);
    EXPECT_EQ(visibleIn(set), 3) << name;
  }
}

// A surface groups its lines for painting at its first paint: a chart never shown yet paints
// its latest picture.
TEST_F(TripChartsTest, AChartNotShownYetPaintsItsLatestPicture) {
  const QImage drawn = surface(Chart::Profile).toImage();
  for (const char* box : {"chkElevazione", "chkVelocita"}) click(box);
  EXPECT_NE(surface(Chart::Profile).toImage(), drawn);  // the axes and the grid alone
  for (const char* box : {"chkElevazione", "chkVelocita"}) click(box);
  EXPECT_EQ(surface(Chart::Profile).toImage(), drawn);
}

TEST_F(TripChartsTest, ColouringOptionsRecolourTheMapAsTheCoreDoes) {
  ASSERT_NE(coreMap(MapColouring::Speed), coreMap(MapColouring::Altitude));
  click("optVelocita");
  EXPECT_EQ(shownMap(), coreMap(MapColouring::Speed));
  click("optAltezza");
  EXPECT_EQ(shownMap(), coreMap(MapColouring::Altitude));
}

TEST_F(TripChartsTest, SaveAsWritesTheVisibleChartOrSaysWhyNot) {
  window.findChild<QTabBar*>("tbsPercorso")->setCurrentIndex(int(Chart::Progress));
  const auto temp = [](const char* name) {
    return QString::fromStdString(vianora::test_support::writeTempFile(name, "").string());
  };
  const QString png = temp("c.png"), svg = temp("c");
  prompts.saveAnswers.push_back(UserPrompts::FileChoice{png, 2});  // the extension wins
  prompts.saveAnswers.push_back(UserPrompts::FileChoice{svg, 2});  // the filter's is added
  prompts.saveAnswers.push_back(UserPrompts::FileChoice{QStringLiteral("/no/such/x.png"), 1});
  for (int press = 0; press < 3; ++press) click("cmdSaveAs");

  EXPECT_EQ(QImageReader(png, "png").read().size(), surface(Chart::Progress).size());
  QFile file(svg + ".svg");
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  ChartPicture shown = surface(Chart::Progress).picture();
  mergeOverlay(shown, surface(Chart::Progress).overlay());  // scales and cursor included
  EXPECT_EQ(file.readAll().toStdString(), svgOfPicture(shown));
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0].kind, "critical");
  EXPECT_TRUE(prompts.messages[0].text.contains(QStringLiteral("/no/such/x.png")));
}

TEST_F(TripChartsTest, SurfacesFollowTheWindowAndRedrawOnceAResizeSettles) {
  for (const QSize size : {QSize(1300, 950), QSize(700, 500)}) {
    window.resize(size);
    QTest::qWait(400);
    const QRect tabs = find("tbsPercorso")->geometry();
    EXPECT_EQ(tabs, QRect(x(90), y(1620), size.width() - x(90) - x(50), tabs.height()));
    for (const char* name : kSurfaces) {
      EXPECT_EQ(find(name)->geometry(), QRect(QPoint(tabs.left(), tabs.bottom() + 1),
                                              QPoint(tabs.right(), size.height() - y(50) - 1)));
    }
    // The check boxes stand in the tab strip's row, clear of the curves.
    for (const char* box : {"chkVelocita", "chkElevazione"}) {
      EXPECT_TRUE(tabs.contains(find(box)->geometry())) << box;
      EXPECT_FALSE(find(box)->geometry().intersects(find(kSurfaces[1])->geometry())) << box;
    }
    EXPECT_EQ(shownMap(), coreMap(MapColouring::Altitude));
  }
}

// The cursor: hovering a chart marks the nearest point on every chart with its readout.
class ChartCursorTest : public TripChartsTest {
 protected:
  ChartCursorTest() {
    window.findChild<QTabBar*>("tbsPercorso")->setCurrentIndex(int(Chart::Profile));
  }
  bool reads(Chart chart, const char* text) {
    const auto& labels = surface(chart).overlay().labels;
    return std::any_of(labels.begin(), labels.end(),
                       [&](const ChartLabel& l) { return l.caption == text; });
  }
  // The pixel of a place in twips on a surface.
  QPoint pixel(Chart chart, double twipsX, double twipsY) {
    const QWidget& s = surface(chart);
    return QPoint(qRound(twipsX * s.logicalDpiX() / 1440.0),
                  qRound(twipsY * s.logicalDpiY() / 1440.0));
  }
  QPoint profileAt(double fraction) {  // along the plot, from the vertical axis to the total
    const auto& axes = surface(Chart::Profile).picture().lineSets[ProfileDrawing::kAxesSet];
    const float left = axes[ProfileDrawing::kLineY].x1;
    // The altitude curve ends at the total distance, the plot's right end.
    const float right =
        surface(Chart::Profile).picture().lineSets[ProfileDrawing::kAltitudeSet].back().x2;
    return pixel(Chart::Profile, left + fraction * (right - left), axes[1].y1 + 300);
  }
  // A mouse move as the window system delivers it, with the buttons held.
  void move(Chart chart, QPoint at, Qt::MouseButtons held = Qt::NoButton) {
    QMouseEvent event(QEvent::MouseMove, at, surface(chart).mapToGlobal(at), Qt::NoButton, held,
                      {});
    QApplication::sendEvent(&surface(chart), &event);
  }
  void wheel(Chart chart, QPoint at, int notches) {
    QWheelEvent event(at, surface(chart).mapToGlobal(at), {}, {0, 120 * notches}, Qt::NoButton, {},
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(&surface(chart), &event);
  }
};

TEST_F(ChartCursorTest, HoverAndKeysMoveOneCursorOverEveryChart) {
  move(Chart::Profile, profileAt(0.99));
  EXPECT_TRUE(reads(Chart::Profile, "Point 4"));
  EXPECT_TRUE(reads(Chart::Progress, "Point 4"));
  // The map rings the same point: the end of its last segment.
  const ChartLine last = shownMap().back();
  const auto& rings = surface(Chart::Map).overlay().boxes;
  EXPECT_TRUE(std::any_of(rings.begin(), rings.end(), [&](const ChartBox& b) {
    return !b.filled && std::abs(b.left + b.width / 2 - last.x2) < 1 &&
           std::abs(b.top + b.height / 2 - last.y2) < 1;
  }));
  const std::pair<Qt::Key, const char*> keys[] = {{Qt::Key_Left, "Point 3"},
                                                  {Qt::Key_Home, "Point 1"},
                                                  {Qt::Key_Right, "Point 2"},
                                                  {Qt::Key_End, "Point 4"}};
  for (const auto& [key, text] : keys) {
    QTest::keyClick(&surface(Chart::Profile), key);
    EXPECT_TRUE(reads(Chart::Map, text)) << text;
  }
  move(Chart::Profile, profileAt(0.0));
  EXPECT_TRUE(reads(Chart::Profile, "Point 1"));
  EXPECT_TRUE(reads(Chart::Profile, "km/h"));  // the speed scale's caption
  click("chkVelocita");
  EXPECT_FALSE(reads(Chart::Profile, "km/h"));
}

TEST_F(ChartCursorTest, WheelAndDragZoomADoubleClickShowsTheWholeTripAgain) {
  const ChartPicture whole = surface(Chart::Profile).picture();
  QTest::mousePress(&surface(Chart::Profile), Qt::LeftButton, {}, profileAt(0.2));
  move(Chart::Profile, profileAt(0.6), Qt::LeftButton);
  EXPECT_FALSE(surface(Chart::Profile).overlay().boxes.empty());  // the range dragged over
  QTest::mouseRelease(&surface(Chart::Profile), Qt::LeftButton, {}, profileAt(0.6));
  EXPECT_NEAR(window.findChild<TripCharts*>()->views().view(Chart::Profile).scaleX, 2.5, 0.01);
  EXPECT_NE(surface(Chart::Profile).picture().labels, whole.labels);  // a finer grid
  QTest::mouseDClick(&surface(Chart::Profile), Qt::LeftButton, {},
                     surface(Chart::Profile).rect().center());
  EXPECT_EQ(surface(Chart::Profile).picture().labels, whole.labels);

  const QPoint middle = surface(Chart::Map).rect().center();
  wheel(Chart::Map, middle, 2);
  EXPECT_NE(shownMap(), coreMap(MapColouring::Altitude));
  QTest::mouseDClick(&surface(Chart::Map), Qt::LeftButton, {}, middle);
  EXPECT_EQ(shownMap(), coreMap(MapColouring::Altitude));
}

// A sample's second trip (three points, Italian figures): its last point at the plot's end,
// its first at the vertical axis, read out as the file gives them.
TEST_F(ChartCursorTest, ReadsOutTheHoveredPointOfASample) {
  const auto path = vianora::test_support::sampleFile("gpx/georust-caltopo-export.gpx");
  if (!path) GTEST_SKIP() << "the sample collection is missing";
  BigBuffer bytes;
  ASSERT_FALSE(readWholeFile(path->string(), bytes));
  LeggiGpx(store, bytes, {});
  click("cmdRefreshPerc");
  refresh(3);  // "Day 02"
  move(Chart::Profile, profileAt(0.999));
  for (const char* text : {"Point 3", "Distance 10,633 km", "Altitude 2.923,0 m",
                           "Speed 2,163 km/h", "Time 21:46:00", "Elapsed 04:55:00"})
    EXPECT_TRUE(reads(Chart::Profile, text)) << text;
  move(Chart::Profile, profileAt(0.0));
  for (const char* text : {"Point 1", "Distance 0,000 km", "Speed N.C.", "Elapsed 00:00:00"})
    EXPECT_TRUE(reads(Chart::Profile, text)) << text;
}

// The map's background: tiles from a server on 127.0.0.1 or an MBTiles file, or none.
class MapTilesTest : public ChartCursorTest {
 protected:
  MapTilesTest() { window.findChild<QTabBar*>("tbsPercorso")->setCurrentIndex(int(Chart::Map)); }
  void choose(int index) {
    auto* choice = window.findChild<QComboBox*>("cmbBackground");
    choice->setCurrentIndex(index);
    emit choice->activated(index);
  }
  QString line() { return window.findChild<QLabel*>("lblTiles")->text(); }
  const std::vector<BackgroundTile>& tiles() { return surface(Chart::Map).background(); }
  bool allArrived() {
    return std::all_of(tiles().begin(), tiles().end(), [](auto& t) { return !t.image.isNull(); });
  }
  TileServer server{0};
};

TEST_F(MapTilesTest, ServerTilesFillTheViewAndFailuresShowGreyWithALineUnderTheMap) {
  QTest::qWait(200);
  EXPECT_TRUE(server.paths.isEmpty() && tiles().empty());  // "None": no request at all
  prompts.texts = {QStringLiteral("ftp://x/{z}/{x}/{y}"), server.address,
                   QStringLiteral("Test tiles")};
  choose(2);  // a bad address is refused, and the choice stays
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(window.findChild<QComboBox*>("cmbBackground")->currentIndex(), 0);
  choose(2);
  const auto zoomTo = [&](int zoom) {
    const int levels = zoom - window.findChild<TripCharts*>()->views().tiledView().zoom;
    wheel(Chart::Map, surface(Chart::Map).rect().center(), levels);
  };
  QTest::qWait(300);  // the map, a line shorter now, is drawn again for its size
  zoomTo(12);
  ASSERT_TRUE(QTest::qWaitFor([&] { return !tiles().empty() && allArrived(); }, kWaitMs));
  const auto atTwelve = std::count_if(server.paths.begin(), server.paths.end(),
                                      [](const QByteArray& p) { return p.startsWith("/12/"); });
  EXPECT_EQ(atTwelve, qsizetype(tiles().size()));  // the view's tiles, each once
  EXPECT_TRUE(reads(Chart::Map, "Test tiles"));
  EXPECT_EQ(line(), "");
  EXPECT_EQ(surface(Chart::Map).toImage().pixelColor(2, 2), QColor(Qt::red));  // "Save as" too
  // At the level the server answers 404: grey squares and one line.
  zoomTo(kLostZoom);
  ASSERT_TRUE(
      QTest::qWaitFor([&] { return line().endsWith("could not be loaded: HTTP 404"); }, kWaitMs));
  EXPECT_TRUE(
      std::all_of(tiles().begin(), tiles().end(), [](auto& t) { return t.image.isNull(); }));
  // The choice is remembered; "None" shows the map on white again.
  frmStatPercorso second(store, prompts);
  EXPECT_EQ(second.findChild<QComboBox*>("cmbBackground")->currentIndex(), 2);
  choose(0);
  QTest::qWait(300);  // the map, its line gone, is drawn again for its size
  EXPECT_TRUE(tiles().empty());
  EXPECT_EQ(shownMap(), coreMap(MapColouring::Altitude));
}

TEST_F(MapTilesTest, AnMBTilesFileIsShownWithItsAttributionOrRefusedUnderTheMap) {
  QTemporaryDir dir;
  const auto tilesFile = [&](const char* name, const char* bounds) {
    return makeDatabase(
        dir.filePath(name),
        {"CREATE TABLE metadata (name, value)",
         QString("INSERT INTO metadata VALUES ('attribution', 'Our tiles'), ('bounds', '%1')")
             .arg(bounds),
         "CREATE TABLE tiles (zoom_level, tile_column, tile_row, tile_data)"});
  };
  const QString here = tilesFile("here.mbtiles", "6,44,8,46"),
                far = tilesFile("far.mbtiles", "-80,-10,-70,0");
  for (const QString& path : {here, far, QString("/no/such.mbtiles")})
    prompts.answers.push_back(UserPrompts::FileChoice{path, 1});
  choose(3);
  EXPECT_TRUE(reads(Chart::Map, "Our tiles"));
  EXPECT_EQ(line(), "");
  choose(3);
  EXPECT_EQ(line(), "far.mbtiles does not cover this trip's area.");
  choose(3);
  EXPECT_TRUE(line().startsWith("/no/such.mbtiles is not an MBTiles file")) << line().toStdString();
}

// The Details tab of trip 1, which runs about 3.9 km.
class DetailsTest : public TripChartsTest {
 protected:
  DetailsTest() { window.findChild<QTabBar*>("tbsPercorso")->setCurrentIndex(kDetailsTab); }
  QTableView* table(const char* name) { return window.findChild<QTableView*>(name); }
  QStringList column(const char* name, int column) {
    QStringList texts;
    for (int row = 0; row < table(name)->model()->rowCount(); ++row)
      texts << table(name)->model()->index(row, column).data().toString();
    return texts;
  }
  const TripDetails details = computeTripDetails(store[1]);
  // Times in a column sort by their seconds, not by their texts.
  const TextTable splits{
      {"Split", "Time"},
      {{{"1", 1}, {"9:00", 540}}, {{"2", 2}, {"1:05:00", 3900}}, {{"3", 3}, {"5:00", 300}}}};
};

TEST_F(DetailsTest, RefreshFillsTheFiguresAndTablesAsTheCoreWritesThem) {
  EXPECT_TRUE(find("tabDetails")->isVisible());
  EXPECT_FALSE(find("cmdSaveAs")->isEnabled());  // no chart to save
  const DisplayFormat format = localeDisplayFormat();
  QStringList shown, written;
  for (const QLabel* label : find("lblDetails")->findChildren<QLabel*>()) shown << label->text();
  for (const DetailsFigure& figure : detailsFigures(details, format))
    written << QString::fromStdString(figure.caption) << QString::fromStdString(figure.text);
  EXPECT_EQ(shown, written);
  for (const auto& [name, core] : {std::pair("tblPauses", pausesTable(details, format)),
                                   std::pair("tblSplits", splitsTable(details, format))}) {
    ASSERT_EQ(table(name)->model()->rowCount(), std::ssize(core.rows)) << name;
    for (std::size_t row = 0; row < core.rows.size(); ++row)
      for (std::size_t c = 0; c < core.rows[row].size(); ++c)
        EXPECT_EQ(table(name)->model()->index(row, c).data().toString().toStdString(),
                  core.rows[row][c].text);
  }
}

TEST_F(DetailsTest, AHeaderClickSortsTheRowsByTheirValuesAndCopyTakesThemAsShown) {
  static_cast<TextTableModel*>(table("tblSplits")->model())->setTable(splits);
  QHeaderView* header = table("tblSplits")->horizontalHeader();
  const QPoint time(header->sectionViewportPosition(1) + 4, header->height() / 2);
  QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, time);
  EXPECT_EQ(column("tblSplits", 1), QStringList({"5:00", "9:00", "1:05:00"}));
  QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, time);
  EXPECT_EQ(column("tblSplits", 0), QStringList({"2", "1", "3"}));
  const TextTable shown{splits.header, {splits.rows[1], splits.rows[0], splits.rows[2]}};
  click("btnCopySplits");
  EXPECT_EQ(QApplication::clipboard()->text().toStdString(), tabSeparated(shown));
  QApplication::clipboard()->clear();
  QTest::keyClick(table("tblSplits"), Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text().toStdString(), tabSeparated(shown));
  click("btnCopyPauses");
  EXPECT_EQ(QApplication::clipboard()->text().toStdString(),
            tabSeparated(pausesTable(details, localeDisplayFormat())));
}

TEST_F(DetailsTest, ChoosingASplitMarksItsStretchOnTheMapAndTheProfileUntilTheChoiceIsCleared) {
  ASSERT_GE(details.splits.size(), 2u);
  const TripStretch second = details.splits[1].where;
  QTableView* splitsView = table("tblSplits");
  QTest::mouseClick(splitsView->viewport(), Qt::LeftButton, {},
                    splitsView->visualRect(splitsView->model()->index(1, 0)).center());
  EXPECT_EQ(window.findChild<TripCharts*>()->views().cursor(), second.firstPoint);
  const auto marked = [&] {
    const ChartPicture& map = surface(Chart::Map).overlay();
    return !map.lineSets.empty() && !map.lineSets.front().empty() &&
           map.lineSets.front().front().colour == kStretchColour;
  };
  ASSERT_TRUE(marked());
  EXPECT_EQ(surface(Chart::Profile).overlay().boxes.front().fillAlpha, kStretchBandAlpha);
  splitsView->clearSelection();
  EXPECT_FALSE(marked());
  EXPECT_NE(surface(Chart::Profile).overlay().boxes.front().fillAlpha, kStretchBandAlpha);
}

TEST_F(TripChartsTest, TheDistanceChartTellsTheTimeOfDayWithTheDateWhereTheDayChanges) {
  store.startTrip().Nome = "Night";  // 23:00 to 01:00
  store.lastTrip().Punti.clear();
  for (int k = 0; k < 4; ++k)
    store.lastTrip().Punti.push_back({45 + k * 0.01, 7, 100, kDay0 + (660 + 40 * k) * kMinute});
  click("cmdRefreshPerc");
  refresh(2);
  window.findChild<QTabBar*>("tbsPercorso")->setCurrentIndex(int(Chart::Progress));
  auto* axis = window.findChild<QComboBox*>("cmbTimeAxis");
  EXPECT_TRUE(axis->isVisible() && axis->currentText() == "Elapsed time");
  const auto shownLabels = [&] {
    QStringList shown;
    for (const ChartLabel& label : surface(Chart::Progress).picture().labels)
      if (label.visible) shown << QString::fromStdString(label.caption);
    return shown.mid(0, 4);
  };
  EXPECT_EQ(shownLabels(), QStringList({"0", "00:30", "01:00", "01:30"}));
  axis->setCurrentText("Time of day");
  EXPECT_EQ(shownLabels(), QStringList({"0", "23:30", "05/11/2008 00:00", "00:30"}));
  axis->setCurrentText("Elapsed time");
  EXPECT_EQ(shownLabels(), QStringList({"0", "00:30", "01:00", "01:30"}));
}

}  // namespace
}  // namespace vianora::gui
