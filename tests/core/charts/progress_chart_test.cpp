#include "core/charts/progress_chart.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "core/analysis/distanza.h"
#include "core/analysis/trip_statistics.h"
#include "core/charts/chart_surfaces.h"

namespace vianora {
namespace {

constexpr double kStartDay = 45426.25;  // 2024-05-15 06:00
constexpr double kMinute = 1.0 / 1440;
const double kKmPerDegree = std::sqrt(8000.0);

/// A point of a trip that runs north: `km` kilometres from the first one, `minutes` after it.
Punto at(double km, double minutes, double altitude = 100.0) {
  return Punto{45.0 + km / kKmPerDegree, 7.0, altitude, kStartDay + minutes * kMinute};
}

Percorso tripOf(std::vector<Punto> points) {
  Percorso trip;
  trip.Nome = "Test";
  trip.Punti = std::move(points);
  return trip;
}

class ProgressChart : public ::testing::Test {
 protected:
  ChartPicture draw(const Percorso& trip) { return draw(trip, computeTripStatistics(trip)); }
  ChartPicture draw(const Percorso& trip, const TripStatistics& stats) {
    return AggiornaGraficoPercorrenza(trip, stats, axes, surface);
  }
  const std::vector<ChartLine>& grid(const ChartPicture& p) { return p.lineSets[kProgressGridSet]; }
  const std::vector<ChartLine>& curve(const ChartPicture& p) { return p.lineSets[kProgressSet]; }
  double x0() const { return axes.lineY.x1; }
  double plotWidth() const { return axes.lineX.x2 - axes.lineY.x1; }
  double plotHeight() const { return axes.lineX.y1 - axes.lineY.y1; }
  double base() const { return axes.lineX.y2; }
  std::vector<std::string> captions(const ChartPicture& p) {
    std::vector<std::string> out;
    for (std::size_t k = 1; k < p.labels.size(); ++k) out.push_back(p.labels[k].caption);
    return out;
  }

