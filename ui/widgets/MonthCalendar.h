#pragma once
// The month calendar beside the chart: a QCalendarWidget with ISO week
// numbers, today circled and named on a line under the grid, that reports
// every click (days, month arrows, today line) and asks for the month
// information whenever the displayed month changes. Like the classic month
// calendar, paging to another month takes the selection along. It shows the
// years 1 to 9999, the years of the date entry field.

#include <QCalendarWidget>

namespace cyclo {

class Clock;

class MonthCalendar : public QCalendarWidget
{
    Q_OBJECT

public:
    explicit MonthCalendar(const Clock& clock, QWidget* parent = nullptr);

    [[nodiscard]] QDate today() const;
    // The text of the today line, e.g. "Today: 6/6/98".
    [[nodiscard]] QString todayText() const;

    // Selects `date` for a control that keeps the focus, as setSelectedDate
    // does, except that the grid does not tell screen readers that it took
    // the focus (its view does so whenever its current cell moves).
    void selectDateFromOutside(QDate date);

signals:
    // A click on a day, on a month arrow or on the today line, after the
    // calendar has acted on it.
    void calendarClicked();
    // The displayed month changed: the owner may now mark days bold.
    void monthInfoRequested(int year, int month);

protected:
    void paintCell(QPainter* painter, const QRect& rect, QDate date) const override;

private:
    void fitRowsIntoTheGrid();
    void createTodayLine();
    void keepOutOfTabChain();
    void connectNavigation();
    void followPage(int year, int month);
    void selectToday();

    const Clock& clock_;
};

} // namespace cyclo
