#pragma once

#include <string_view>

#include "core/analysis/trip_statistics.h"
#include "core/charts/chart_picture.h"
#include "core/charts/chart_surfaces.h"
#include "core/charts/chart_view.h"
#include "core/charts/clock_axis.h"
#include "core/charts/profile_chart.h"

namespace vianora {

/// The map as a view shows it: every segment moved and scaled by the view; segments that lie
/// wholly outside the surface are left out (the rest are kept whole, the surface clips them).
/// Pens and visibility stay (hidden segments are moved and stay hidden); labels and boxes
/// move with the view, boxes scaled by it. The whole view gives the picture unchanged.
ChartPicture mapInView(const ChartPicture& map, const ChartView& view);

/// The Profile surface as a horizontal view shows it. The axes stay as drawn; the altitude and
/// speed segments are moved along x by the view and cut at the plot's ends (the vertical axis
/// and layoutAxes.lineX.x2), those wholly outside left out; the grid and its labels are drawn
/// anew for the distance range shown, with the step gridStep() gives for that range's length,
/// at the multiples of the step within it, captions as the whole drawing has them. The origin
/// label stays while the range starts at 0; past it, it is hidden but stays the first label.
/// The whole view gives the drawing's picture.
ChartPicture profileInView(const ProfileDrawing& drawing, const ProfileAxes& layoutAxes,
                           const TripStatistics& stats, const ChartView& view,
                           std::string_view decimalSeparator);

/// The Distance surface as a horizontal view shows it: the curve moved and cut at the plot's
/// ends as on the profile, the time grid and its "hh:mm" labels drawn anew over the elapsed
/// time shown, with the step progressGridStep() gives for the range shown at the view's scale,
/// never past the trip's duration. The origin label is hidden as on the profile. The whole view
/// gives the picture unchanged. A time-of-day axis (axis.clockText) has its grid where the
/// clock shows a multiple of the step, labels as captionClockLabels writes them, the date
/// first shown on the first day after the one at the view's left edge.
ChartPicture progressInView(const ChartPicture& progress, const ProfileAxes& profileAxes,
                            const TripStatistics& stats, const ChartView& view,
                            const ProgressTimeAxis& axis = {});

}  // namespace vianora
