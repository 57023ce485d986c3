#include "ui/printing/ComparisonPage.h"

#include "ui/widgets/WindowLook.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>

namespace cyclo {

namespace {

// Draws one line of text with its top at `top`, returns the top of the next line.
int drawLine(QPainter& painter, int left, int top, const QString& text)
{
    const QFontMetrics metrics = painter.fontMetrics();
    painter.drawText(QPoint(left, top + metrics.ascent()), text);
    return top + metrics.lineSpacing();
}

// An empty line of the current font.
int skipLine(const QPainter& painter, int top)
{
    return top + painter.fontMetrics().lineSpacing();
}

} // namespace

ComparisonPage ComparisonPage::from(const QString& person1, const QString& person2,
                                    const TComparison& comparison)
{
    ComparisonPage page;
    page.person1 = person1;
    page.person2 = person2;
    for (std::size_t i = 0; i < kCycles.size(); ++i)
        page.lines[i] = QString::fromStdString(comparison.lines[i]);
    page.averageLine = QString::fromStdString(comparison.averageLine);
    return page;
}

QColor ResultColour(const CycleInfo& cycle)
{
    return {cycle.darkColour.red, cycle.darkColour.green, cycle.darkColour.blue};
}

QColor AverageColour()
{
    return {0, 0, 0};
}

void PaintComparisonPage(QPainter& painter, const QRect& area, const ComparisonPage& page)
{
    painter.save();
    const int left = area.left();
    int top = area.top();

    painter.setPen(Qt::black);
    painter.setFont(NamedFont("Arial", 16, true));
    top = drawLine(painter, left, top, QStringLiteral("Result of the comparison"));
    top = skipLine(painter, top);

    // The persons' lines start in one column after the wider caption.
    painter.setFont(NamedFont("Arial", 11, false));
    const QString caption1 = QStringLiteral("Person 1:");
    const QString caption2 = QStringLiteral("Person 2:");
    const QFontMetrics metrics = painter.fontMetrics();
    const int column =
        left + std::max(metrics.horizontalAdvance(caption1), metrics.horizontalAdvance(caption2)) +
        metrics.horizontalAdvance(QStringLiteral("  "));
    drawLine(painter, left, top, caption1);
    top = drawLine(painter, column, top, page.person1);
    drawLine(painter, left, top, caption2);
    top = drawLine(painter, column, top, page.person2);
    top = skipLine(painter, top);

    painter.setFont(ResultLineFont());
    for (std::size_t i = 0; i < kCycles.size(); ++i) {
        painter.setPen(ResultColour(kCycles[i]));
        top = drawLine(painter, left, top, page.lines[i]);
    }
    painter.setPen(AverageColour());
    drawLine(painter, left, top, page.averageLine);
    painter.restore();
}

bool PrintComparison(QPrinter& printer, const ComparisonPage& page)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    // The painter's origin is the top-left corner of the printable area.
    const QRect area(QPoint(0, 0),
                     printer.pageLayout().paintRectPixels(printer.resolution()).size());
    PaintComparisonPage(painter, area, page);
    return painter.end();
}

} // namespace cyclo
