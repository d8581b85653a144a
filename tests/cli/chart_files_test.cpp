#include "cli/chart_files.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "test_files.h"

namespace vianora::cli {
namespace {

std::size_t linesIn(const std::filesystem::path& svg) {
  const std::string text(std::istreambuf_iterator<char>(std::ifstream(svg).rdbuf()), {});
  std::size_t count = 0;
  for (std::size_t at = 0; (at = text.find("<line ", at)) != std::string::npos; ++at) ++count;
  return count;
}

// A trip of 200,001 points, one second and a few metres apart, running north-east.
TEST(ChartFiles, DrawsALongTripsMapByPixelsAndItsChainsByTwipColumns) {
  Percorsi store;
  store.startTrip().Nome = "Long";
  for (int i = 0; i <= 200'000; ++i) {
    store.addPoint() = {45.0 + i * 1e-6, 7.0 + i * 1e-6, 100.0 + i % 50, 45000.0 + i / 86400.0};
  }
  const std::filesystem::path folder = vianora::test_support::makeTempFolder("long-trip");
  ASSERT_EQ(writeChartFiles(store, folder.string()), "");
  // The map's surface is 14755 by 9400 twips, 9000 high inside its margins: the track crosses
  // 0.2 degree by 0.2 degree as a straight line of 9000 * sqrt(2) = 12728 twips, drawn with a
  // line per pixel (15 twips) of it.
  EXPECT_NEAR(static_cast<double>(linesIn(folder / "0-map.svg")), 12728.0 / 15, 5);
  // The profile holds two chains (altitude and speed), the progress chart one; axes and grid
  // lines take a few hundred more.
  constexpr std::size_t kColumns = 14755;
  EXPECT_LE(linesIn(folder / "0-profile.svg"), 4 * kColumns + 500);
  EXPECT_LE(linesIn(folder / "0-distance.svg"), 2 * kColumns + 500);
}

}  // namespace
}  // namespace vianora::cli
