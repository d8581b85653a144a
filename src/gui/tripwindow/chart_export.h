#pragma once

#include <QString>
#include <QStringList>

namespace vianora::gui {

class ChartSurface;

/// The kinds of picture a chart can be saved as, in the Save dialog's order.
QStringList chartFileFilters();

/// Saves the chart of a surface as PNG or as SVG (by the filter position, counted from 1, or
/// by the file's extension when it has one). Returns an error message, empty on success; a
/// file that cannot be written is left as it was.
QString saveChart(const ChartSurface& surface, QString path, int filterPosition);

}  // namespace vianora::gui
