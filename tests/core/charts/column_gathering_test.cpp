#include "core/charts/column_gathering.h"

#include <gtest/gtest.h>

namespace vianora {
namespace {

ChartLine line(float x1, float y1, float x2, float y2, Rgb colour, std::uint8_t width = 1,
               bool visible = true) {
  return ChartLine{x1, y1, x2, y2, colour, width, LineStyle::Solid, visible};
}

TEST(ColumnGathering, GathersEachRunInsideOneColumnIntoOneStrokeOverItsSpan) {
  // Columns 10 twips wide; a pen of width 1 is 15 twips wide, of width 2 is 30.
  const std::vector<ChartLine> chain = {
      line(-4, 10, -2, 20, 1),              // column -1
      line(-2, 20, -1, 0, 2),               // column -1
      line(-1, 0, 1, 100, 3),               // crosses into column 0
      line(1, 100, 3, 140, 4),              // column 0
      line(3, 140, 5, 60, 5),               // column 0
      line(5, 60, 8, 90, 6),                // column 0
      line(8, 90, 25, 90, 7),               // crosses into column 2
      line(25, 90, 27, 95, 8),              // alone in column 2
      line(27, 95, 31, 95, 9),              // crosses into column 3
      line(31, 95, 33, 96, 10, 2),          // column 3, nearly flat
      line(33, 96, 34, 500, 11, 2, false),  // hidden: left out, the run goes on
      line(33, 96, 36, 95, 12, 2)};         // column 3, nearly flat
  EXPECT_EQ(gatherColumns(chain, 10),
            (std::vector<ChartLine>{
                line(-5, 0, -5, 20, 2),              // span 20, longer than the pen is wide
                line(-1, 0, 1, 100, 3),              // kept
                line(5, 60, 5, 140, 6),              // with the last line's pen
                line(8, 90, 25, 90, 7),              // kept
                line(25, 90, 27, 95, 8),             // kept
                line(27, 95, 31, 95, 9),             // kept
                line(35, 80.5f, 35, 110.5f, 12, 2),  // as long as the pen is wide, centred
            }));
}

}  // namespace
}  // namespace vianora
