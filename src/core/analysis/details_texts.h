#pragma once

#include <string>
#include <vector>

#include "core/analysis/statistics_texts.h"
#include "core/analysis/trip_details.h"

namespace vianora {

/// One figure of the Details tab: its caption and its text (number and unit, or "N.C.").
struct DetailsFigure {
  std::string caption;
  std::string text;
};

/// The figures of a trip's details in the order the Details tab shows them: descent (m), its
/// distance (km) and time, moving time and average speed (km/h), stopped time, the number of
/// pauses and their time, the steepest climb and descent ("12.3 % at km 4.567", the km where
/// the stretch starts). Numbers take the statistics' patterns, times the total "hh:mm:ss".
/// A trip without a timed counting pair shows "N.C." for every time, and for the pauses too:
/// whether it stood still is not known.
std::vector<DetailsFigure> detailsFigures(const TripDetails& details, const DisplayFormat& format);

/// A cell of a table: its text (a number without its unit: the column tells it), and the value
/// it sorts by (0 for "N.C.").
struct TableCell {
  std::string text;
  double value = 0.0;
};

/// A table of texts: its column captions and its rows.
struct TextTable {
  std::vector<std::string> header;
  std::vector<std::vector<TableCell>> rows;
};

/// The pauses of a trip as a table, one row per pause: its number from 1, its start as the
/// format's date-time, its length, its first point (as the store counts points, from 0), the
/// km it starts at.
TextTable pausesTable(const TripDetails& details, const DisplayFormat& format);

/// The splits of a trip as a table, one row per split: its number, length (km), time, average
/// speed (km/h), ascent and descent (m).
TextTable splitsTable(const TripDetails& details, const DisplayFormat& format);

/// A table as tab-separated text, the header first, a line each, each line ended by "\n".
std::string tabSeparated(const TextTable& table);

}  // namespace vianora
