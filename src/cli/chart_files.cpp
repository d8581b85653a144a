#include "cli/chart_files.h"

#include <filesystem>
#include <utility>

#include "cli/file_replacement.h"
#include "core/analysis/trip_statistics.h"
#include "core/charts/chart_surfaces.h"
#include "core/charts/column_gathering.h"
#include "core/charts/profile_chart.h"
#include "core/charts/progress_chart.h"
#include "core/charts/route_map.h"
#include "core/charts/svg_picture.h"

namespace vianora::cli {

namespace {

/// Trips of more points than this are drawn with their lines gathered per twip column: drawn
/// whole, ten million points made gigabytes of SVG that no viewer shows finer than a pixel.
constexpr std::size_t kMostPointsDrawnWhole = 100'000;
constexpr double kColumnTwips = 1.0;

/// The picture as SVG, its lines gathered first when `gather` says so.
std::string svgOf(ChartPicture picture, bool gather) {
  if (gather) {
    for (std::vector<ChartLine>& set : picture.lineSets) set = gatherColumns(set, kColumnTwips);
  }
  return svgOfPicture(picture);
}

/// Writes the three charts of one trip as base-map.svg, base-profile.svg and
/// base-distance.svg, one picture at a time; returns the first error.
std::string writeTripCharts(const Percorso& trip, const std::string& base, SurfaceSize surface,
                            const ProfileAxes& layout) {
  const TripStatistics stats = computeTripStatistics(trip);
  const bool gather = trip.Punti.size() > kMostPointsDrawnWhole;
  std::string failure = replaceFile(
      base + "-map.svg",
      svgOf(AggiornaGraficoCartina(trip, stats, surface, MapColouring::Altitude), gather));
  if (!failure.empty()) return failure;
  // The charts are drawn in the order of a "Refresh": the progress chart takes its frame
  // from the profile's axes as the profile drawing left them.
  ProfileDrawing profile = AggiornaGrafici(trip, stats, layout, surface, true, true, ".");
  failure = replaceFile(base + "-profile.svg", svgOf(std::move(profile.picture), gather));
  if (!failure.empty()) return failure;
  return replaceFile(base + "-distance.svg",
                     svgOf(AggiornaGraficoPercorrenza(trip, stats, profile.axes, surface), gather));
}

}  // namespace

std::string writeChartFiles(const Percorsi& store, const std::string& folder) {
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  if (error) return "cannot create " + folder + ": " + error.message();
  const SurfaceSize surface = chartSurfaceSize(kDesignClientWidth, kDesignClientHeight);
  const ProfileAxes layout = profileAxesForSurface(surface);
  for (std::size_t i = 0; i < store.size(); ++i) {
    // A trip of one point draws no line: a file of empty tracks would only make empty charts.
    if (store[i].Punti.size() < 2) continue;
    const std::string base = (std::filesystem::path(folder) / std::to_string(i)).string();
    const std::string failure = writeTripCharts(store[i], base, surface, layout);
    if (!failure.empty()) return failure;
  }
  return {};
}

}  // namespace vianora::cli
