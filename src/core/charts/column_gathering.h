#pragma once

#include <vector>

#include "core/charts/chart_picture.h"

namespace vianora {

/// A chain of a million segments puts hundreds of them into one column of the surface, most
/// far shorter than the column is wide: drawn one by one they only cost. This gathers every
/// run of consecutive lines that lies wholly inside one column (x from k * columnWidth to
/// (k + 1) * columnWidth, twips) into one vertical stroke at the column's middle over the
/// span the run covers, with the pen of the run's last line. A stroke is at least as long as
/// its pen is wide, centred on the span, so that a flat run keeps the pen's thickness. A line
/// alone in its column and a line that crosses a column's edge are kept as they are; hidden
/// lines are left out. A chain drawn left to right (a profile) keeps at most two lines per
/// column: the stroke, and the line that leaves the column.
std::vector<ChartLine> gatherColumns(const std::vector<ChartLine>& lines, double columnWidth);

}  // namespace vianora
