#include "core/charts/chart_scales.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace vianora {
namespace {

using Texts = std::vector<std::string>;
Texts captions(const ChartPicture& picture) {
  Texts texts;
  for (const ChartLabel& label : picture.labels) texts.push_back(label.caption);
  return texts;
}

// A plot 900 twips high from y 100 to the baseline at 1000, the vertical axis at x 100, 10 km
// long to x 4100; altitudes 100..200 m (9 twips a metre), speeds up to 40 km/h (22.5 a km/h).
constexpr SurfaceSize kSurface{6000, 1500};
const ProfileAxes kAxes{{0, 1000, 4100, 1000}, {100, 100, 100, 1020}, {}};
const TripStatistics kTrip{
    .DistanzaTotale = 10, .AltitudineMax = 200, .AltitudineMin = 100, .VelocitaMax = 40 * 24};

TEST(ChartScales, LabelTicksAboveTheBaselineWithoutOverlapAndTheUnitAtTheTop) {
  // Labels are 225 high: of altitude ticks 180 apart every other one is labelled; the lowest
  // label of each scale is lifted above the baseline and hides the next one up, and the top
  // one (40 km/h, 2 km) would leave the surface onto the one below.
  const ChartPicture both = profileScales(kAxes, kTrip, kSurface, true, true, ".");
  EXPECT_EQ(captions(both), (Texts{"100", "140", "180", "m", "0", "20", "30", "km/h"}));
  EXPECT_EQ(captions(profileScales(kAxes, kTrip, kSurface, false, true, ".")).front(), "0");
  EXPECT_EQ(captions(profileScales(kAxes, kTrip, kSurface, true, false, ".")).back(), "m");
  EXPECT_EQ(captions(progressScales(kAxes, kTrip, kSurface, ".")), (Texts{"0", "4", "8", "km"}));
  const std::vector<ChartLine>& ticks = both.lineSets.at(0);
  ASSERT_EQ(ticks.size(), 6u + 5u);
  EXPECT_EQ(ticks[1], (ChartLine{100, 820, 160, 820}));  // 120 m
  EXPECT_EQ((std::vector<float>{ticks[7].x1, ticks[7].y1, ticks[7].x2}),
            (std::vector<float>{4100, 775, 4160}));  // 10 km/h
  EXPECT_EQ((std::vector<ChartLabel>{both.labels[0], both.labels[1], both.labels[3]}),
            (std::vector<ChartLabel>{{200, 775, "100"}, {200, 527.5f, "140"}, {540, 167.5f, "m"}}));
  EXPECT_EQ(both.boxes.size(), 4u);  // white grounds inside the plot only
  EXPECT_TRUE(profileScales(kAxes, {}, kSurface, true, true, ".").labels.empty());  // no plot
  EXPECT_TRUE(progressScales(kAxes, {}, kSurface, ".").labels.empty());
}

TEST(ChartScales, MapHasARoundScaleBarALegendOfTheRampInUseAndTripMarkers) {
  const struct {
    double perKm, room, km;
    const char* caption;
  } bars[] = {{100, 1000, 10, "10 km"},  {100, 999, 5, "5 km"}, {1000, 250, 0.2, "200 m"},
              {1e6, 500, 5e-4, "0,5 m"}, {0, 100, 0, "0 m"},    {NAN, 100, 0, "0 m"}};
  for (const auto& bar : bars) {
    EXPECT_DOUBLE_EQ(scaleBarKm(bar.perKm, bar.room), bar.km) << bar.caption;
    EXPECT_EQ(scaleBarCaption(bar.km, ","), bar.caption);
  }
  // 100 twips a km: a quarter of 6000 twips holds 10 km, 1000 twips long, 200 from the edges.
  const double perDegree = 100 * std::sqrt(8000.0);
  const ChartPicture heights = mapScaleAndLegend(perDegree, kTrip, kSurface, {}, {});
  EXPECT_EQ(captions(heights), (Texts{"10 km", "100.0 m", "200.0 m"}));
  const std::vector<ChartLine>& lines = heights.lineSets.at(0);
  ASSERT_EQ(lines.size(), 3u + 64u);
  EXPECT_EQ(lines[0], (ChartLine{200, 1300, 1200, 1300, rgb(0, 0, 0), 2}));
  EXPECT_EQ((std::vector<Rgb>{lines[3].colour, lines.back().colour}),
            (std::vector<Rgb>{rgb(0, 255, 0), rgb(0, 0, 255)}));
  EXPECT_FLOAT_EQ(heights.boxes.back().left + heights.boxes.back().width, 5800);
  ChartPicture speeds =
      mapScaleAndLegend(perDegree, kTrip, kSurface, MapColouring::Speed, {",", "."});
  EXPECT_EQ(captions(speeds).back(), "40,000 km/h");
  EXPECT_EQ(speeds.lineSets[0].back().colour, rgb(255, 0, 0));
  EXPECT_EQ(captions(mapScaleAndLegend(perDegree, {}, kSurface, {}, {})), Texts{"10 km"});
  speeds.boxes.clear();
  addTripMarkers(speeds, 500, 600, 900, 1000);
  EXPECT_EQ(
      speeds.boxes,
      (std::vector<ChartBox>{{440, 540, 120, 120, rgb(0, 170, 0), true, 0, 1, BoxShape::Ellipse},
                             {840, 940, 120, 120, rgb(220, 0, 0), true, 0, 1, BoxShape::Ellipse}}));
}

}  // namespace
}  // namespace vianora