  SurfaceSize surface = chartSurfaceSize(kDesignClientWidth, kDesignClientHeight);
  ProfileAxes axes = profileAxesForSurface(surface);
};

TEST_F(ProgressChart, MarksEveryHalfHourOfATwoHoursTenMinutesTrip) {
  const ChartPicture p = draw(tripOf({at(0, 0), at(10, 60), at(20, 130)}));
  ASSERT_EQ(grid(p).size(), 4u);
  EXPECT_EQ(captions(p), (std::vector<std::string>{"00:30", "01:00", "01:30", "02:00"}));
  for (std::size_t k = 0; k < 4; ++k) {
    EXPECT_NEAR(grid(p)[k].x1, x0() + plotWidth() * 30.0 * static_cast<double>(k + 1) / 130, 0.01);
    EXPECT_EQ(grid(p)[k].x2, grid(p)[k].x1);
  }
  EXPECT_NEAR(axes.lineX.x2 - grid(p).back().x1, plotWidth() * 10 / 130, 0.01);
}

TEST_F(ProgressChart, GivesAnHourAndFortyMinutesThreeGridLines) {
  const ChartPicture p = draw(tripOf({at(0, 0), at(5, 100)}));
  EXPECT_EQ(captions(p), (std::vector<std::string>{"00:30", "01:00", "01:30"}));
}

TEST_F(ProgressChart, DrawsGridLinesDottedAcrossTheVerticalAxisWithLabelsBesideThem) {
  const ChartPicture p = draw(tripOf({at(0, 0), at(5, 100)}));
  ASSERT_EQ(p.labels.size(), grid(p).size() + 1);
  for (std::size_t k = 0; k < grid(p).size(); ++k) {
    const ChartLine& line = grid(p)[k];
    EXPECT_EQ(line.style, LineStyle::Dot);
    EXPECT_EQ(line.y1, axes.lineY.y1);
    EXPECT_EQ(line.y2, axes.lineY.y2);
    EXPECT_EQ(line.colour, kProgressLineColour);
    EXPECT_TRUE(line.visible);
    EXPECT_EQ(p.labels[k + 1].left, line.x1 + 20);
    EXPECT_EQ(p.labels[k + 1].top, axes.origin.top);
    EXPECT_TRUE(p.labels[k + 1].visible);
  }
}

TEST_F(ProgressChart, FollowsTheDurationAloneForItsGrid) {
  const ChartPicture shortTrip = draw(tripOf({at(0, 0), at(0.2, 190)}));
  const ChartPicture longTrip = draw(tripOf({at(0, 0), at(150, 190)}));
  ASSERT_EQ(grid(shortTrip).size(), 6u);
  ASSERT_EQ(grid(longTrip).size(), 6u);
  for (std::size_t k = 0; k < 6; ++k) EXPECT_EQ(grid(shortTrip)[k].x1, grid(longTrip)[k].x1);
  EXPECT_EQ(captions(shortTrip), captions(longTrip));
}

TEST_F(ProgressChart, CountsItsHourLabelsOnPastTwentyFourHours) {
  const ChartPicture p = draw(tripOf({at(0, 0), at(300, 25 * 60 + 10)}));
  ASSERT_EQ(grid(p).size(), 50u);  // still one line per half hour: 268 twips apart
  const std::vector<std::string> c = captions(p);
  EXPECT_EQ(c[46], "23:30");
  EXPECT_EQ(c[47], "24:00");
  EXPECT_EQ(c[48], "24:30");
  EXPECT_EQ(c[49], "25:00");
  EXPECT_NEAR(grid(p)[47].x1, x0() + plotWidth() * 24 * 60 / 1510, 0.01);
}

TEST_F(ProgressChart, RunsFromTheOriginToTheTopRightCorner) {
  const ChartPicture p = draw(tripOf({at(0, 0), at(3, 20), at(4, 50), at(9, 90)}));
  ASSERT_EQ(curve(p).size(), 3u);
  EXPECT_FLOAT_EQ(curve(p).front().x1, static_cast<float>(x0()));
  EXPECT_FLOAT_EQ(curve(p).front().y1, static_cast<float>(base()));
  EXPECT_NEAR(curve(p).back().x2, x0() + plotWidth(), 0.01);
  EXPECT_NEAR(curve(p).back().y2, base() - plotHeight(), 0.01);
  for (std::size_t k = 1; k < curve(p).size(); ++k) {
    EXPECT_EQ(curve(p)[k].x1, curve(p)[k - 1].x2);
    EXPECT_EQ(curve(p)[k].y1, curve(p)[k - 1].y2);
  }
}

TEST_F(ProgressChart, DrawsSolidSegmentsOfWidthTwoInTheLineColour) {
  const ChartPicture p = draw(tripOf({at(0, 0), at(3, 20), at(4, 50)}));
  for (const ChartLine& line : curve(p)) {
    EXPECT_EQ(line.width, 2);
    EXPECT_EQ(line.colour, kProgressLineColour);
    EXPECT_EQ(line.style, LineStyle::Solid);
    EXPECT_TRUE(line.visible);
  }
}

TEST_F(ProgressChart, DrawsAPauseFlatAndAFastStretchSteep) {
  const ChartPicture p = draw(tripOf({at(0, 0), at(0, 60), at(10, 61)}));
  ASSERT_EQ(curve(p).size(), 2u);
  const ChartLine& pause = curve(p)[0];
  EXPECT_EQ(pause.y1, pause.y2);
  EXPECT_NEAR(pause.x2 - pause.x1, plotWidth() * 60 / 61, 0.01);
  const ChartLine& fast = curve(p)[1];
  EXPECT_NEAR(fast.y1 - fast.y2, plotHeight(), 0.01);
  EXPECT_NEAR(fast.x2 - fast.x1, plotWidth() / 61, 0.01);
}

TEST_F(ProgressChart, LeavesAGapAtConstantHeightAroundAPointWithoutAltitude) {
  const ChartPicture p = draw(tripOf({at(0, 0), at(2, 10), at(3, 20, 0.0), at(4, 30), at(6, 40)}));
  ASSERT_EQ(curve(p).size(), 2u);  // 0-1 and 3-4; both pairs touching point 2 are left out
  const ChartLine& before = curve(p)[0];
  const ChartLine& after = curve(p)[1];
  EXPECT_EQ(after.y1, before.y2);  // no distance travelled across the gap
  EXPECT_NEAR(after.x1, x0() + plotWidth() * 30 / 40, 0.01);  // at the time of point 3
  EXPECT_NEAR(before.x2, x0() + plotWidth() * 10 / 40, 0.01);
}

TEST_F(ProgressChart, DrawsTimeGoingBackwardsLeftwardsWithoutSorting) {
  const ChartPicture p = draw(tripOf({at(0, 0), at(1, 40), at(2, 20), at(3, 60)}));
  ASSERT_EQ(curve(p).size(), 3u);
  EXPECT_LT(curve(p)[1].x2, curve(p)[1].x1);
  EXPECT_LT(curve(p)[1].y2, curve(p)[1].y1);  // still rising: distance only grows
}

TEST_F(ProgressChart, PlacesPointsBeforeTheStartPointLeftOfTheVerticalAxis) {
  // Point 0 is 10 minutes later than point 1, which is the start.
  const Percorso trip = tripOf({at(0, 10), at(1, 0), at(2, 60)});
  const TripStatistics stats = computeTripStatistics(trip);
  ASSERT_EQ(stats.IdxInizio, 1u);
  const ChartPicture p = draw(trip, stats);
  ASSERT_EQ(curve(p).size(), 2u);
  EXPECT_NEAR(curve(p)[0].x1, x0() + plotWidth() * 10 / 60, 0.01);
  EXPECT_FLOAT_EQ(curve(p)[0].x2, static_cast<float>(x0()));
  EXPECT_FLOAT_EQ(curve(p)[0].y1, static_cast<float>(base()));
}

TEST_F(ProgressChart, GivesTheSamePictureWhenDrawnTwice) {
  const Percorso trip = tripOf({at(0, 0), at(3, 20), at(4, 50), at(9, 190)});
  const ChartPicture first = draw(trip);
  const ChartPicture second = draw(trip);
  ASSERT_EQ(first.lineSets.size(), second.lineSets.size());
  for (std::size_t s = 0; s < first.lineSets.size(); ++s) {
    ASSERT_EQ(first.lineSets[s].size(), second.lineSets[s].size());
    for (std::size_t k = 0; k < first.lineSets[s].size(); ++k) {
      EXPECT_EQ(first.lineSets[s][k].x1, second.lineSets[s][k].x1);
      EXPECT_EQ(first.lineSets[s][k].y2, second.lineSets[s][k].y2);
    }
  }
  EXPECT_EQ(captions(first), captions(second));
}

TEST_F(ProgressChart, CopiesItsFrameFromTheProfileAxesWithTheirMovedRightEnd) {
  axes.lineX.x2 = 9876.5f;  // where a profile drawing left its last grid line
  const ChartPicture p = draw(tripOf({at(0, 0), at(9, 60)}));
  ASSERT_EQ(p.lineSets.size(), kProgressSetCount);
  const ChartLine& x = p.lineSets[kProgressAxesSet][kProgressHorizontalAxis];
  const ChartLine& y = p.lineSets[kProgressAxesSet][kProgressVerticalAxis];
  EXPECT_EQ(x.x1, axes.lineX.x1);
  EXPECT_EQ(x.y1, axes.lineX.y1);
  EXPECT_EQ(x.x2, 9876.5f);
  EXPECT_EQ(x.y2, axes.lineX.y2);
  EXPECT_EQ(y.x1, axes.lineY.x1);
  EXPECT_EQ(y.y1, axes.lineY.y1);
  EXPECT_EQ(y.x2, axes.lineY.x2);
  EXPECT_EQ(y.y2, axes.lineY.y2);
  EXPECT_EQ(x.style, LineStyle::Solid);
  EXPECT_TRUE(x.visible && y.visible);
  EXPECT_EQ(p.labels[kProgressOriginLabel].caption, "0");
  EXPECT_EQ(p.labels[kProgressOriginLabel].left, axes.origin.left);
  EXPECT_EQ(p.labels[kProgressOriginLabel].top, axes.origin.top);
  EXPECT_NEAR(curve(p).back().x2, 9876.5, 0.01);
  EXPECT_EQ(p.width, surface.width);
  EXPECT_EQ(p.height, surface.height);
}

TEST_F(ProgressChart, ShowsTheFrameAloneForATripOfOnePoint) {
  const ChartPicture p = draw(tripOf({at(0, 0)}));
  ASSERT_EQ(p.lineSets.size(), kProgressSetCount);
  EXPECT_EQ(p.lineSets[kProgressAxesSet].size(), 2u);
  EXPECT_TRUE(grid(p).empty());
  EXPECT_TRUE(curve(p).empty());
  ASSERT_EQ(p.labels.size(), 1u);
  EXPECT_EQ(p.labels[0].caption, "0");
}

TEST_F(ProgressChart, ShowsTheFrameAloneForATripThatNeverMoves) {
  const ChartPicture p = draw(tripOf({at(0, 0), at(0, 60), at(0, 120)}));
  EXPECT_TRUE(grid(p).empty());
  EXPECT_TRUE(curve(p).empty());
  EXPECT_EQ(p.labels.size(), 1u);
  EXPECT_EQ(p.lineSets[kProgressAxesSet].size(), 2u);
}

TEST_F(ProgressChart, ShowsTheFrameAloneWhenNoPairOfPointsCounts) {
  const ChartPicture p = draw(tripOf({at(0, 0, 0.0), at(5, 60), at(9, 120, 0.0)}));
  EXPECT_TRUE(grid(p).empty());
  EXPECT_TRUE(curve(p).empty());
  EXPECT_EQ(p.labels.size(), 1u);
}

TEST_F(ProgressChart, DrawsEqualTimesAsAVerticalLineOnTheAxisWithoutAGrid) {
  const ChartPicture p = draw(tripOf({at(0, 0), at(2, 0), at(5, 0)}));
  ASSERT_EQ(curve(p).size(), 2u);
  for (const ChartLine& line : curve(p)) {
    EXPECT_FLOAT_EQ(line.x1, static_cast<float>(x0()));
    EXPECT_FLOAT_EQ(line.x2, static_cast<float>(x0()));
    EXPECT_TRUE(std::isfinite(line.y1) && std::isfinite(line.y2));
  }
  EXPECT_NEAR(curve(p).back().y2, base() - plotHeight(), 0.01);
  EXPECT_TRUE(grid(p).empty());
  EXPECT_EQ(p.labels.size(), 1u);
}

TEST_F(ProgressChart, DrawsTripsBeyondSixteenBitsOfPoints) {
  std::vector<Punto> points;
  for (int i = 0; i < 40'000; ++i) points.push_back(at(i * 0.001, i / 60.0));
  const ChartPicture p = draw(tripOf(std::move(points)));
  ASSERT_EQ(curve(p).size(), 39'999u);
  EXPECT_NEAR(curve(p).back().x2, x0() + plotWidth(), 0.01);
  EXPECT_NEAR(curve(p).back().y2, base() - plotHeight(), 0.01);
}

TEST_F(ProgressChart, WidensTheGridStepWhenHalfHoursWouldCrowdTogether) {
  // Ten days and an hour: 482 half hours on a plot of 13,480 twips would stand 28 twips apart.
  const ChartPicture p = draw(tripOf({at(0, 0), at(500, 10 * 1440 + 60)}));
  ASSERT_EQ(grid(p).size(), 120u);  // every 2 hours
  const std::vector<std::string> c = captions(p);
  EXPECT_EQ(c[0], "02:00");
  EXPECT_EQ(c[10], "22:00");
  EXPECT_EQ(c[11], "24:00");
  EXPECT_EQ(c[12], "26:00");
  EXPECT_EQ(c[119], "240:00");
  EXPECT_NEAR(grid(p)[1].x1 - grid(p)[0].x1, plotWidth() * 2 / 241, 0.01);
}

TEST_F(ProgressChart, BoundsTheGridOfAVeryLongTrip) {
  // A start on day 1 of the calendar and an end in 2024: 45,426 days long.
  const Percorso trip = tripOf({at(0, 0), at(3, 60)});
  TripStatistics stats = computeTripStatistics(trip);
  stats.startDay = 1;
  const ChartPicture p = draw(trip, stats);
  EXPECT_LE(grid(p).size(), static_cast<std::size_t>(plotWidth() / kProgressMinGridSpacing));
  EXPECT_GT(grid(p).size(), 0u);
  for (std::size_t k = 1; k < grid(p).size(); ++k) {
    EXPECT_GE(grid(p)[k].x1 - grid(p)[k - 1].x1, kProgressMinGridSpacing - 0.01);
  }
  EXPECT_LE(grid(p).back().x1, axes.lineX.x2);
}

TEST_F(ProgressChart, KeepsTheVisiblePartOfASegmentRunningFarOffTheSurface) {
  // The point without a time lies 45,426 days before the start.
  Punto noTime = at(1, 0);
  noTime.DataOra = 0;
  const Percorso trip = tripOf({at(0, 0), noTime, at(2, 60)});
  const TripStatistics stats = computeTripStatistics(trip);
  const ChartPicture p = draw(trip, stats);
  ASSERT_EQ(curve(p).size(), 2u);
  const ChartLine& back = curve(p)[1];  // from far left to the end point
  EXPECT_TRUE(back.visible);
  EXPECT_NEAR(back.x1, -kProgressFarTwips, 1.0);  // cut where it leaves the far square
  EXPECT_NEAR(back.x2, x0() + plotWidth(), 0.01);
  EXPECT_NEAR(back.y2, base() - plotHeight(), 0.01);
  // Where it crosses the vertical axis, the kept part stands where the whole line would.
  const double xScale = plotWidth() * 24;
  const double farX = x0() - kStartDay * xScale;
  const double farY =
      base() - Distanza(trip.Punti[0], noTime) * plotHeight() / stats.DistanzaTotale;
  const double wholeAtAxis = back.y2 + (farY - back.y2) * plotWidth() / (x0() + plotWidth() - farX);
  const double keptAtAxis =
      back.y2 + (double{back.y1} - back.y2) * plotWidth() / (double{back.x2} - back.x1);
  EXPECT_NEAR(keptAtAxis, wholeAtAxis, 0.01);
}

TEST_F(ProgressChart, HidesASegmentLyingWhollyFarOffTheSurface) {
  Punto noTime = at(1, 0);
  noTime.DataOra = 0;
  Punto alsoNoTime = at(2, 0);
  alsoNoTime.DataOra = 0;
  const ChartPicture p = draw(tripOf({at(0, 0), noTime, alsoNoTime, at(3, 60)}));
  ASSERT_EQ(curve(p).size(), 3u);  // still one line per counting pair
  EXPECT_TRUE(curve(p)[0].visible);
  EXPECT_FALSE(curve(p)[1].visible);
  EXPECT_TRUE(curve(p)[2].visible);
  for (const ChartLine& line : curve(p)) {
    EXPECT_TRUE(std::isfinite(line.x1) && std::isfinite(line.x2));
  }
}

TEST(ProgressGridStep, IsHalfAnHourWhileTheLinesStandApart) {
  EXPECT_EQ(progressGridStep(130 * kMinute, 13480 / (130 * kMinute)), 30.0 / 60 / 24);
  EXPECT_EQ(progressGridStep(0.0, 13480), 30.0 / 60 / 24);
}

TEST(ProgressGridStep, WidensThroughWholeHoursThenDoublingDays) {
  const double hour = 1.0 / 24;
  EXPECT_DOUBLE_EQ(progressGridStep(1, 100 / (1.5 * hour)), 2 * hour);  // not 1.5 hours
  EXPECT_DOUBLE_EQ(progressGridStep(1, 100 / (2.5 * hour)), 3 * hour);
  EXPECT_DOUBLE_EQ(progressGridStep(1, 100 / (4 * hour)), 6 * hour);
  EXPECT_DOUBLE_EQ(progressGridStep(10, 100 / (13 * hour)), 1.0);
  EXPECT_DOUBLE_EQ(progressGridStep(45426, 13480 / 45426.0), 512.0);
}

TEST(ProgressGridStep, KeepsAtMostTheLargestNumberOfLinesOnAHugeSurface) {
  const double step = progressGridStep(1e6, 1e9);
  EXPECT_LE(1e6 / step, static_cast<double>(kProgressMaxGridLines));
}

TEST(ProgressGridStep, HasNoStepForAnAxisWithoutWidthOrAnEndlessDuration) {
  EXPECT_EQ(progressGridStep(1, 0), 0.0);
  EXPECT_EQ(progressGridStep(1, INFINITY), 0.0);
  EXPECT_EQ(progressGridStep(INFINITY, 1000), 0.0);
  EXPECT_EQ(progressGridStep(NAN, 1000), 0.0);
}

}  // namespace
}  // namespace vianora
