#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "core/charts/chart_picture.h"

namespace vianora {

/// Writes a date-time (day number) as a label of a time-of-day axis: the time, and the date
/// too when withDate is set.
using ClockText = std::function<std::string(double dayNumber, bool withDate)>;

/// The Distance chart's time axis: the time elapsed since the start (no clockText: the
/// original axis) or the time of day, its labels written by clockText.
struct ProgressTimeAxis {
  ClockText clockText;
};

/// The grid of a time-of-day axis of a plot starting at day number t0: the times elapsed since
/// t0 (days), from `from` to `to` and above 0 (where the vertical axis stands), at which the
/// clock shows a whole multiple of step, in order. None for a step that is not above 0.
std::vector<double> clockGridTimes(double t0, double from, double to, double step);

/// Captions and thins the labels of a time-of-day grid: labels[first + i] stands at day number
/// days[i]. The first label of each day (each after leftDay's, the day at the plot's left
/// edge) shows the date and is kept before the others, which show the time alone where they
/// leave room for the labels kept: shown labels never run into each other nor past the
/// surface's right edge.
void captionClockLabels(ChartPicture& picture, std::size_t first, const std::vector<double>& days,
                        double leftDay, const ClockText& text);

}  // namespace vianora
