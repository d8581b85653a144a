#include "core/charts/profile_chart.h"

#include <gtest/gtest.h>

namespace vianora {
namespace {

using Lines = std::vector<ChartLine>;
using Sets = ProfileDrawing;

// A plot 1000 twips wide (x from 120 to 1120) and 1000 high (from the baseline at 1000 up to 0).
const ProfileAxes kAxes{{0, 1000, 1120, 1000}, {120, 0, 120, 1020}, {90, 1100, "0"}};
constexpr Rgb kGreen = rgb(0, 255, 0), kBlue = rgb(0, 0, 255), kRed = rgb(255, 0, 0);

// Points that only climb or descend on one spot, {altitude, day}: 1000 m is exactly 1 km.
Percorso tripOf(const std::vector<std::pair<double, double>>& points) {
  Percorso trip;
  trip.Punti.clear();  // no placeholder point
  for (const auto& [altitude, day] : points) trip.Punti.push_back(Punto{45, 7, altitude, day});
  return trip;
}

ProfileDrawing draw(const Percorso& trip, double total, double amin, double amax, double vmax,
                    bool altitudeShown = true, bool speedShown = true, const char* point = ".") {
  const TripStatistics stats{
      .DistanzaTotale = total, .AltitudineMax = amax, .AltitudineMin = amin, .VelocitaMax = vmax};
  return AggiornaGrafici(trip, stats, kAxes, {1500, 1400}, altitudeShown, speedShown, point);
}

ChartLine seg(float x1, float y1, float x2, float y2, Rgb colour, bool visible = true) {
  return ChartLine{x1, y1, x2, y2, colour, 2, LineStyle::Solid, visible};
}

std::vector<Lines> profilesOf(const ProfileDrawing& d) {
  return {d.picture.lineSets[Sets::kAltitudeSet], d.picture.lineSets[Sets::kSpeedSet]};
}

// Climbs 1 km in half a day, then comes down 1 km in half a day.
const Percorso kUpAndDown = tripOf({{1000, 1}, {2000, 1.5}, {1000, 2}});

TEST(ProfileChart, DrawsAltitudeAndSpeedAgainstTheDistance) {
  // Altitude segments take the colour of their later point, speed ones of their own speed; the
  // speed chain starts on the baseline.
  EXPECT_EQ(profilesOf(draw(kUpAndDown, 2, 1000, 2000, 2)),
            (std::vector<Lines>{{seg(120, 1000, 620, 0, kBlue), seg(620, 0, 1120, 1000, kGreen)},
                                {seg(120, 1000, 620, 0, kRed), seg(620, 0, 1120, 0, kRed)}}));
  // Both pairs at a zero altitude are left out; distance and speed run on over the gap.
  const Percorso gap = tripOf({{1000, 1}, {2000, 1.5}, {0, 1.6}, {1000, 1.75}, {2000, 2}});
  EXPECT_EQ(profilesOf(draw(gap, 2, 1000, 2000, 4, false, true)),
            (std::vector<Lines>{
                {seg(120, 1000, 620, 0, kBlue, false), seg(620, 1000, 1120, 0, kBlue, false)},
                {seg(120, 1000, 620, 500, rgb(128, 0, 0)), seg(620, 500, 1120, 0, kRed)}}));
  // No altitude range: a twip per metre, green; no top speed: the height per km a day, red. A
  // pause has speed 0.
  EXPECT_EQ(
      profilesOf(draw(tripOf({{1000, 1}, {1500, 1}, {2000, 1.5}}), 1, 1000, 1000, 0, true, false)),
      (std::vector<Lines>{
          {seg(120, 1000, 620, 500, kGreen), seg(620, 500, 1120, 0, kGreen)},
          {seg(120, 1000, 620, 1000, kRed, false), seg(620, 1000, 1120, 0, kRed, false)}}));
  // Altitudes and speeds outside the statistics' ranges are drawn beyond the plot.
  EXPECT_EQ(
      profilesOf(draw(tripOf({{1000, 1}, {2000, 1.5}, {500, 2}}), 2.5, 1000, 1500, 2)),
      (std::vector<Lines>{{seg(120, 1000, 520, -1000, kBlue), seg(520, -1000, 1120, 2000, kGreen)},
                          {seg(120, 1000, 520, 0, kRed), seg(520, 0, 1120, -500, kRed)}}));
}

TEST(ProfileChart, CaptionsTheGridWithTheSeparatorGivenAndEndsTheAxisAtItsLastLine) {
  // 5 km: a line every 0.5 km (100 twips) up to 5.5, where the exact sums reach total + step.
  const ProfileDrawing d = draw(kUpAndDown, 5, 1000, 2000, 2, true, true, ",");
  std::vector<std::string> captions;
  for (const ChartLabel& label : d.picture.labels) captions.push_back(label.caption);
  EXPECT_EQ(captions, (std::vector<std::string>{"0", "0,5", "1", "1,5", "2", "2,5", "3", "3,5", "4",
                                                "4,5", "5", "5,5"}));
  EXPECT_EQ(d.axes.lineX, (ChartLine{0, 1000, 1220, 1000}));
  EXPECT_EQ(d.picture.lineSets[Sets::kAxesSet], (Lines{d.axes.lineX, kAxes.lineY}));
}

TEST(ProfileChart, ShowsTheFrameAloneWithoutADistanceToScale) {
  for (double total : {0.0, 1e-310}) {
    const ProfileDrawing d = draw(kUpAndDown, total, 1000, 2000, 2);
    EXPECT_EQ(d.picture.lineSets, (std::vector<Lines>{{kAxes.lineX, kAxes.lineY}, {}, {}, {}}));
    EXPECT_EQ(d.picture.labels, std::vector<ChartLabel>{kAxes.origin});
  }
}

TEST(ProfileChart, ShowsOrHidesTheSegmentsOfOneSetAndNothingElse) {
  ProfileDrawing d = draw(kUpAndDown, 2, 1000, 2000, 2);
  std::vector<Lines> expected = d.picture.lineSets;
  for (ChartLine& line : expected[Sets::kSpeedSet]) line.visible = false;
  setSegmentsVisible(d.picture, Sets::kSpeedSet, false);
  setSegmentsVisible(d.picture, Sets::kSetCount, true);  // a set the picture lacks
  EXPECT_EQ(d.picture.lineSets, expected);
}

}  // namespace
}  // namespace vianora
