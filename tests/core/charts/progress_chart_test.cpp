#include "core/charts/progress_chart.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/charts/zoomed_charts.h"

namespace vianora {
namespace {

using Lines = std::vector<ChartLine>;

// The Profile surface's axes, drawn there with another pen: the plot runs 1350 twips right
// of the vertical axis at 120, and 1000 up from the baseline.
const ProfileAxes kAxes{{0, 1000, 1470, 1000, 9, 3}, {120, 0, 120, 1020, 9, 3}, {90, 1100, "0"}};
const Lines kFrame{{0, 1000, 1470, 1000}, {120, 0, 120, 1020}};  // black, one pixel
constexpr double kStart = 45426;                                 // the start point's day

// Points that only climb, {altitude, days after the start}: 1000 m is exactly 1 km.
Percorso tripOf(const std::vector<std::pair<double, double>>& points) {
  Percorso trip;
  trip.Punti.clear();  // no placeholder point
  for (const auto& [alt, days] : points) trip.Punti.push_back(Punto{45, 7, alt, kStart + days});
  return trip;
}

ChartPicture draw(const Percorso& trip, double total, double days) {
  const TripStatistics stats{.DistanzaTotale = total, .startDay = kStart, .endDay = kStart + days};
  return AggiornaGraficoPercorrenza(trip, stats, kAxes, {2000, 1400});
}

ChartLine seg(double x1, double y1, double x2, double y2, bool visible = true) {
  return ChartLine{float(x1), float(y1), float(x2), float(y2), 0, 2, LineStyle::Solid, visible};
}

// 2 km in an hour and a half (0.0625 days): 21,600 twips a day, 500 a km.
const Percorso kClimb = tripOf({{1000, 0}, {2000, 0.03125}, {3000, 0.0625}});

TEST(ProgressChart, DrawsTheDistanceRunAgainstTheTimeSinceTheStart) {
  // Unsorted, a point before the start left of the axis, level over a zero altitude.
  const Percorso mixed =
      tripOf({{1000, 0.03125}, {2000, -0.015625}, {0, 0.05}, {2000, 0.046875}, {3000, 0.0625}});
  EXPECT_EQ(draw(mixed, 2, 0.0625).lineSets.at(kProgressSet),
            (Lines{seg(795, 1000, -217.5, 500), seg(1132.5, 500, 1470, 0)}));
  // Start and end at one time: the plot is a day wide, so a vertical line on the axis.
  EXPECT_EQ(draw(tripOf({{1000, 0}, {2000, 0}, {3000, 0}}), 2, 0).lineSets.at(kProgressSet),
            (Lines{seg(120, 1000, 120, 500), seg(120, 500, 120, 0)}));
}

TEST(ProgressChart, MarksEachHalfHourWithALineAndTheTimeOrShowsTheFrameAlone) {
  // Half an hour is 450 twips; "00:30" is 500 twips wide and wants 60 more, so the label at
  // 1040 is hidden. The third line stands exactly at the end.
  const ChartPicture p = draw(kClimb, 2, 0.0625);
  const auto dotted = [](float x) { return ChartLine{x, 0, x, 1020, 0, 1, LineStyle::Dot, true}; };
  EXPECT_EQ(p.lineSets, (std::vector<Lines>{kFrame,
                                            {dotted(570), dotted(1020), dotted(1470)},
                                            {seg(120, 1000, 795, 500), seg(795, 500, 1470, 0)}}));
  EXPECT_EQ(p.labels, (std::vector<ChartLabel>{{90, 1100, "0"},
                                               {590, 1100, "00:30", true},
                                               {1040, 1100, "01:00", false},
                                               {1490, 1100, "01:30", true}}));
  const ChartPicture frameAlone = draw(kClimb, 0, 0.0625);  // no distance to scale
  EXPECT_EQ(frameAlone.lineSets, (std::vector<Lines>{kFrame, {}, {}}));
  EXPECT_EQ(frameAlone.labels, (std::vector<ChartLabel>{{90, 1100, "0"}}));
}

TEST(ProgressChart, CutsSegmentsRunningFarOffTheSurfaceAndHidesThoseLyingThere) {
  // Points without a time stand 45,426 days left of the start: a segment reaching one is cut
  // where it leaves the square 10^7 twips around the origin, at the whole line's height there.
  Percorso trip = tripOf({{1000, 0}, {2000, 0}, {3000, 0}, {4000, 0.0625}});
  trip.Punti[1].DataOra = trip.Punti[2].DataOra = 0;
  const double far = 120 - kStart * 21600, edge = -kProgressFarTwips;  // 4 km: 250 twips a km
  EXPECT_EQ(
      draw(trip, 4, 0.0625).lineSets.at(kProgressSet),
      (Lines{seg(120, 1000, edge, 1000 - 250 * (edge - 120) / (far - 120)), seg(0, 0, 0, 0, false),
             seg(edge, 500 - 250 * (edge - far) / (1470 - far), 1470, 250)}));
}

TEST(ProgressGridStep, WidensFromHalfAnHourThroughTheHoursToDoublingDays) {
  // {duration in days, twips a day, step}: lines at least 100 twips apart and at most 10,000.
  const double hour = 1.0 / 24, inf = INFINITY;
  const double cases[][3] = {
      {0, 13480, hour / 2}, {1, 3200, hour},     {1, 1600, 2 * hour}, {1, 960, 3 * hour},
      {1, 600, 6 * hour},   {1, 240, 12 * hour}, {10, 160, 1},        {45426, 13480 / 45426.0, 512},
      {20000, 1e9, 2},      {1, 0, 0},           {1, inf, 0},         {inf, 1000, 0},
      {NAN, 1000, 0},
  };
  for (const auto& [days, twipsPerDay, step] : cases) {
    EXPECT_DOUBLE_EQ(progressGridStep(days, twipsPerDay), step) << days << " " << twipsPerDay;
  }
}

TEST(ProgressChart, OnATimeOfDayAxisTheGridFollowsTheClockAndEachDayFirstShowsItsDate) {
  // 23:15 to 00:45 at 21,600 twips a day: the clock's half hours stand 0.25, 0.75 and 1.25
  // hours after the start, at x 345, 795 and 1245. Midnight's label, dated, is kept first: the
  // time at 1265 would run into it (815 + 600 twips).
  const TripStatistics stats{
      .DistanzaTotale = 2, .startDay = kStart - 0.03125, .endDay = kStart + 0.03125};
  const Percorso trip = tripOf({{1000, -0.03125}, {3000, 0.03125}});
  const ProgressTimeAxis clock{[](double day, bool withDate) {
    return withDate ? "D" + std::to_string(std::lround(day)) : std::string("T");
  }};
  const ChartPicture p = AggiornaGraficoPercorrenza(trip, stats, kAxes, {2000, 1400}, clock);
  const std::tuple<float, std::string, bool> labels[] = {
      {90, "0", true}, {365, "T", true}, {815, "D45426", true}, {1265, "T", false}};
  ASSERT_EQ(p.labels.size(), std::size(labels));
  ASSERT_EQ(p.lineSets[kProgressGridSet].size(), 3u);
  for (std::size_t i = 0; i < p.labels.size(); ++i) {
    const auto& [left, caption, visible] = labels[i];
    EXPECT_NEAR(p.labels[i].left, left, 0.01);
    EXPECT_EQ(std::pair(p.labels[i].caption, p.labels[i].visible), std::pair(caption, visible));
    if (i > 0) {
      EXPECT_NEAR(p.lineSets[kProgressGridSet][i - 1].x1, left - 20, 0.01);
    }
  }
  // Zoomed to what follows midnight, 00:30 is on the left edge's day: no date.
  const ChartPicture zoomed =
      progressInView(p, kAxes, stats, chartRangeView(800, 1470, 120, 1470), clock);
  std::vector<std::string> shown;
  for (const ChartLabel& label : zoomed.labels)
    if (label.visible) shown.push_back(label.caption);
  EXPECT_EQ(shown, std::vector<std::string>{"T"});
}

}  // namespace
}  // namespace vianora
