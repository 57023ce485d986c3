#pragma once
// The calendar grid of the drop-down calendar: never takes the focus (the
// date field keeps it) and frames today's cell.

#include "controls/VoCalendar.h"

namespace cyclo {

class TLocCalendar : public TVoCalendar
{
    Q_OBJECT

public:
    TLocCalendar(const Clock& clock, const RegionalSettings& settings, QWidget* parent = nullptr);

    // The cell of today's date, or (-1, -1) when today is not in the shown month.
    [[nodiscard]] QPoint todayCell() const;

protected:
    void drawCell(QPainter& painter, int column, int row, const QRect& rect) override;
};

} // namespace cyclo
