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

/// The figures of a trip's details in the order the Details tab shows them.
std::vector<DetailsFigure> detailsFigures(const TripDetails& details, const DisplayFormat& format);

/// A cell of a table: its text, and the value it sorts by.
struct TableCell {
  std::string text;
  double value = 0.0;
};

/// A table of texts: its column captions and its rows.
struct TextTable {
  std::vector<std::string> header;
  std::vector<std::vector<TableCell>> rows;
};

/// The pauses of a trip as a table, one row per pause.
TextTable pausesTable(const TripDetails& details, const DisplayFormat& format);

/// The splits of a trip as a table, one row per split.
TextTable splitsTable(const TripDetails& details, const DisplayFormat& format);

/// A table as tab-separated text, the header first, a line each, each line ended by "\n".
std::string tabSeparated(const TextTable& table);

}  // namespace vianora
