// The charts in the trip window: check boxes, colouring options, "Refresh" twice, "Save as".
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QImageReader>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTest>
#include <QXmlStreamReader>

#include "core/charts/profile_chart.h"
#include "core/charts/route_map.h"
#include "fake_prompts.h"
#include "gui/tripwindow/chart_surface.h"
#include "gui/tripwindow/frm_stat_percorso.h"
#include "test_files.h"

namespace vianora::gui {
namespace {

bool samePicture(const ChartPicture& a, const ChartPicture& b) {
  return a.lineSets == b.lineSets && a.labels == b.labels;
}

class TripChartsTest : public ::testing::Test {
 protected:
  TripChartsTest() {
    Percorso& trip = store.startTrip();
    trip.Nome = "Three points";
    store.addPoint() = Punto{45.00, 7.00, 100, 39756.5};
    store.addPoint() = Punto{45.01, 7.01, 150, 39756.5 + 60 / 86400.0};
    store.addPoint() = Punto{45.02, 7.00, 120, 39756.5 + 180 / 86400.0};
    window.resize(1000, 760);
    window.show();
    window.showTrip(0);
  }

  template <typename T>
  T* find(const char* name) {
    return window.findChild<T*>(QString::fromLatin1(name));
  }
  ChartSurface* surface(int k) {
    return find<ChartSurface>(k == 1 ? "pctPercorso1" : k == 2 ? "pctPercorso2" : "pctPercorso3");
  }

  Percorsi store;
  test_support::FakePrompts prompts;
  frmStatPercorso window{store, prompts};
};

TEST_F(TripChartsTest, DrawsEveryChartOnRefreshAndTheSameAgainOnASecondRefresh) {
  const ChartPicture map = surface(1)->picture();
  const ChartPicture profile = surface(2)->picture();
  const ChartPicture distance = surface(3)->picture();
  EXPECT_EQ(map.lineSets[kSegmentsSet].size(), 2u);
  EXPECT_EQ(profile.lineSets[ProfileDrawing::kAltitudeSet].size(), 2u);
  EXPECT_FALSE(distance.lineSets.empty());
  find<QPushButton>("cmdAggiorna")->click();
  EXPECT_TRUE(samePicture(surface(1)->picture(), map));
  EXPECT_TRUE(samePicture(surface(2)->picture(), profile));
  EXPECT_TRUE(samePicture(surface(3)->picture(), distance));
}

TEST_F(TripChartsTest, CheckBoxesHideAndShowOneProfileOnly) {
  const auto visibleIn = [&](std::size_t set) {
    int visible = 0;
    for (const ChartLine& line : surface(2)->picture().lineSets[set]) visible += line.visible;
    return visible;
  };
  const std::size_t gridLines = surface(2)->picture().lineSets.size();
  find<QCheckBox>("chkElevazione")->click();
  EXPECT_EQ(visibleIn(ProfileDrawing::kAltitudeSet), 0);
  EXPECT_EQ(visibleIn(ProfileDrawing::kSpeedSet), 2);
  find<QCheckBox>("chkElevazione")->click();
  EXPECT_EQ(visibleIn(ProfileDrawing::kAltitudeSet), 2);
  find<QCheckBox>("chkVelocita")->click();
  EXPECT_EQ(visibleIn(ProfileDrawing::kSpeedSet), 0);
  EXPECT_EQ(surface(2)->picture().lineSets.size(), gridLines);
  // A new drawing keeps the box's choice.
  find<QPushButton>("cmdAggiorna")->click();
  EXPECT_EQ(visibleIn(ProfileDrawing::kSpeedSet), 0);
}

TEST_F(TripChartsTest, ColouringOptionsRecolourTheMapWithoutMovingIt) {
  const std::vector<ChartLine> byAltitude = surface(1)->picture().lineSets[kSegmentsSet];
  find<QRadioButton>("optVelocita")->click();
  const std::vector<ChartLine>& bySpeed = surface(1)->picture().lineSets[kSegmentsSet];
  ASSERT_EQ(bySpeed.size(), byAltitude.size());
  bool recoloured = false;
  for (std::size_t i = 0; i < bySpeed.size(); ++i) {
    EXPECT_EQ(bySpeed[i].x1, byAltitude[i].x1);
    EXPECT_EQ(bySpeed[i].y2, byAltitude[i].y2);
    recoloured = recoloured || bySpeed[i].colour != byAltitude[i].colour;
  }
  EXPECT_TRUE(recoloured);
  find<QRadioButton>("optAltezza")->click();
  EXPECT_TRUE(surface(1)->picture().lineSets[kSegmentsSet] == byAltitude);
}

TEST_F(TripChartsTest, SavesTheVisibleChartAsAReadablePngAndSvg) {
  find<QTabBar>("tbsPercorso")->setCurrentIndex(1);
  const auto png = vianora::test_support::writeTempFile("profile.png", "");
  const auto svg = vianora::test_support::writeTempFile("profile", "");
  prompts.saveAnswers.push_back(UserPrompts::FileChoice{QString::fromStdString(png.string()), 2});
  find<QPushButton>("cmdSaveAs")->click();  // the extension wins over the filter
  prompts.saveAnswers.push_back(UserPrompts::FileChoice{QString::fromStdString(svg.string()), 2});
  find<QPushButton>("cmdSaveAs")->click();  // no extension: the filter's is added
  EXPECT_TRUE(prompts.messages.empty());

  QImageReader reader(QString::fromStdString(png.string()));
  EXPECT_EQ(reader.format(), "png");
  EXPECT_EQ(reader.read().size(), surface(2)->size());

  QFile file(QString::fromStdString(svg.string()) + ".svg");
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  QXmlStreamReader xml(&file);
  int lines = 0;
  while (!xml.atEnd()) {
    if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"line") ++lines;
  }
  EXPECT_FALSE(xml.hasError());
  EXPECT_GE(lines, 4);  // two axes and two segments of each profile at least
}

TEST_F(TripChartsTest, SayingWhyAChartCouldNotBeSavedAndChangingNothing) {
  prompts.saveAnswers.push_back(
      UserPrompts::FileChoice{QStringLiteral("/no/such/folder/x.png"), 1});
  find<QPushButton>("cmdSaveAs")->click();
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0].kind, "critical");
  EXPECT_TRUE(prompts.messages[0].text.contains(QStringLiteral("/no/such/folder/x.png")));
  EXPECT_FALSE(QFile::exists(QStringLiteral("/no/such/folder/x.png")));
}

TEST_F(TripChartsTest, RedrawsTheChartsForTheNewSizeOnceAResizeSettles) {
  const float before = surface(1)->picture().width;
  window.resize(1400, 900);
  QTest::qWait(400);
  EXPECT_GT(surface(1)->picture().width, before);
  EXPECT_EQ(surface(1)->picture().width, surface(1)->sizeInTwips().width);
}

}  // namespace
}  // namespace vianora::gui
