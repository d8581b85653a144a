#pragma once

#include <QLocale>
#include <QString>

#include "core/analysis/statistics_texts.h"

namespace vianora::gui {

/// The statistics' display format for a locale: its decimal and group separators, and its
/// short date with a time that shows seconds.
DisplayFormat localeDisplayFormat(const QLocale& locale = QLocale());

/// The general text of a day number in a locale: the time alone when the day part is 0, the
/// date alone at exactly midnight, else date and time (with seconds).
QString localeDateTimeText(double dayNumber, const QLocale& locale = QLocale());

/// A time of day as a chart's axis writes it in a locale: its short time format, after the
/// date (as localeDateTimeText writes it) when withDate is set.
QString localeClockText(double dayNumber, bool withDate, const QLocale& locale = QLocale());

}  // namespace vianora::gui
