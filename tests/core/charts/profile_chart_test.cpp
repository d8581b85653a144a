#include "core/charts/profile_chart.h"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <string>
#include <vector>

#include "core/charts/colour_ramps.h"
#include "core/charts/label_spacing.h"
#include "core/util/number_format.h"

namespace vianora {
namespace {

using Sets = ProfileDrawing;

// A plot 1000 twips wide (x from 120 to 1120) and 1000 high (y from 0 down to the baseline at
// 1000), so that scales come out round.
ProfileAxes testAxes() {
  ProfileAxes axes;
  axes.lineX = ChartLine{0, 1000, 1120, 1000};
  axes.lineY = ChartLine{120, 0, 120, 1020};
  axes.origin = ChartLabel{90, 1100, "0"};
  return axes;
}

constexpr SurfaceSize kSurface{1500, 1400};

// Points that only climb or descend: 1000 m of altitude is exactly 1 km of distance.
Punto point(double altitude, double day, double latitude = 45) {
  return Punto{latitude, 7, altitude, day};
}

Percorso tripOf(std::initializer_list<Punto> points) {
  Percorso trip;
  trip.Nome = "Test";
  trip.Punti.assign(points);
  return trip;
}

ProfileDrawing draw(const Percorso& trip, const TripStatistics& stats, bool altitude = true,
                    bool speed = true, std::string_view separator = ".") {
  return AggiornaGrafici(trip, stats, testAxes(), kSurface, altitude, speed, separator);
}

ProfileDrawing draw(const Percorso& trip) { return draw(trip, computeTripStatistics(trip)); }

TripStatistics statsOf(double total, double amin, double amax, double vmax) {
  TripStatistics s;
  s.DistanzaTotale = total;
  s.AltitudineMin = amin;
  s.AltitudineMax = amax;
  s.VelocitaMax = vmax;
  return s;
}

const std::vector<ChartLine>& set(const ProfileDrawing& d, std::size_t index) {
  return d.picture.lineSets.at(index);
}

void expectEnds(const ChartLine& line, float x1, float y1, float x2, float y2) {
  EXPECT_FLOAT_EQ(line.x1, x1);
  EXPECT_FLOAT_EQ(line.y1, y1);
  EXPECT_FLOAT_EQ(line.x2, x2);
  EXPECT_FLOAT_EQ(line.y2, y2);
}

bool sameLine(const ChartLine& a, const ChartLine& b) {
  return a.x1 == b.x1 && a.y1 == b.y1 && a.x2 == b.x2 && a.y2 == b.y2 && a.colour == b.colour &&
         a.width == b.width && a.style == b.style && a.visible == b.visible;
}

bool sameLabel(const ChartLabel& a, const ChartLabel& b) {
  return a.left == b.left && a.top == b.top && a.caption == b.caption && a.visible == b.visible;
}

template <typename T, typename Same>
bool sameAll(const std::vector<T>& a, const std::vector<T>& b, Same same) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (!same(a[i], b[i])) return false;
  return true;
}

bool samePicture(const ChartPicture& a, const ChartPicture& b) {
  if (a.width != b.width || a.height != b.height) return false;
  if (a.lineSets.size() != b.lineSets.size()) return false;
  for (std::size_t i = 0; i < a.lineSets.size(); ++i)
    if (!sameAll(a.lineSets[i], b.lineSets[i], sameLine)) return false;
  return sameAll(a.labels, b.labels, sameLabel);
}

std::vector<std::string> captions(const ProfileDrawing& d) {
  std::vector<std::string> texts;
  for (const ChartLabel& label : d.picture.labels) texts.push_back(label.caption);
  return texts;
}

constexpr Rgb kGreen = rgb(0, 255, 0);
constexpr Rgb kBlue = rgb(0, 0, 255);
constexpr Rgb kRed = rgb(255, 0, 0);

TEST(ProfileChart, DrawsAClimbFromTheLowestToTheHighestPointOverTheFullHeightInPureBlue) {
  const ProfileDrawing d = draw(tripOf({point(1000, 1.0), point(2000, 1.5), point(1000, 2.0)}));
  const auto& altitude = set(d, Sets::kAltitudeSet);
  ASSERT_EQ(altitude.size(), 2u);
  expectEnds(altitude[0], 120, 1000, 620, 0);
  EXPECT_EQ(altitude[0].colour, kBlue);
  expectEnds(altitude[1], 620, 0, 1120, 1000);
  EXPECT_EQ(altitude[1].colour, kGreen);
}

TEST(ProfileChart, StartsTheSpeedChainOnTheBaselineAndJoinsEachSegmentToThePrevious) {
  const ProfileDrawing d = draw(tripOf({point(1000, 1.0), point(2000, 1.5), point(1000, 2.0)}));
  const auto& speed = set(d, Sets::kSpeedSet);
  ASSERT_EQ(speed.size(), 2u);
  expectEnds(speed[0], 120, 1000, 620, 0);
  expectEnds(speed[1], 620, 0, 1120, 0);
  EXPECT_EQ(speed[0].colour, kRed);
  EXPECT_EQ(speed[1].colour, kRed);
}

TEST(ProfileChart, RisesFromTheBaselineAfterASegmentOfSpeedZero) {
  const ProfileDrawing d = draw(tripOf({point(1000, 1.0), point(2000, 1.0), point(1000, 1.5)}));
  const auto& speed = set(d, Sets::kSpeedSet);
  ASSERT_EQ(speed.size(), 2u);
  expectEnds(speed[0], 120, 1000, 620, 1000);
  EXPECT_EQ(speed[0].colour, rgb(0, 0, 0));
  expectEnds(speed[1], 620, 1000, 1120, 0);
  EXPECT_EQ(speed[1].colour, kRed);
}

TEST(ProfileChart, EndsASegmentBetweenTwoPointsOfTheSameTimeOnTheBaseline) {
  const ProfileDrawing d =
      draw(tripOf({point(1000, 1.0), point(2000, 1.5), point(1000, 1.5), point(2000, 2.0)}));
  const auto& speed = set(d, Sets::kSpeedSet);
  ASSERT_EQ(speed.size(), 3u);
  EXPECT_FLOAT_EQ(speed[1].y1, 0);
  EXPECT_FLOAT_EQ(speed[1].y2, 1000);
  EXPECT_FLOAT_EQ(speed[2].y1, 1000);
  EXPECT_FLOAT_EQ(speed[2].y2, 0);
}

TEST(ProfileChart, LeavesOutBothSegmentsAtAPointWithoutAltitudeAndRunsTheAxisOnWithoutThem) {
  const ProfileDrawing d = draw(tripOf(
      {point(1000, 1.0), point(2000, 1.5), point(0, 2.0), point(1500, 2.5), point(2500, 3.0)}));
  const auto& altitude = set(d, Sets::kAltitudeSet);
  const auto& speed = set(d, Sets::kSpeedSet);
  ASSERT_EQ(altitude.size(), 2u);
  ASSERT_EQ(speed.size(), 2u);
  EXPECT_FLOAT_EQ(altitude[1].x1, altitude[0].x2);
  EXPECT_FLOAT_EQ(altitude[1].x2, 1120);
  EXPECT_FLOAT_EQ(speed[1].x1, speed[0].x2);
  EXPECT_FLOAT_EQ(speed[1].y1, speed[0].y2);  // the chain goes on over the gap
}

TEST(ProfileChart, GivesBothSegmentsOfAStepTheSameEnds) {
  const ProfileDrawing d =
      draw(tripOf({point(1000, 1.0), point(1300, 1.1, 45.001), point(1100, 1.3, 45.003)}));
  const auto& altitude = set(d, Sets::kAltitudeSet);
  const auto& speed = set(d, Sets::kSpeedSet);
  ASSERT_EQ(altitude.size(), speed.size());
  for (std::size_t i = 0; i < altitude.size(); ++i) {
    EXPECT_EQ(altitude[i].x1, speed[i].x1);
    EXPECT_EQ(altitude[i].x2, speed[i].x2);
  }
}

TEST(ProfileChart, ColoursAltitudeSegmentsByTheirLaterPointAndSpeedSegmentsByTheirSpeed) {
  const Percorso trip = tripOf({point(1000, 1.0), point(1500, 2.0), point(2000, 2.25)});
  const ProfileDrawing d = draw(trip, statsOf(1, 1000, 2000, 4));
  const auto& altitude = set(d, Sets::kAltitudeSet);
  const auto& speed = set(d, Sets::kSpeedSet);
  EXPECT_EQ(altitude[0].colour, ColoreAltitudine(1500, 1000, 2000));
  EXPECT_EQ(altitude[1].colour, kBlue);
  EXPECT_EQ(speed[0].colour, ColoreVelocita(0.5, 4));
  EXPECT_EQ(speed[1].colour, ColoreVelocita(2, 4));
  EXPECT_FLOAT_EQ(speed[1].y2, 500);
}

TEST(ProfileChart, DrawsSegmentsTwoPixelsWideAndSolid) {
  const ProfileDrawing d = draw(tripOf({point(1000, 1.0), point(2000, 1.5)}));
  for (std::size_t s : {Sets::kAltitudeSet, Sets::kSpeedSet}) {
    ASSERT_EQ(set(d, s).size(), 1u);
    EXPECT_EQ(set(d, s)[0].width, 2);
    EXPECT_EQ(set(d, s)[0].style, LineStyle::Solid);
  }
}

TEST(ProfileChart, RunsTheAltitudeProfileAlongTheBaselineInPureGreenWhenAllPointsShareOneAltitude) {
  const ProfileDrawing d =
      draw(tripOf({point(500, 1.0, 45), point(500, 1.01, 45.01), point(500, 1.02, 45.02)}));
  const auto& altitude = set(d, Sets::kAltitudeSet);
  ASSERT_EQ(altitude.size(), 2u);
  for (const ChartLine& line : altitude) {
    EXPECT_FLOAT_EQ(line.y1, 1000);
    EXPECT_FLOAT_EQ(line.y2, 1000);
    EXPECT_EQ(line.colour, kGreen);
  }
}

TEST(ProfileChart, DrawsAnAltitudeOutsideTheRangeBeyondThePlotWithoutClamping) {
  const Percorso trip = tripOf({point(1000, 1.0), point(3000, 2.0), point(500, 2.5)});
  const ProfileDrawing d = draw(trip, statsOf(4.5, 1000, 2000, 5));
  const auto& altitude = set(d, Sets::kAltitudeSet);
  EXPECT_FLOAT_EQ(altitude[0].y2, -1000);
  EXPECT_EQ(altitude[0].colour, kBlue);
  EXPECT_FLOAT_EQ(altitude[1].y2, 1500);
  EXPECT_EQ(altitude[1].colour, kGreen);
}

TEST(ProfileChart, DrawsASpeedAboveTheMaximumAboveThePlotInPureRed) {
  const Percorso trip = tripOf({point(1000, 1.0), point(2000, 1.5)});
  const ProfileDrawing d = draw(trip, statsOf(1, 1000, 2000, 1));
  EXPECT_FLOAT_EQ(set(d, Sets::kSpeedSet)[0].y2, -1000);
  EXPECT_EQ(set(d, Sets::kSpeedSet)[0].colour, kRed);
}

TEST(ProfileChart, ScalesSpeedsByTheFullHeightWhenTheMaximumSpeedIsZero) {
  const Percorso trip = tripOf({point(1000, 1.0), point(2000, 1.5)});
  const ProfileDrawing d = draw(trip, statsOf(1, 1000, 2000, 0));
  EXPECT_FLOAT_EQ(set(d, Sets::kSpeedSet)[0].y2, 1000 - 2 * 1000);
  EXPECT_EQ(set(d, Sets::kSpeedSet)[0].colour, kRed);
}

TEST(ProfileChart, CreatesSegmentsAsTheCheckBoxesStand) {
  const Percorso trip = tripOf({point(1000, 1.0), point(2000, 1.5), point(1000, 2.0)});
  const ProfileDrawing d = draw(trip, computeTripStatistics(trip), true, false);
  for (const ChartLine& line : set(d, Sets::kAltitudeSet)) EXPECT_TRUE(line.visible);
  for (const ChartLine& line : set(d, Sets::kSpeedSet)) EXPECT_FALSE(line.visible);
}

TEST(ProfileChart, ShowsSpeedSegmentsCreatedHiddenWhenTheBoxIsChecked) {
  const Percorso trip = tripOf({point(1000, 1.0), point(2000, 1.5), point(1000, 2.0)});
  ProfileDrawing d = draw(trip, computeTripStatistics(trip), true, false);
  setSegmentsVisible(d.picture, Sets::kSpeedSet, true);
  for (const ChartLine& line : set(d, Sets::kSpeedSet)) EXPECT_TRUE(line.visible);
}

TEST(ProfileChart, HidesAndShowsEveryAltitudeSegmentAndNothingElse) {
  const Percorso trip = tripOf({point(1000, 1.0), point(2000, 1.5), point(1000, 2.0)});
  const ProfileDrawing original = draw(trip);
  ProfileDrawing d = original;
  setSegmentsVisible(d.picture, Sets::kAltitudeSet, false);
  for (const ChartLine& line : set(d, Sets::kAltitudeSet)) EXPECT_FALSE(line.visible);
  for (std::size_t s : {Sets::kAxesSet, Sets::kGridSet, Sets::kSpeedSet})
    EXPECT_TRUE(sameAll(set(d, s), set(original, s), sameLine));
  EXPECT_TRUE(sameAll(d.picture.labels, original.picture.labels, sameLabel));
  setSegmentsVisible(d.picture, Sets::kAltitudeSet, true);
  EXPECT_TRUE(samePicture(d.picture, original.picture));
}

TEST(ProfileChart, HidesEverySpeedSegmentAndNothingElse) {
  const Percorso trip = tripOf({point(1000, 1.0), point(2000, 1.5), point(1000, 2.0)});
  const ProfileDrawing original = draw(trip);
  ProfileDrawing d = original;
  setSegmentsVisible(d.picture, Sets::kSpeedSet, false);
  for (const ChartLine& line : set(d, Sets::kSpeedSet)) EXPECT_FALSE(line.visible);
  EXPECT_TRUE(sameAll(set(d, Sets::kAltitudeSet), set(original, Sets::kAltitudeSet), sameLine));
  EXPECT_TRUE(sameAll(set(d, Sets::kGridSet), set(original, Sets::kGridSet), sameLine));
}

TEST(ProfileChart, IgnoresASetThePictureDoesNotHave) {
  ProfileDrawing d = draw(tripOf({point(1000, 1.0), point(2000, 1.5)}));
  const ChartPicture before = d.picture;
  setSegmentsVisible(d.picture, 99, false);
  EXPECT_TRUE(samePicture(d.picture, before));
}

TEST(ProfileChart, DrawsThirteenGridLinesTenKilometresApartForATotalOf123Point4) {
  const ProfileDrawing d = draw(tripOf({point(1000, 1.0)}), statsOf(123.4, 1000, 2000, 10));
  const auto& grid = set(d, Sets::kGridSet);
  ASSERT_EQ(grid.size(), 13u);
  double x = 0;
  for (const ChartLine& line : grid) {
    x += 10;
    const float at = static_cast<float>(120 + x * (1000 / 123.4));
    expectEnds(line, at, 0, at, 1020);
    EXPECT_EQ(line.style, LineStyle::Dot);
    EXPECT_TRUE(line.visible);
  }
  EXPECT_EQ(captions(d), (std::vector<std::string>{"0", "10", "20", "30", "40", "50", "60", "70",
                                                   "80", "90", "100", "110", "120", "130"}));
}

TEST(ProfileChart, CopiesTheVerticalAxisForEachGridLine) {
  ProfileAxes axes = testAxes();
  axes.lineY.colour = rgb(10, 20, 30);
  axes.lineY.width = 3;
  const Percorso trip = tripOf({point(1000, 1.0), point(2000, 1.5)});
  const ProfileDrawing d =
      AggiornaGrafici(trip, computeTripStatistics(trip), axes, kSurface, true, true, ".");
  ASSERT_FALSE(set(d, Sets::kGridSet).empty());
  for (const ChartLine& line : set(d, Sets::kGridSet)) {
    EXPECT_EQ(line.colour, rgb(10, 20, 30));
    EXPECT_EQ(line.width, 3);
  }
}

TEST(ProfileChart, PutsEachLabelTwentyTwipsRightOfItsLineAtTheOriginLabelsTop) {
  const ProfileDrawing d = draw(tripOf({point(1000, 1.0)}), statsOf(38.2, 1000, 2000, 10));
  const auto& grid = set(d, Sets::kGridSet);
  const auto& labels = d.picture.labels;
  ASSERT_EQ(labels.size(), grid.size() + 1);
  EXPECT_EQ(labels[0].caption, "0");
  EXPECT_FLOAT_EQ(labels[0].left, 90);
  for (std::size_t i = 0; i < grid.size(); ++i) {
    EXPECT_FLOAT_EQ(labels[i + 1].left, grid[i].x1 + 20);
    EXPECT_FLOAT_EQ(labels[i + 1].top, 1100);
  }
}

TEST(ProfileChart, ShowsOnlyTickLabelsThatDoNotRunIntoEachOther) {
  // 0.75 km gives about 150 grid lines: every one keeps its line, not every one its label.
  const ProfileDrawing d = draw(tripOf({point(1000, 1.0)}), statsOf(0.75, 1000, 2000, 10));
  const auto& labels = d.picture.labels;
  ASSERT_GT(labels.size(), 100u);
  float shownEnd = -1e9f;
  std::size_t shown = 0;
  for (const ChartLabel& label : labels) {
    if (!label.visible) continue;
    EXPECT_GE(label.left, shownEnd) << label.caption;
    shownEnd = label.left + label.caption.size() * kLabelCharacterWidth;
    ++shown;
  }
  EXPECT_GE(shown, 2u);
  EXPECT_LT(shown, labels.size());
}

TEST(ProfileChart, WritesGridCaptionsWithTheGivenDecimalSeparator) {
  const Percorso trip = tripOf({point(1000, 1.0)});
  const ProfileDrawing d = draw(trip, statsOf(7.3, 1000, 2000, 10), true, true, ",");
  const std::vector<std::string> texts = captions(d);
  ASSERT_EQ(texts.size(), 16u);  // 0.5 to 7.5
  EXPECT_EQ(texts[1], "0,5");
  EXPECT_EQ(texts[2], "1");
  EXPECT_EQ(texts[15], "7,5");
}

TEST(ProfileChart, DrawsAGridTenTimesFinerBelowOneKilometre) {
  const ProfileDrawing d = draw(tripOf({point(1000, 1.0)}), statsOf(0.75, 1000, 2000, 10));
  const std::vector<std::string> texts = captions(d);
  ASSERT_GE(texts.size(), 151u);
  ASSERT_LE(texts.size(), 152u);
  EXPECT_EQ(texts[1], "0.005");
  EXPECT_EQ(texts[2], "0.01");
  EXPECT_GE(set(d, Sets::kGridSet).back().x1, 1120);
}

TEST(ProfileChart, PlacesGridLinesAtRepeatedSumsOfTheStepButCaptionsTheMultiple) {
  const ProfileDrawing d = draw(tripOf({point(1000, 1.0)}), statsOf(0.75, 1000, 2000, 10));
  double x = 0;
  for (std::size_t i = 1; i <= 150; ++i) x += 0.005;  // not 150 * 0.005
  EXPECT_EQ(generalNumberText(x), "0.750000000000001");
  EXPECT_EQ(d.picture.labels.at(150).caption, "0.75");
  EXPECT_FLOAT_EQ(set(d, Sets::kGridSet).at(149).x1, static_cast<float>(120 + x * (1000 / 0.75)));
}

TEST(ProfileChart, GridsAnIntegralTotalInWholeKilometres) {
  const ProfileDrawing d = draw(tripOf({point(1000, 1.0)}), statsOf(12, 1000, 2000, 10));
  const auto& grid = set(d, Sets::kGridSet);
  ASSERT_EQ(grid.size(), 13u);  // 1 to 13
  EXPECT_FLOAT_EQ(grid.back().x1, static_cast<float>(120 + 13 * (1000.0 / 12)));
  EXPECT_EQ(d.picture.labels.back().caption, "13");
}

TEST(ProfileChart, GridsATotalSmallEnoughForExponentForm) {
  const ProfileDrawing d = draw(tripOf({point(1000, 1.0)}), statsOf(1.5e-5, 1000, 2000, 10));
  const auto& grid = set(d, Sets::kGridSet);
  ASSERT_GE(grid.size(), 150u);
  ASSERT_LE(grid.size(), 152u);
  EXPECT_EQ(d.picture.labels[1].caption, "1E-07");
  EXPECT_GE(grid.back().x1, 1120);
  EXPECT_LT(grid.back().x1, 1130);
}

TEST(ProfileChart, EndsTheHorizontalAxisAtTheLastGridLine) {
  const ProfileDrawing d = draw(tripOf({point(1000, 1.0)}), statsOf(123.4, 1000, 2000, 10));
  const float end = set(d, Sets::kGridSet).back().x2;
  EXPECT_FLOAT_EQ(d.axes.lineX.x2, end);
  EXPECT_FLOAT_EQ(set(d, Sets::kAxesSet)[Sets::kLineX].x2, end);
  EXPECT_FLOAT_EQ(d.axes.lineX.x1, 0);
  expectEnds(d.axes.lineY, 120, 0, 120, 1020);
  expectEnds(set(d, Sets::kAxesSet)[Sets::kLineY], 120, 0, 120, 1020);
}

TEST(ProfileChart, EndsTheLastSegmentAtTheLayoutsAxisEndNotAtTheMovedOne) {
  const ProfileDrawing d = draw(tripOf({point(1000, 1.0), point(2000, 1.5), point(1234, 2.0)}));
  EXPECT_FLOAT_EQ(set(d, Sets::kAltitudeSet).back().x2, 1120);
  EXPECT_GT(d.axes.lineX.x2, 1120);
}

TEST(ProfileChart, GivesTheSamePictureWhenRefreshedTwice) {
  const Percorso trip = tripOf(
      {point(1000, 1.0), point(2000, 1.5), point(0, 2.0), point(1500, 2.5), point(2500, 3.0)});
  const ProfileDrawing first = draw(trip);
  const ProfileDrawing second = draw(trip);
  EXPECT_TRUE(samePicture(first.picture, second.picture));
  EXPECT_FLOAT_EQ(first.axes.lineX.x2, second.axes.lineX.x2);
}

TEST(ProfileChart, DoesNotWidenThePlotWhenDrawnAgainAfterTheAxisMoved) {
  const Percorso trip = tripOf({point(1000, 1.0), point(2000, 1.5), point(1234, 2.0)});
  const TripStatistics stats = computeTripStatistics(trip);
  const ProfileAxes layout = testAxes();
  const ProfileDrawing first = AggiornaGrafici(trip, stats, layout, kSurface, true, true, ".");
  const ProfileDrawing second = AggiornaGrafici(trip, stats, layout, kSurface, true, true, ".");
  EXPECT_FLOAT_EQ(second.axes.lineX.x2, first.axes.lineX.x2);
  EXPECT_FLOAT_EQ(set(second, Sets::kAltitudeSet).back().x2, layout.lineX.x2);
}

void expectFrameOnly(const ProfileDrawing& d) {
  ASSERT_EQ(d.picture.lineSets.size(), Sets::kSetCount);
  ASSERT_EQ(set(d, Sets::kAxesSet).size(), 2u);
  expectEnds(set(d, Sets::kAxesSet)[Sets::kLineX], 0, 1000, 1120, 1000);
  expectEnds(set(d, Sets::kAxesSet)[Sets::kLineY], 120, 0, 120, 1020);
  EXPECT_TRUE(set(d, Sets::kGridSet).empty());
  EXPECT_TRUE(set(d, Sets::kAltitudeSet).empty());
  EXPECT_TRUE(set(d, Sets::kSpeedSet).empty());
  EXPECT_EQ(captions(d), std::vector<std::string>{"0"});
  EXPECT_FLOAT_EQ(d.axes.lineX.x2, 1120);
}

TEST(ProfileChart, ShowsOnlyTheFrameForATripOfOnePoint) {
  expectFrameOnly(draw(tripOf({point(1000, 1.0)})));
}

TEST(ProfileChart, ShowsOnlyTheFrameForATripThatNeverMoves) {
  expectFrameOnly(draw(tripOf({point(1000, 1.0), point(1000, 1.5), point(1000, 2.0)})));
}

TEST(ProfileChart, ShowsOnlyTheFrameWhenNoTwoConsecutivePointsHaveAnAltitude) {
  expectFrameOnly(draw(tripOf({point(1000, 1.0), point(0, 1.5), point(1000, 2.0)})));
}

TEST(ProfileChart, ShowsOnlyTheFrameForAnEmptyTrip) { expectFrameOnly(draw(Percorso{})); }

TEST(ProfileChart, KeepsTheSurfaceSize) {
  const ProfileDrawing d = draw(tripOf({point(1000, 1.0), point(2000, 1.5)}));
  EXPECT_FLOAT_EQ(d.picture.width, 1500);
  EXPECT_FLOAT_EQ(d.picture.height, 1400);
}

TEST(ProfileChart, DrawsTripsOfMoreThan32767Points) {
  Percorso trip;
  trip.Punti.clear();
  for (int i = 0; i < 40'000; ++i)
    trip.Punti.push_back(point(1000 + (i % 7) * 10.0, 1.0 + i / 86400.0, 45 + i * 1e-5));
  const ProfileDrawing d = draw(trip);
  EXPECT_EQ(set(d, Sets::kAltitudeSet).size(), 39'999u);
  EXPECT_EQ(set(d, Sets::kSpeedSet).size(), 39'999u);
  EXPECT_NEAR(set(d, Sets::kAltitudeSet).back().x2, 1120, 0.01);
}

}  // namespace
}  // namespace vianora
