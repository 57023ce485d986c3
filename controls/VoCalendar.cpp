#include "controls/VoCalendar.h"

#include "controls/CalendarSteps.h"
#include "controls/Clock.h"
#include "controls/DevicePixels.h"
#include "controls/RegionalSettings.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace cyclo {

namespace {

// Space the grid keeps free below its rows.
constexpr int kRowHeightReserve = 6;
// Height of the line under the header row.
constexpr int kGridLineWidth = 1;

bool inYearRange(QDate date)
{
    return date.isValid() && date.year() >= kMinYear && date.year() <= kMaxYear;
}

// Weekday of a date, 1 = Sunday .. 7 = Saturday.
int sundayBasedWeekday(QDate date)
{
    return date.dayOfWeek() % kDaysPerWeek + 1;
}

} // namespace

TVoCalendar::TVoCalendar(const Clock& clock, const RegionalSettings& settings, QWidget* parent)
    : QWidget(parent), clock_(clock), settings_(settings), date_(clock.today())
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    RefreshDays();
}

QString TVoCalendar::selectedDateText() const
{
    return settings_.longDateText(date_);
}

void TVoCalendar::setCalendarDate(QDate date)
{
    changeDate(date);
}

void TVoCalendar::setDay(int day)
{
    if (day < 1 || day == date_.day() || day > date_.daysInMonth())
        return;
    useCurrentDate_ = false;
    changeDate(QDate(date_.year(), date_.month(), day));
}

void TVoCalendar::setMonth(int month)
{
    if (month < 1 || month > 12 || month == date_.month())
        return;
    useCurrentDate_ = false;
    const QDate first(date_.year(), month, 1);
    changeDate(QDate(date_.year(), month, std::min(date_.day(), first.daysInMonth())));
}

void TVoCalendar::setYear(int year)
{
    if (year < kMinYear || year > kMaxYear || year == date_.year())
        return;
    useCurrentDate_ = false;
    // 29 February becomes the 28th in a year that has no 29th.
    const QDate first(year, date_.month(), 1);
    changeDate(QDate(year, date_.month(), std::min(date_.day(), first.daysInMonth())));
}

void TVoCalendar::setStartOfWeek(TDayOfWeekName day)
{
    if (startOfWeek_ == day)
        return;
    startOfWeek_ = day;
    RefreshDays();
}

void TVoCalendar::setWeekends(TDaysOfWeek days)
{
    weekends_ = days;
    update();
}

void TVoCalendar::setWeekendColor(const QColor& color)
{
    weekendColor_ = color;
    update();
}

void TVoCalendar::setUseCurrentDate(bool use)
{
    useCurrentDate_ = use;
    if (use)
        changeDate(clock_.today());
}

void TVoCalendar::RefreshDays()
{
    const int w = sundayBasedWeekday(QDate(date_.year(), date_.month(), 1));
    firstCellDay_ = 2 - ((w - IndexOf(startOfWeek_) + kDaysPerWeek) % kDaysPerWeek);
    if (firstCellDay_ == 2)
        firstCellDay_ = kMinFirstCellDay;
    selected_ = cellOfDay(date_.day());
    update();
}

void TVoCalendar::NextDay()
{
    stepTo(SteppedDate(date_, CalendarStep::NextDay));
}

void TVoCalendar::PrevDay()
{
    stepTo(SteppedDate(date_, CalendarStep::PrevDay));
}

void TVoCalendar::StepMonth(int delta)
{
    if (delta != 0)
        stepTo(SteppedDate(date_, delta > 0 ? CalendarStep::NextMonth : CalendarStep::PrevMonth));
}

void TVoCalendar::NextYear()
{
    stepTo(SteppedDate(date_, CalendarStep::NextYear));
}

void TVoCalendar::PrevYear()
{
    stepTo(SteppedDate(date_, CalendarStep::PrevYear));
}

// A step inside the shown month sets the day, as the user's own choice of a
// day does; any other step moves the whole date.
void TVoCalendar::stepTo(QDate date)
{
    if (date.isValid() && date.year() == date_.year() && date.month() == date_.month())
        setDay(date.day());
    else
        changeDate(date);
}

void TVoCalendar::Today()
{
    changeDate(clock_.today());
}

int TVoCalendar::dayOfCell(int column, int row) const
{
    if (column < 0 || column >= kColumns || row < 1 || row >= kRows)
        return 0;
    const int day = firstCellDay_ + column + (row - 1) * kDaysPerWeek;
    return day >= 1 && day <= date_.daysInMonth() ? day : 0;
}

