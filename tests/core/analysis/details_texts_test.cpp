#include "core/analysis/details_texts.h"

#include <gtest/gtest.h>

namespace vianora {
namespace {

constexpr double kDay0 = 39756.5;  // 2008-11-04 12:00

std::string joined(const std::vector<DetailsFigure>& figures) {
  std::string s;
  for (const DetailsFigure& f : figures) s += f.caption + "=" + f.text + "|";
  return s;
}

TEST(DetailsTexts, FiguresWithTheirUnitsAndSeparators) {
  // Descent, km, seconds; moving seconds, speed; stopped seconds; pauses, their 89999.5 s.
  TripDetails d{1234.56, 0.125, 120, 3725, 0.5, 90000, std::vector<Pause>(2), 89999.5, {}, {}, {}};
  d.steepestClimb = Gradient{{1, 3, 4.5675}, 0.125, 12.345};
  d.steepestDescent = Gradient{{4, 6, 1234.5}, 0.125, -60};
  EXPECT_EQ(joined(detailsFigures(d, {{",", "."}, {}})),
            "Descent=1.234,6 m|Descent distance=0,125 km|Descent time=00:02:00|"
            "Moving time=01:02:05|Moving average speed=,500 km/h|Stopped time=25:00:00|Pauses=2|"
            "Paused time=25:00:00|Steepest climb=12,3 % at km 4,568|"
            "Steepest descent=-60,0 % at km 1.234,500|");
  EXPECT_EQ(joined(detailsFigures(TripDetails{}, {})),
            "Descent=0.0 m|Descent distance=0.000 km|Descent time=N.C.|Moving time=N.C.|"
            "Moving average speed=N.C.|Stopped time=N.C.|Pauses=N.C.|Paused time=N.C.|"
            "Steepest climb=N.C.|Steepest descent=N.C.|");
}

TEST(DetailsTexts, TablesSortByValueAndCopyAsTabSeparatedText) {
  TripDetails d;
  d.pauses = {Pause{{7, 9, 0.05}, kDay0, 180}, Pause{{12, 13, 1.25}, kDay0 + 0.5, 3600}};
  d.splits = {Split{1, {}, 1.0, 600.0, 6.0, 384.6154, 0.0},
              Split{2, {}, 0.0005, 0.0, std::nullopt, 0.0, 0.05}};
  const DisplayFormat format{{}, [](double day) { return "day " + std::to_string(day - kDay0); }};
  const TextTable pauses = pausesTable(d, format);
  EXPECT_EQ(tabSeparated(pauses),
            "Pause\tStart\tLength\tPoint\tKm\n"
            "1\tday 0.000000\t00:03:00\t7\t0.050\n"
            "2\tday 0.500000\t01:00:00\t12\t1.250\n");
  EXPECT_EQ(pauses.rows[1][2].value, 3600);
  EXPECT_EQ(tabSeparated(splitsTable(d, {})),
            "Km\tLength\tTime\tSpeed\tAscent\tDescent\n"
            "1\t1.000\t00:10:00\t6.000\t384.6\t0.0\n"
            "2\t0.001\t00:00:00\tN.C.\t0.0\t0.1\n");
}

}  // namespace
}  // namespace vianora
