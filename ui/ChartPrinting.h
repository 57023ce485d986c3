#pragma once
// The printed page of the chart window: the person's line and the viewed date
// as headings, the month chart on white, sharp at the printer's resolution,
// and the legend of the four curves.

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
