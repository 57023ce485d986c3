#pragma once
// A month shown as a 7 x 7 grid: a header row of abbreviated day names and
// six rows of day numbers, with the date logic to move through days, months
// and years. The selected cell is always the cell of the current date.

#include "controls/DayOfWeek.h"

#include <QColor>
#include <QDate>
#include <QPoint>
#include <QWidget>

namespace cyclo {

class Clock;
class RegionalSettings;

class TVoCalendar : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kColumns = 7;
    static constexpr int kRows = 7;
    // FirstCellDay lies in this range.
    static constexpr int kMinFirstCellDay = -5;
    static constexpr int kMaxFirstCellDay = 1;

    TVoCalendar(const Clock& clock, const RegionalSettings& settings, QWidget* parent = nullptr);

    // The shown date; only its day matters. Setting a date outside the years
    // 1..9999 does nothing.
    [[nodiscard]] QDate calendarDate() const { return date_; }
    void setCalendarDate(QDate date);

    // One part of the date each. A value below 1, the present value, a month
    // above 12 or a day beyond the month does nothing; a new month cuts the
    // day to its length.
    [[nodiscard]] int day() const { return date_.day(); }
    void setDay(int day);
    [[nodiscard]] int month() const { return date_.month(); }
    void setMonth(int month);
    [[nodiscard]] int year() const { return date_.year(); }
    void setYear(int year);

    // When on, the user cannot move the selected cell.
    [[nodiscard]] bool readOnly() const { return readOnly_; }
    void setReadOnly(bool readOnly) { readOnly_ = readOnly; }

    [[nodiscard]] TDayOfWeekName startOfWeek() const { return startOfWeek_; }
    void setStartOfWeek(TDayOfWeekName day);
    [[nodiscard]] TDaysOfWeek weekends() const { return weekends_; }
    void setWeekends(TDaysOfWeek days);
    [[nodiscard]] QColor weekendColor() const { return weekendColor_; }
    void setWeekendColor(const QColor& color);

    // Switching it on shows today; setting Day, Month or Year switches it off.
    [[nodiscard]] bool useCurrentDate() const { return useCurrentDate_; }
    void setUseCurrentDate(bool use);

    // The day number of the cell in row 1, column 0 (-5..1).
    [[nodiscard]] int firstCellDay() const { return firstCellDay_; }
    // Lays the month out again and selects the cell of the current day.
    virtual void RefreshDays();

    // Moving through the calendar.
    void NextDay();
    void PrevDay();
    // +1 or -1 month, keeping the day where the month has it, else its last day.
    void StepMonth(int delta);
    void NextMonth() { StepMonth(1); }
    void PrevMonth() { StepMonth(-1); }
    void NextYear();
    void PrevYear();
    void Today();

    // The grid: (column, row), row 0 the header.
    [[nodiscard]] QPoint selectedCell() const { return selected_; }
    // The day a cell shows, or 0 for the header and empty cells.
    [[nodiscard]] int dayOfCell(int column, int row) const;
    [[nodiscard]] QString cellText(int column, int row) const;
    // The selected date written out in full, for assistive technology.
    [[nodiscard]] QString selectedDateText() const;
    [[nodiscard]] QRect cellRect(int column, int row) const;
    // The cell under a point of the widget, or (-1, -1).
    [[nodiscard]] QPoint cellAt(const QPoint& pos) const;
    [[nodiscard]] int columnWidth() const;
    [[nodiscard]] int rowHeight() const;
    // The grid's own movement of the selected cell by whole columns and rows,
    // only onto a cell that shows a day; the date follows. Returns whether it moved.
    bool moveSelection(int columns, int rows);

signals:
    // The date changed.
    void OnChange();
    // The left button was released over a day cell (after the date took that day).
    void dayCellReleased(Qt::KeyboardModifiers modifiers);

protected:
    [[nodiscard]] const Clock& clock() const { return clock_; }
    // Paints one cell; the grid line under the header is painted by paintEvent.
    virtual void drawCell(QPainter& painter, int column, int row, const QRect& rect);

    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void changeDate(QDate date);
    void stepTo(QDate date);
    [[nodiscard]] QPoint cellOfDay(int day) const;
    void selectCellUnder(const QPoint& pos);

    const Clock& clock_;
    const RegionalSettings& settings_;
    QDate date_;
    bool readOnly_ = false;
    TDayOfWeekName startOfWeek_ = TDayOfWeekName::Mon;
    TDaysOfWeek weekends_{TDayOfWeekName::Sun};
    QColor weekendColor_{255, 0, 0};
    bool useCurrentDate_ = true;
    int firstCellDay_ = 1;
    QPoint selected_{0, 1};
    bool tracking_ = false; // left button held since a press in the grid
};

} // namespace cyclo
