#include "core/charts/chart_cursor.h"

#include <gtest/gtest.h>

namespace vianora {
namespace {

using Texts = std::vector<std::string>;

TEST(ChartCursor, ReadsOutAPointAsTheStatisticsBoxesShowIt) {
  // One place; 2 km up in 1.5 hours, then 1.49975 km down ending 4.5 hours earlier. The start
  // point is point 0 at noon, so point 2 lies before it.
  Percorso trip;
  trip.Punti = {{45, 7, 1000, 46000.5}, {45, 7, 3000, 46000.5625}, {45, 7, 1500.25, 46000.375}};
  TripStatistics stats{.hasTimes = true, .startDay = 46000.5};
  const Texts byPoint[] = {{"Point 1", "Distance 0.000 km", "Altitude 1,000.0 m", "Speed N.C.",
                            "Time 12:00:00", "Elapsed 00:00:00"},
                           {"Point 2", "Distance 2.000 km", "Altitude 3,000.0 m",
                            "Speed 1.333 km/h", "Time 13:30:00", "Elapsed 01:30:00"},
                           {"Point 3", "Distance 3.500 km", "Altitude 1,500.3 m",
                            "Speed -0.333 km/h", "Time 09:00:00", "Elapsed -03:00:00"}};
  const TripPointLookup lookup(trip, stats);
  for (std::size_t point = 0; point < 3; ++point)
    EXPECT_EQ(pointReadout(trip, stats, lookup, point, {}), byPoint[point]) << point;
  // Equal times give no speed; no start point, no elapsed time.
  trip.Punti[1].DataOra = 46000.5;
  stats.hasTimes = false;
  EXPECT_EQ(pointReadout(trip, stats, lookup, 1, {}),
            (Texts{"Point 2", "Distance 2.000 km", "Altitude 3,000.0 m", "Speed N.C.",
                   "Time 12:00:00", "Elapsed N.C."}));
  // Points without altitude or time, numbered past a thousand, with other separators.
  Percorso blank;
  blank.Punti.resize(1234);
  EXPECT_EQ(pointReadout(blank, stats, TripPointLookup(blank, stats), 1233, {",", "."}),
            (Texts{"Point 1.234", "Distance 0,000 km", "Altitude N.C.", "Speed N.C.", "Time N.C.",
                   "Elapsed N.C."}));
}

TEST(ChartCursor, PlacesTheReadoutRightBelowTheCursorOrFlippedToStayInside) {
  // 5 characters (a narrow no-break space is one) by 2 lines: 560 by 510 twips.
  const Texts readout{"ab", "a\u202Fbcd"};
  struct Row {
    float x, y;
    SurfaceSize surface;
    float left, top;
  };
  const Row rows[] = {{100, 100, {2000, 1000}, 220, 220},
                      {1800, 900, {2000, 1000}, 1120, 270},
                      {300, 400, {500, 600}, 0, 0}};
  for (const Row& row : rows) {
    ChartPicture overlay;
    addReadoutBox(overlay, row.x, row.y, readout, row.surface);
    const ChartBox box{row.left, row.top, 560, 510, rgb(255, 255, 255), true, rgb(128, 128, 128)};
    EXPECT_EQ(overlay.boxes, std::vector<ChartBox>{box});
    EXPECT_EQ(overlay.labels.back(), (ChartLabel{row.left + 30, row.top + 255, readout[1]}));
  }
  ChartPicture overlay;
  addCursorLine(overlay, 300, 100, 900);
  addCursorRing(overlay, 500, 400);
  const ChartLine line{300, 100, 300, 900, rgb(64, 64, 64), 1};
  EXPECT_EQ(overlay.lineSets, std::vector<std::vector<ChartLine>>{{line}});
  const ChartBox ring{425, 325, 150, 150, rgb(255, 255, 255), false, 0, 2, BoxShape::Ellipse};
  EXPECT_EQ(overlay.boxes, std::vector<ChartBox>{ring});
}

}  // namespace
}  // namespace vianora
