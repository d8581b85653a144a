#include "chart_files.h"

#include <filesystem>

#include "analysis/trip_statistics.h"
#include "charts/chart_surfaces.h"
#include "charts/profile_chart.h"
#include "charts/progress_chart.h"
#include "charts/route_map.h"
#include "charts/svg_picture.h"
#include "file_replacement.h"

namespace vianora::cli {

std::string writeChartFiles(const Percorsi& store, const std::string& folder) {
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  if (error) return "cannot create " + folder + ": " + error.message();
  const SurfaceSize surface = chartSurfaceSize(kDesignClientWidth, kDesignClientHeight);
  const ProfileAxes layout = profileAxesForSurface(surface);
  for (std::size_t i = 0; i < store.size(); ++i) {
    const Percorso& trip = store[i];
    // A trip of one point draws no line: a file of empty tracks would only make empty charts.
    if (trip.Punti.size() < 2) continue;
    const TripStatistics stats = computeTripStatistics(trip);
    // The charts are drawn in the order of a "Refresh": the progress chart takes its frame
    // from the profile's axes as the profile drawing left them.
    const ProfileDrawing profile = AggiornaGrafici(trip, stats, layout, surface, true, true, ".");
    const ChartPicture distance = AggiornaGraficoPercorrenza(trip, stats, profile.axes, surface);
    const ChartPicture map = AggiornaGraficoCartina(trip, stats, surface, MapColouring::Altitude);
    const std::filesystem::path base = std::filesystem::path(folder) / std::to_string(i);
    for (const auto& [suffix, picture] :
         {std::pair{"-map.svg", &map}, std::pair{"-profile.svg", &profile.picture},
          std::pair{"-distance.svg", &distance}}) {
      const std::string failure = replaceFile(base.string() + suffix, svgOfPicture(*picture));
      if (!failure.empty()) return failure;
    }
  }
  return {};
}

}  // namespace vianora::cli