QString TVoCalendar::cellText(int column, int row) const
{
    if (row == 0)
        return settings_.shortDayName((IndexOf(startOfWeek_) + column) % kDaysPerWeek);
    const int day = dayOfCell(column, row);
    return day > 0 ? QString::number(day) : QString();
}

int TVoCalendar::columnWidth() const
{
    return width() / kColumns;
}

int TVoCalendar::rowHeight() const
{
    return (height() - kRowHeightReserve) / kRows;
}

QRect TVoCalendar::cellRect(int column, int row) const
{
    const int rh = rowHeight();
    return {column * columnWidth(), row * (rh + kGridLineWidth), columnWidth(), rh};
}

QPoint TVoCalendar::cellAt(const QPoint& pos) const
{
    const int cw = columnWidth();
    const int pitch = rowHeight() + kGridLineWidth;
    if (cw <= 0 || pitch <= kGridLineWidth || pos.x() < 0 || pos.y() < 0)
        return {-1, -1};
    const QPoint cell(pos.x() / cw, pos.y() / pitch);
    if (cell.x() >= kColumns || cell.y() >= kRows)
        return {-1, -1};
    return cell;
}

bool TVoCalendar::moveSelection(int columns, int rows)
{
    if (readOnly_)
        return false;
    const int day = dayOfCell(selected_.x() + columns, selected_.y() + rows);
    if (day == 0)
        return false;
    setDay(day);
    return true;
}

void TVoCalendar::drawCell(QPainter& painter, int column, int row, const QRect& rect)
{
    const QString text = cellText(column, row);
    const bool selected = QPoint(column, row) == selected_;
    const bool weekend = weekends_.contains(DayOfWeekFromIndex(IndexOf(startOfWeek_) + column));
    QColor textColor = palette().color(QPalette::WindowText);
    if (selected) {
        DevicePainter device(painter);
        device.fill(device.toDevice(rect), palette().color(QPalette::Highlight));
        textColor = palette().color(QPalette::HighlightedText);
    } else if (weekend) {
        textColor = weekendColor_;
    }
    if (text.isEmpty())
        return;
    const QFontMetrics fm = painter.fontMetrics();
    const int x = rect.left() + (rect.width() - fm.horizontalAdvance(text)) / 2;
    const int y = rect.top() + (rect.height() - fm.height()) / 2;
    painter.setPen(textColor);
    painter.drawText(QPoint(x, y + fm.ascent()), text);
}

void TVoCalendar::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    painter.setFont(font());
    for (int row = 0; row < kRows; ++row)
        for (int column = 0; column < kColumns; ++column)
            drawCell(painter, column, row, cellRect(column, row));
    // The line under the header: whole device pixels, as thick as the ratio makes it.
    DevicePainter device(painter);
    const QRect line =
        device.toDevice(QRect(0, rowHeight(), columnWidth() * kColumns, kGridLineWidth));
    device.fill(QRect(line.left(), line.top(), line.width(), device.lineWidth(kGridLineWidth)),
                palette().color(QPalette::Dark));
}

void TVoCalendar::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Left:
        moveSelection(-1, 0);
        break;
    case Qt::Key_Right:
        moveSelection(1, 0);
        break;
    case Qt::Key_Up:
        moveSelection(0, -1);
        break;
    case Qt::Key_Down:
        moveSelection(0, 1);
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void TVoCalendar::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    if (readOnly_)
        return;
    tracking_ = true;
    selectCellUnder(event->position().toPoint());
}

void TVoCalendar::mouseMoveEvent(QMouseEvent* event)
{
    if (tracking_)
        selectCellUnder(event->position().toPoint());
}

void TVoCalendar::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    if (tracking_) {
        tracking_ = false;
        const int day = dayOfCell(selected_.x(), selected_.y());
        if (day > 0)
            setDay(day);
    }
    const QPoint cell = cellAt(event->position().toPoint());
    if (dayOfCell(cell.x(), cell.y()) > 0)
        emit dayCellReleased(event->modifiers());
}

void TVoCalendar::changeDate(QDate date)
{
    if (!inYearRange(date) || date == date_)
        return;
    date_ = date;
    RefreshDays();
    if (QAccessible::isActive()) {
        QAccessibleValueChangeEvent changed(this, selectedDateText());
        QAccessible::updateAccessibility(&changed);
    }
    emit OnChange();
}

QPoint TVoCalendar::cellOfDay(int day) const
{
    const int offset = day - firstCellDay_;
    return {offset % kDaysPerWeek, offset / kDaysPerWeek + 1};
}

void TVoCalendar::selectCellUnder(const QPoint& pos)
{
    const QPoint cell = cellAt(pos);
    if (dayOfCell(cell.x(), cell.y()) == 0 || cell == selected_)
        return;
    selected_ = cell;
    update();
}

} // namespace cyclo
