#include "controls/VoCalendar.h"

#include "controls/LocCalendar.h"
#include "tests/controls/CalendarTestSupport.h"

#include <QImage>
#include <QPalette>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>
#include <gtest/gtest.h>

namespace cyclo {
namespace {

using test::CalendarEnvironment;
using test::kToday;

class VoCalendarTest : public testing::Test
{
protected:
    VoCalendarTest() { calendar.resize(183, 102); }

    CalendarEnvironment env;
    TVoCalendar calendar{env.clock, env.settings};
};

TEST_F(VoCalendarTest, StartsOnTodayWithMondayFirstAndRedSundays)
{
    EXPECT_EQ(calendar.calendarDate(), kToday);
    EXPECT_TRUE(calendar.useCurrentDate());
    EXPECT_EQ(calendar.startOfWeek(), TDayOfWeekName::Mon);
    EXPECT_EQ(calendar.weekends(), TDaysOfWeek{TDayOfWeekName::Sun});
    EXPECT_EQ(calendar.weekendColor(), QColor(255, 0, 0));
    EXPECT_FALSE(calendar.readOnly());
}

TEST_F(VoCalendarTest, MonthAndYearStepsKeepTheDayWhereTheTargetMonthHasIt)
{
    struct Case
    {
        const char* name;
        QDate from;
        void (TVoCalendar::*step)();
        QDate to;
    } const cases[] = {
        {"next month from 31 Jan 2001", {2001, 1, 31}, &TVoCalendar::NextMonth, {2001, 2, 28}},
        {"next year from 29 Feb 2000", {2000, 2, 29}, &TVoCalendar::NextYear, {2001, 2, 28}},
        {"previous month from 31 Mar 2000", {2000, 3, 31}, &TVoCalendar::PrevMonth, {2000, 2, 29}},
        {"previous year from 29 Feb 2000", {2000, 2, 29}, &TVoCalendar::PrevYear, {1999, 2, 28}},
        {"next month over the year's end", {2000, 12, 15}, &TVoCalendar::NextMonth, {2001, 1, 15}},
        {"previous month over the year's start",
         {2001, 1, 31},
         &TVoCalendar::PrevMonth,
         {2000, 12, 31}},
        {"next day at a month's end", {2000, 2, 29}, &TVoCalendar::NextDay, {2000, 3, 1}},
        {"previous day at a year's start", {2001, 1, 1}, &TVoCalendar::PrevDay, {2000, 12, 31}},
        {"next day inside a month", {2001, 5, 10}, &TVoCalendar::NextDay, {2001, 5, 11}},
        {"previous year in year 1 does nothing", {1, 6, 1}, &TVoCalendar::PrevYear, {1, 6, 1}},
        {"previous day before year 1 does nothing", {1, 1, 1}, &TVoCalendar::PrevDay, {1, 1, 1}},
        {"next month after 9999 does nothing",
         {9999, 12, 31},
         &TVoCalendar::NextMonth,
         {9999, 12, 31}},
        {"next year after 9999 does nothing", {9999, 3, 1}, &TVoCalendar::NextYear, {9999, 3, 1}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        calendar.setCalendarDate(c.from);
        (calendar.*c.step)();
        EXPECT_EQ(calendar.calendarDate(), c.to);
    }
}

TEST_F(VoCalendarTest, EveryDateChangeRaisesOnChangeOnceAndNoChangeRaisesNothing)
{
    calendar.setCalendarDate({2001, 1, 31});
    QSignalSpy changes(&calendar, &TVoCalendar::OnChange);
    calendar.NextMonth();
    calendar.setCalendarDate({2001, 2, 28});
    calendar.setDay(28);
    EXPECT_EQ(changes.count(), 1);
}

TEST_F(VoCalendarTest, SettingPartsIgnoresImpossibleValuesAndCutsTheDay)
{
    calendar.setCalendarDate({2001, 1, 31});
    calendar.setDay(0);
    calendar.setDay(32);
    calendar.setMonth(13);
    calendar.setMonth(0);
    calendar.setYear(0);
    EXPECT_EQ(calendar.calendarDate(), QDate(2001, 1, 31));
    EXPECT_TRUE(calendar.useCurrentDate());

    calendar.setMonth(4);
    EXPECT_EQ(calendar.calendarDate(), QDate(2001, 4, 30));
    EXPECT_FALSE(calendar.useCurrentDate());
    calendar.setDay(12);
    calendar.setYear(1970);
    EXPECT_EQ(calendar.calendarDate(), QDate(1970, 4, 12));

    calendar.setUseCurrentDate(true);
    EXPECT_EQ(calendar.calendarDate(), kToday);
}

TEST_F(VoCalendarTest, FirstCellDayPutsDayOneInTheColumnOfItsWeekday)
{
    // April 2001 begins on a Sunday, October 2001 on a Monday.
    calendar.setCalendarDate({2001, 4, 10});
    EXPECT_EQ(calendar.firstCellDay(), -5);
    EXPECT_EQ(calendar.cellText(6, 1), QStringLiteral("1"));
    EXPECT_EQ(calendar.cellText(5, 1), QString());
    calendar.setCalendarDate({2001, 10, 10});
    EXPECT_EQ(calendar.firstCellDay(), 1);
    EXPECT_EQ(calendar.cellText(0, 1), QStringLiteral("1"));

    calendar.setStartOfWeek(TDayOfWeekName::Sun);
    EXPECT_EQ(calendar.firstCellDay(), 0);
    EXPECT_EQ(calendar.cellText(0, 0), QStringLiteral("Sun"));
    EXPECT_EQ(calendar.cellText(1, 1), QStringLiteral("1"));
}

TEST_F(VoCalendarTest, HeaderShowsAbbreviatedDayNamesFromStartOfWeek)
{
    const QStringList expected = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
    for (int column = 0; column < TVoCalendar::kColumns; ++column)
        EXPECT_EQ(calendar.cellText(column, 0), expected.at(column));
}

TEST_F(VoCalendarTest, SelectedCellIsTheCellOfTheCurrentDay)
{
    calendar.setCalendarDate({2001, 4, 30}); // first cell day -5: 30 is row 6, column 0
    EXPECT_EQ(calendar.selectedCell(), QPoint(0, 6));
    calendar.setCalendarDate({2001, 10, 1});
    EXPECT_EQ(calendar.selectedCell(), QPoint(0, 1));
}

// The whole layout of a year against the system's own month calendar.
TEST_F(VoCalendarTest, MondayFirstLayoutOfAYearMatchesNcal)
{
    const QString ncal = QStandardPaths::findExecutable(QStringLiteral("ncal"));
    if (ncal.isEmpty())
        GTEST_SKIP() << "ncal is not installed (scripts/deps.sh installs it)";
    for (int year : {2001, 2024}) {
        for (int month = 1; month <= 12; ++month) {
            SCOPED_TRACE(QStringLiteral("%1-%2").arg(year).arg(month).toStdString());
            QProcess process;
            process.start(ncal, {QStringLiteral("-M"), QStringLiteral("-b"), QStringLiteral("-h"),
                                 QString::number(month), QString::number(year)});
            ASSERT_TRUE(process.waitForFinished());
            const QStringList lines =
                QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\n'));
            ASSERT_GE(lines.size(), 3);
            calendar.setCalendarDate({year, month, 1});
            // Lines 2.. are the weeks, three characters per day.
            for (int row = 1; row < TVoCalendar::kRows; ++row) {
                const QString week = row + 1 < lines.size() ? lines.at(row + 1) : QString();
                for (int column = 0; column < TVoCalendar::kColumns; ++column) {
                    const QString expected = week.mid(column * 3, 2).trimmed();
                    EXPECT_EQ(calendar.cellText(column, row), expected)
                        << "row " << row << " column " << column;
                }
            }
        }
    }
}

TEST_F(VoCalendarTest, GridNavigationMovesOnlyOntoCellsThatShowADay)
{
    calendar.setCalendarDate({2001, 4, 1}); // Sunday, in row 1, column 6
    QTest::keyClick(&calendar, Qt::Key_Right);
    EXPECT_EQ(calendar.calendarDate(), QDate(2001, 4, 1)) << "no wrapping to the next row";
    QTest::keyClick(&calendar, Qt::Key_Left);
    EXPECT_EQ(calendar.calendarDate(), QDate(2001, 4, 1)) << "the cell on the left is empty";
    QTest::keyClick(&calendar, Qt::Key_Up);
    EXPECT_EQ(calendar.calendarDate(), QDate(2001, 4, 1)) << "the header is never selected";
    QTest::keyClick(&calendar, Qt::Key_Down);
    EXPECT_EQ(calendar.calendarDate(), QDate(2001, 4, 8));
    QTest::keyClick(&calendar, Qt::Key_Left);
    EXPECT_EQ(calendar.calendarDate(), QDate(2001, 4, 7));

    calendar.setReadOnly(true);
    QTest::keyClick(&calendar, Qt::Key_Down);
    EXPECT_EQ(calendar.calendarDate(), QDate(2001, 4, 7));
}

TEST_F(VoCalendarTest, CellGeometryFollowsTheGridSize)
{
    EXPECT_EQ(calendar.columnWidth(), 26);
    EXPECT_EQ(calendar.rowHeight(), 13);
    EXPECT_EQ(calendar.cellRect(2, 3), QRect(52, 42, 26, 13));
    EXPECT_EQ(calendar.cellAt(QPoint(60, 45)), QPoint(2, 3));
    EXPECT_EQ(calendar.cellAt(QPoint(190, 45)), QPoint(-1, -1));
}

TEST_F(VoCalendarTest, PressAndDragSelectAndReleaseTakesTheDay)
{
    calendar.setCalendarDate({2001, 4, 10});
    calendar.show();
    QSignalSpy released(&calendar, &TVoCalendar::dayCellReleased);
    ASSERT_EQ(calendar.cellText(1, 2), QStringLiteral("3"));
    const QPoint day3Cell = calendar.cellRect(1, 2).center();
    const QPoint day4Cell = calendar.cellRect(2, 2).center();
    QTest::mousePress(&calendar, Qt::LeftButton, {}, day3Cell);
    EXPECT_EQ(calendar.selectedCell(), QPoint(1, 2));
    EXPECT_EQ(calendar.calendarDate(), QDate(2001, 4, 10)) << "the date follows on release";
    QTest::mouseMove(&calendar, day4Cell);
    QTest::mouseRelease(&calendar, Qt::LeftButton, {}, day4Cell);
    EXPECT_EQ(calendar.calendarDate(), QDate(2001, 4, 4));
    EXPECT_EQ(released.count(), 1);

    QTest::mouseClick(&calendar, Qt::LeftButton, {}, calendar.cellRect(0, 1).center());
    EXPECT_EQ(calendar.calendarDate(), QDate(2001, 4, 4)) << "an empty cell is not selectable";
    EXPECT_EQ(released.count(), 1);
}

TEST(LocCalendarTest, FramesTodayOnlyInTodaysMonthAndTakesNoFocus)
{
    CalendarEnvironment env;
    TLocCalendar calendar(env.clock, env.settings);
    EXPECT_EQ(calendar.focusPolicy(), Qt::NoFocus);
    // 10 December 2026 is a Thursday; the month starts on a Tuesday, so with
    // Monday first the 1st stands in row 1, column 1, and the 10th one row
    // lower, in the Thursday column 3.
    ASSERT_EQ(kToday, QDate(2026, 12, 10));
    EXPECT_EQ(calendar.todayCell(), QPoint(3, 2));
    calendar.NextMonth();
    EXPECT_EQ(calendar.todayCell(), QPoint(-1, -1));
}

TEST(LocCalendarTest, TodaysFrameAndTheHeaderLineArePaintedInWholeDevicePixels)
{
    CalendarEnvironment env;
    TLocCalendar calendar(env.clock, env.settings);
    calendar.resize(183, 102);
    const QColor shadow(128, 128, 128);
    const QColor highlight(255, 255, 255);
    QPalette p = calendar.palette();
    p.setColor(QPalette::Dark, shadow);
    p.setColor(QPalette::Light, highlight);
    p.setColor(QPalette::Highlight, QColor(0, 0, 128));
    p.setColor(QPalette::Window, QColor(192, 192, 192));
    calendar.setPalette(p);
    calendar.setCalendarDate({2026, 12, 3}); // today's cell is not the selected one

    // Columns 183 div 7 = 26 wide, rows (102 - 6) div 7 = 13 high under a
    // 1-unit line: today's cell (3, 2) covers units x 78..103, y 28..40, and
    // the header line is row 13. In device pixels at each ratio:
    struct Case
    {
        qreal ratio;
        QRect cell;     // today's cell
        int line;       // frame and header line width
        int headerLine; // first row of the header line
    } const cases[] = {
        {1.0, QRect(78, 28, 26, 13), 1, 13},
        {1.5, QRect(117, 42, 39, 20), 2, 20}, // 61.5 and 19.5 round up
        {2.0, QRect(156, 56, 52, 26), 2, 26},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.ratio);
        QImage image(qRound(183 * c.ratio), qRound(102 * c.ratio), QImage::Format_RGB32);
        image.setDevicePixelRatio(c.ratio);
        calendar.render(&image);
        const QRect& r = c.cell;
        const int mid = r.left() + r.width() / 2;
        const int middle = r.top() + r.height() / 2;
        for (int i = 0; i < c.line; ++i) {
            EXPECT_EQ(image.pixelColor(mid, r.top() + i), shadow) << "top row " << i;
            EXPECT_EQ(image.pixelColor(r.left() + i, middle), shadow) << "left column " << i;
            EXPECT_EQ(image.pixelColor(mid, r.bottom() - i), highlight) << "bottom row " << i;
            EXPECT_EQ(image.pixelColor(r.right() - i, middle), highlight) << "right column " << i;
            EXPECT_EQ(image.pixelColor(mid, c.headerLine + i), shadow) << "header line " << i;
        }
        EXPECT_NE(image.pixelColor(mid, r.top() + c.line), shadow) << "the frame ends";
        EXPECT_NE(image.pixelColor(r.left() + c.line, middle), shadow);
        EXPECT_NE(image.pixelColor(mid, r.bottom() - c.line), highlight);
        EXPECT_NE(image.pixelColor(mid, c.headerLine + c.line), shadow) << "the line ends";
        EXPECT_NE(image.pixelColor(mid, c.headerLine - 1), shadow);
        EXPECT_NE(image.pixelColor(mid, r.top() - 1), shadow) << "nothing above the frame";
    }
}

} // namespace
} // namespace cyclo
