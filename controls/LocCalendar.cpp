#include "controls/LocCalendar.h"

#include "controls/Clock.h"
#include "controls/VoSpeedButton.h"

#include <QPainter>

namespace cyclo {

TLocCalendar::TLocCalendar(const Clock& clock, const RegionalSettings& settings, QWidget* parent)
    : TVoCalendar(clock, settings, parent)
{
    setFocusPolicy(Qt::NoFocus);
}

QPoint TLocCalendar::todayCell() const
{
    const QDate today = clock().today();
    if (today.year() != year() || today.month() != month())
        return {-1, -1};
    const int offset = today.day() - firstCellDay();
    return {offset % kDaysPerWeek, offset / kDaysPerWeek + 1};
}

void TLocCalendar::drawCell(QPainter& painter, int column, int row, const QRect& rect)
{
    TVoCalendar::drawCell(painter, column, row, rect);
    if (QPoint(column, row) == todayCell())
        DrawThinBevel(painter, rect, palette().color(QPalette::Dark),
                      palette().color(QPalette::Light));
}

} // namespace cyclo
