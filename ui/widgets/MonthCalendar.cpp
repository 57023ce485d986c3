#include "ui/widgets/MonthCalendar.h"

#include "calendar/DateTextRules.h"
#include "controls/Clock.h"
#include "controls/DevicePixels.h"

#include <QAbstractItemView>
#include <QBoxLayout>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalBlocker>
#include <QTableView>
#include <QTextCharFormat>
#include <QToolButton>
#include <algorithm>
#include <functional>

namespace cyclo {

namespace {

// Today is circled and named in the classic month calendar's red.
const QColor kTodayColour(255, 0, 0);
// The sample circle on the today line and the gaps around it.
constexpr int kSampleWidth = 18;
constexpr int kSampleGap = 6;
constexpr int kTodayLineMargin = 2;

// The red ring of today inside `box`, `inset` units in from its left and
// right: a line of one unit, whole device pixels wide at any screen scale.
void drawTodayCircle(QPainter& painter, const QRect& box, int inset)
{
    DevicePainter device(painter);
    const int line = device.lineWidth();
    const int sides = inset * line;
    const qreal half = line / 2.0;
    const QRectF ring =
        QRectF(device.toDevice(box)).adjusted(half + sides, half, -half - sides, -half);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(kTodayColour, line));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(ring);
}

// The line under the grid that names today; a click on it selects today.
class TodayLine : public QWidget
{
public:
    TodayLine(const MonthCalendar& calendar, std::function<void()> onClick, QWidget* parent)
        : QWidget(parent), calendar_(calendar), onClick_(std::move(onClick))
    {
        setObjectName(QStringLiteral("TodayLine"));
        // Screen readers read the line as it reads.
        setAccessibleName(calendar_.todayText());
        QFont bold = font();
        bold.setBold(true);
        setFont(bold);
        setFixedHeight(fontMetrics().height() + 2 * kTodayLineMargin);
    }

protected:
    void paintEvent(QPaintEvent* /*event*/) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), palette().color(QPalette::Base));
        const int left = kSampleGap;
        drawTodayCircle(
            painter, QRect(left, kTodayLineMargin, kSampleWidth, height() - 2 * kTodayLineMargin),
            0);
        painter.setPen(palette().color(QPalette::Text));
        const QRect textRect(left + kSampleWidth + kSampleGap, 0,
                             width() - left - kSampleWidth - kSampleGap, height());
        painter.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter, calendar_.todayText());
    }

    void mouseReleaseEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
            onClick_();
    }

private:
    const MonthCalendar& calendar_;
    std::function<void()> onClick_;
};

} // namespace

MonthCalendar::MonthCalendar(const Clock& clock, QWidget* parent)
    : QCalendarWidget(parent), clock_(clock)
{
    setVerticalHeaderFormat(QCalendarWidget::ISOWeekNumbers);
    // Single letters fit the narrow columns of the classic size.
    setHorizontalHeaderFormat(QCalendarWidget::SingleLetterDayNames);
    setLayoutDirection(Qt::LeftToRight);
    setGridVisible(false);
    // Weekends look like any other day, as in the classic month calendar.
    QTextCharFormat plainDay;
    plainDay.setForeground(palette().color(QPalette::Text));
    setWeekdayTextFormat(Qt::Saturday, plainDay);
    setWeekdayTextFormat(Qt::Sunday, plainDay);
    // The years every date of the program lies in.
    setDateRange(QDate(kMinYear, 1, 1), QDate(kMaxYear, 12, 31));
    fitRowsIntoTheGrid();
    createTodayLine();
    keepOutOfTabChain();
    connectNavigation();
}

QDate MonthCalendar::today() const
{
    return clock_.today();
}

QString MonthCalendar::todayText() const
{
    return QStringLiteral("Today: ") + locale().toString(today(), QLocale::ShortFormat);
}

void MonthCalendar::selectDateFromOutside(QDate date)
{
    auto* grid = findChild<QAbstractItemView*>(QStringLiteral("qt_calendar_calendarview"));
    if (grid == nullptr || grid->hasFocus()) {
        setSelectedDate(date);
        return;
    }
    {
        // The grid learns of its new current cell from these signals.
        const QSignalBlocker quiet(grid->selectionModel());
        setSelectedDate(date);
    }
    grid->viewport()->update();
}

void MonthCalendar::fitRowsIntoTheGrid()
{
    // The grid shares its height among the header and the six week rows.
    // Windows' native style asks for taller rows than the classic size
    // holds, which cut off the last week; no row may ask for more than its
    // share.
    auto* grid = findChild<QTableView*>(QStringLiteral("qt_calendar_calendarview"));
    if (grid == nullptr)
        return;
    grid->verticalHeader()->setMinimumSectionSize(0);
    grid->horizontalHeader()->setMinimumSectionSize(0);
}

void MonthCalendar::createTodayLine()
{
    // The calendar stacks its navigation bar and its grid in a vertical box;
    // the today line goes under the grid.
    auto* box = qobject_cast<QBoxLayout*>(layout());
    if (box == nullptr)
        return;
    box->addWidget(new TodayLine(
        *this, [this] { selectToday(); }, this));
}

void MonthCalendar::keepOutOfTabChain()
{
    // The calendar takes the focus from a click but is never reached by Tab.
    const auto clickOnly = [](QWidget* w) {
        if ((w->focusPolicy() & Qt::TabFocus) != 0)
            w->setFocusPolicy((w->focusPolicy() & Qt::ClickFocus) != 0 ? Qt::ClickFocus
                                                                       : Qt::NoFocus);
    };
    clickOnly(this);
    for (QWidget* child : findChildren<QWidget*>())
        clickOnly(child);
}

void MonthCalendar::connectNavigation()
{
    connect(this, &QCalendarWidget::currentPageChanged, this, &MonthCalendar::followPage);
    connect(this, &QCalendarWidget::clicked, this, &MonthCalendar::calendarClicked);
    // The arrows page the calendar through their own connections, made
    // before these, so the click is reported after the new month shows.
    for (const char* name : {"qt_calendar_prevmonth", "qt_calendar_nextmonth"}) {
        if (auto* arrow = findChild<QToolButton*>(QString::fromLatin1(name)))
            connect(arrow, &QToolButton::clicked, this, &MonthCalendar::calendarClicked);
    }
}

void MonthCalendar::followPage(int year, int month)
{
    const QDate selected = selectedDate();
    if (selected.isValid() && (selected.year() != year || selected.month() != month)) {
        const QDate first(year, month, 1);
        const int day = std::min(selected.day(), first.daysInMonth());
        setSelectedDate(QDate(year, month, day));
    }
    emit monthInfoRequested(year, month);
}

void MonthCalendar::selectToday()
{
    setSelectedDate(today());
    emit calendarClicked();
}

void MonthCalendar::paintCell(QPainter* painter, const QRect& rect, QDate date) const
{
    QCalendarWidget::paintCell(painter, rect, date);
    if (date != today())
        return;
    // One unit in from the cell's sides.
    drawTodayCircle(*painter, rect, 1);
}

} // namespace cyclo
