#include "core/charts/chain_simplification.h"

#include <gtest/gtest.h>

#include <tuple>

namespace vianora {
namespace {

using Lines = std::vector<ChartLine>;

// The colour tells the lines apart; width 2 unless given.
ChartLine line(float x1, float y1, float x2, float y2, Rgb colour, std::uint8_t width = 2,
               bool visible = true) {
  return ChartLine{x1, y1, x2, y2, colour, width, LineStyle::Solid, visible};
}

TEST(ChainSimplification, KeepsPointsAPixelApartAndTheEndsOfEachRun) {
  // A pixel is 15 twips: {what, chain, lines drawn}.
  const std::tuple<const char*, Lines, Lines> cases[] = {
      {"points 5 twips apart: every third (a pixel on) is kept, and the last, with the pen of the "
       "last line",
       {line(0, 0, 5, 0, 1), line(5, 0, 10, 0, 2), line(10, 0, 15, 0, 3, 1), line(15, 0, 20, 0, 4),
        line(20, 0, 25, 0, 5), line(25, 0, 28, 0, 6)},
       {line(0, 0, 15, 0, 3, 1), line(15, 0, 28, 0, 6)}},
      {"the distance is a straight line's: (10, 6) is under a pixel away, (9, 12) is one",
       {line(0, 0, 10, 6, 1), line(10, 6, 9, 12, 2), line(9, 12, 21, 21, 3),
        line(21, 21, 21, 25, 4)},
       {line(0, 0, 9, 12, 2), line(9, 12, 21, 21, 3), line(21, 21, 21, 25, 4)}},
      {"a run wandering more than a pixel but never a pixel away is one line",
       {line(0, 0, 10, 0, 1), line(10, 0, 0, 8, 2), line(0, 8, 4, 4, 3)},
       {line(0, 0, 4, 4, 3)}},
      {"a hidden line ends a run and is left out; the next run begins where it ended",
       {line(0, 0, 5, 0, 1), line(5, 0, 10, 0, 2), line(10, 0, 40, 0, 3, 2, false),
        line(40, 0, 45, 0, 4), line(45, 0, 70, 0, 5)},
       {line(0, 0, 10, 0, 2), line(40, 0, 70, 0, 5)}},
      {"a line that begins away from the last one's end begins a new run",
       {line(0, 0, 5, 0, 1), line(100, 0, 105, 0, 2), line(105, 0, 106, 0, 3)},
       {line(0, 0, 5, 0, 1), line(100, 0, 106, 0, 3)}},
  };
  for (const auto& [what, chain, drawn] : cases) {
    EXPECT_EQ(simplifyChains(chain, 15), drawn) << what;
  }
}

}  // namespace
}  // namespace vianora
