#pragma once
// The printed page of the chart window: the person's line and the viewed date
// as headings, the month chart on white, sharp at the printer's resolution,
// the legend of the four curves, and under it the viewed day's values and
// the month's critical days of each curve shown.

#include "chart/ChartState.h"

#include <QString>

class QPrinter;

namespace cyclo {

struct ChartPrintout
{
    QString personLine; // "Anna ( 4/8/1981 )"
    QString viewedDate; // "June 6, 1998"
    ChartState state;
};

// Prints one page on `printer`, which is set up already (by the print dialog
// or by the caller). Returns false when the printer cannot be opened.
bool PrintChartPage(QPrinter& printer, const ChartPrintout& page);

} // namespace cyclo
