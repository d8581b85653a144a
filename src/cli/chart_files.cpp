#include "cli/chart_files.h"

#include <filesystem>
#include <utility>

#include "cli/file_replacement.h"
#include "core/analysis/trip_statistics.h"
#include "core/charts/chain_simplification.h"
#include "core/charts/chart_overlays.h"
#include "core/charts/chart_scales.h"
#include "core/charts/chart_surfaces.h"
#include "core/charts/column_gathering.h"
#include "core/charts/profile_chart.h"
#include "core/charts/progress_chart.h"
#include "core/charts/route_map.h"
#include "core/charts/svg_picture.h"

namespace vianora::cli {

namespace {

/// Trips of more points than this are drawn thinned: drawn whole, ten million points made
/// gigabytes of SVG that no viewer shows finer than a pixel.
constexpr std::size_t kMostPointsDrawnWhole = 100'000;
constexpr double kColumnTwips = 1.0;

/// How a long trip's lines are thinned. The profile and progress chains run left to right and
/// are gathered per twip column; the map's track changes column at nearly every step, so it
/// keeps a point only a pixel or more from the last one kept.
enum class Thinning { None, Columns, PixelSteps };

/// The picture as SVG, its lines thinned first as `thinning` says, the overlay (never
/// thinned: its few lines are ticks and a legend) drawn over it.
std::string svgOf(ChartPicture picture, Thinning thinning, ChartPicture overlay) {
  for (std::vector<ChartLine>& set : picture.lineSets) {
    if (thinning == Thinning::Columns) set = gatherColumns(set, kColumnTwips);
    if (thinning == Thinning::PixelSteps) set = simplifyChains(set, kTwipsPerPixel);
  }
  mergeOverlay(picture, overlay);
  return svgOfPicture(picture);
}

/// The map's scale bar and altitude legend for the whole view, and markers where its first
/// segment starts and its last one ends.
ChartPicture wholeMapOverlay(const Percorso& trip, const TripStatistics& stats, SurfaceSize surface,
                        const ChartPicture& map) {
  const std::optional<MapPlacement> placement = mapPlacementFor(trip, stats, surface);
  if (!placement) return {};
  ChartPicture overlay =
      mapScaleAndLegend(placement->scale, stats, surface, MapColouring::Altitude, Separators{});
  if (map.lineSets.size() > kSegmentsSet && !map.lineSets[kSegmentsSet].empty()) {
    const std::vector<ChartLine>& segments = map.lineSets[kSegmentsSet];
    addTripMarkers(overlay, segments.front().x1, segments.front().y1, segments.back().x2,
                   segments.back().y2);
  }
  return overlay;
}

/// Writes the three charts of one trip as base-map.svg, base-profile.svg and
/// base-distance.svg, one picture at a time, with their overlays when `scales` says;
/// returns the first error.
std::string writeTripCharts(const Percorso& trip, const std::string& base, SurfaceSize surface,
                            const ProfileAxes& layout, bool scales) {
  const TripStatistics stats = computeTripStatistics(trip);
  const bool thin = trip.Punti.size() > kMostPointsDrawnWhole;
  const Thinning track = thin ? Thinning::PixelSteps : Thinning::None;
  const Thinning chains = thin ? Thinning::Columns : Thinning::None;
  ChartPicture map = AggiornaGraficoCartina(trip, stats, surface, MapColouring::Altitude);
  ChartPicture mapScales = scales ? wholeMapOverlay(trip, stats, surface, map) : ChartPicture{};
  std::string failure =
      replaceFile(base + "-map.svg", svgOf(std::move(map), track, std::move(mapScales)));
  if (!failure.empty()) return failure;
  // The charts are drawn in the order of a "Refresh": the progress chart takes its frame
  // from the profile's axes as the profile drawing left them.
  ProfileDrawing profile = AggiornaGrafici(trip, stats, layout, surface, true, true, ".");
  failure = replaceFile(
      base + "-profile.svg",
      svgOf(std::move(profile.picture), chains,
            scales ? profileScales(layout, stats, surface, true, true, ".") : ChartPicture{}));
  if (!failure.empty()) return failure;
  return replaceFile(
      base + "-distance.svg",
      svgOf(AggiornaGraficoPercorrenza(trip, stats, profile.axes, surface), chains,
            scales ? progressScales(profile.axes, stats, surface, ".") : ChartPicture{}));
}

}  // namespace

std::string writeChartFiles(const Percorsi& store, const std::string& folder, bool scales) {
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  if (error) return "cannot create " + folder + ": " + error.message();
  const SurfaceSize surface = chartSurfaceSize(kDesignClientWidth, kDesignClientHeight);
  const ProfileAxes layout = profileAxesForSurface(surface);
  for (std::size_t i = 0; i < store.size(); ++i) {
    // A trip of one point draws no line: a file of empty tracks would only make empty charts.
    if (store[i].Punti.size() < 2) continue;
    const std::string base = (std::filesystem::path(folder) / std::to_string(i)).string();
    const std::string failure = writeTripCharts(store[i], base, surface, layout, scales);
    if (!failure.empty()) return failure;
  }
  return {};
}

}  // namespace vianora::cli
