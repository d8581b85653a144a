#include "core/charts/zoomed_charts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/charts/progress_chart.h"

namespace vianora {
namespace {

using Lines = std::vector<ChartLine>;

// A plot from x 120 to 1120 over 10 km (100 twips a km) and 1 day, 1000 twips high.
const ProfileAxes kAxes{{0, 1000, 1120, 1000}, {120, 0, 120, 1020}, {90, 1100, "0"}};
const TripStatistics kStats{
    .DistanzaTotale = 10, .AltitudineMax = 11e3, .AltitudineMin = 1e3, .startDay = 1, .endDay = 2};

// Climbs on one spot (1000 m is 1 km) through 2, 6 and 10 km at 0.2, 0.7 and 1 day.
Percorso climb() {
  Percorso trip;
  trip.Punti = {{45, 7, 1000, 1}, {45, 7, 3000, 1.2}, {45, 7, 7000, 1.7}, {45, 7, 11000, 2}};
  return trip;
}

bool same(const ChartPicture& got, const ChartPicture& want) {
  return got.lineSets == want.lineSets && got.labels == want.labels;
}

std::vector<std::string> shownCaptionsOf(const ChartPicture& picture) {
  std::vector<std::string> captions;
  for (const ChartLabel& l : picture.labels)
    if (l.visible) captions.push_back(l.caption);
  return captions;
}

TEST(ZoomedCharts, MovesTheMapAndLeavesOutWhatLiesOffTheSurface) {
  // Twice as large, 10 twips up: beyond the right, the bottom, the top; across the right.
  ChartPicture map;
  map.width = 1000, map.height = 800;
  map.lineSets = {{{100, 100, 200, 200, 7}, {900, 700, 950, 750}, {100, 500, 200, 600}, {0, 4}},
                  {{450, 100, 600, 100, 9, 2}, {10, 10, 20, 20, 5, 3, LineStyle::Dot, false}}};
  EXPECT_EQ(mapInView(map, {2, 2, 0, -10}).lineSets,
            (std::vector<Lines>{
                {{200, 190, 400, 390, 7}},
                {{900, 190, 1200, 190, 9, 2}, {20, 10, 40, 30, 5, 3, LineStyle::Dot, false}}}));
  EXPECT_TRUE(same(mapInView(map, {}), map));
}

// 2.5..5 km (4 twips a picture twip): the segment 2..6 km is cut at both ends of the plot, at
// 3500 m (y 750) and 6000 m (y 500); 0..2 and 6..10 km lie outside. The grid steps 0.2 km
// (a total of "2.5": leading 2, one place below it) from 2.6 to 5 km, 80 twips apart.
TEST(ZoomedCharts, CutsTheProfileAtThePlotAndRedrawsTheGridForTheRangeShown) {
  const ProfileDrawing drawing =
      AggiornaGrafici(climb(), kStats, kAxes, {1500, 1400}, true, true, ",");
  const ChartPicture zoomed =
      profileInView(drawing, kAxes, kStats, chartRangeView(370, 620, 120, 1120), ",");
  ChartLine cut = drawing.picture.lineSets[ProfileDrawing::kAltitudeSet][1];
  cut.x1 = 120, cut.y1 = 750, cut.x2 = 1120, cut.y2 = 500;
  EXPECT_EQ(zoomed.lineSets[ProfileDrawing::kAltitudeSet], Lines{cut});
  EXPECT_EQ(zoomed.lineSets[ProfileDrawing::kAxesSet],
            drawing.picture.lineSets[ProfileDrawing::kAxesSet]);
  const Lines& grid = zoomed.lineSets[ProfileDrawing::kGridSet];
  ASSERT_EQ(grid.size(), 13u);
  EXPECT_EQ(grid.front(), (ChartLine{160, 0, 160, 1020, 0, 1, LineStyle::Dot}));
  EXPECT_EQ(grid.back().x1, 1120);
  // The origin label is hidden; "2,6" at 180 ends at 480, crowding out the next four.
  EXPECT_EQ(shownCaptionsOf(zoomed), (std::vector<std::string>{"2,6", "3,6", "4,6"}));
  const ChartPicture fromOrigin =
      profileInView(drawing, kAxes, kStats, chartRangeView(120, 620, 120, 1120), ",");
  EXPECT_TRUE(fromOrigin.labels[ProfileDrawing::kOriginLabel].visible);
  EXPECT_EQ(fromOrigin.lineSets[ProfileDrawing::kGridSet].size(), 10u);  // 0.5 to 5 km
  EXPECT_TRUE(same(profileInView(drawing, kAxes, kStats, {}, ","), drawing.picture));
}

// 6..12 hours: the segment from 0.2 day (2 km, y 800) to 0.7 day (6 km, y 400) is cut at 6 h
// (y 760) and 12 h (y 560); an hour is 1000 / 24 * 4 twips, so the step is 1 hour.
TEST(ZoomedCharts, CutsTheDistanceCurveAndRedrawsTheTimeGrid) {
  const ChartPicture progress = AggiornaGraficoPercorrenza(climb(), kStats, kAxes, {1500, 1400});
  const ChartPicture zoomed =
      progressInView(progress, kAxes, kStats, chartRangeView(370, 620, 120, 1120));
  EXPECT_EQ(zoomed.lineSets[kProgressSet], (Lines{{120, 760, 1120, 560, 0, 2}}));
  EXPECT_EQ(zoomed.lineSets[kProgressGridSet].size(), 7u);
  EXPECT_EQ(zoomed.lineSets[kProgressGridSet].back(),
            (ChartLine{1120, 0, 1120, 1020, 0, 1, LineStyle::Dot}));
  EXPECT_EQ(shownCaptionsOf(zoomed), (std::vector<std::string>{"06:00", "10:00"}));
  EXPECT_TRUE(same(progressInView(progress, kAxes, kStats, {}), progress));
}

}  // namespace
}  // namespace vianora
