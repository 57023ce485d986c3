#pragma once
// What the result of a comparison shows, on the screen and on paper: the two
// persons, the five result lines and the colour of each line; and the
// printed page.

#include "calendar/PartnerComparison.h"

#include <QColor>
#include <QRect>
#include <QString>
#include <array>

class QPainter;
class QPrinter;

namespace cyclo {

struct ComparisonPage
{
    // The persons' list lines, "Anna ( 4/8/1981 )".
    QString person1;
    QString person2;
    // Each cycle's result line, indexed like kCycles, and the average's.
    std::array<QString, kCycles.size()> lines;
    QString averageLine;

    [[nodiscard]] static ComparisonPage from(const QString& person1, const QString& person2,
                                             const TComparison& comparison);
};

// The colour of a cycle's result line: the cycle's dark colour.
[[nodiscard]] QColor ResultColour(const CycleInfo& cycle);
// The average's line is black.
[[nodiscard]] QColor AverageColour();

// Draws the page into `area` of `painter`: a heading, the two persons and the
// result lines in their colours, in fonts sized in points.
void PaintComparisonPage(QPainter& painter, const QRect& area, const ComparisonPage& page);

// Prints the page as one page on `printer`, as it is set up. False when the
// printer cannot be started (nothing printed).
bool PrintComparison(QPrinter& printer, const ComparisonPage& page);

} // namespace cyclo
