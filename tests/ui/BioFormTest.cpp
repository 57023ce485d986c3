// support/ModalDialogs.h clicks buttons but does not include their class.
// clang-format off
#include <QAbstractButton>
// clang-format on

#include "controls/Clock.h"
#include "controls/FakeRepeatTimer.h"
#include "controls/QtDate.h"
#include "controls/ShadowLabel.h"
#include "register/PersonRegister.h"
#include "support/AccessibleEvents.h"
#include "support/ModalDialogs.h"
#include "support/TempDir.h"
#include "ui/BioUnit.h"
#include "ui/PersonUnit.h"
#include "ui/ProgramWindows.h"
#include "ui/widgets/MonthCalendar.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTableView>
#include <QTest>
#include <QToolButton>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <vector>

namespace cyclo {
namespace {

using test::ModalAnswer;

constexpr QRgb kYellow = qRgb(255, 255, 0);
constexpr QRgb kBlue = qRgb(0, 0, 255);
// The chart's plot starts right of a 50-pixel margin; row 7 lies inside the
// day bands but above every curve and scale mark.
constexpr int kLeftMargin = 50;
constexpr int kBandRow = 7;

const QDate kToday(1998, 6, 6);

template <typename T> T* child(const QWidget& parent, const char* name)
{
    auto* found = parent.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

QString labelText(const QWidget& form, const char* name)
{
    return child<ShadowLabel>(form, name)->text();
}

// The viewed day's line in the status bar.
QString dayLine(const QWidget& form)
{
    return child<QLabel>(form, "DayLine")->text();
}

QImage chartImage(const QWidget& form)
{
    return child<QWidget>(form, "PaintBox1")
        ->grab()
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

int countPixels(const QImage& image, QRgb colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) == colour ? 1 : 0;
    return count;
}

// First and last column of the yellow band, or (-1, -1).
std::pair<int, int> yellowBand(const QImage& chart)
{
    int first = -1;
    int last = -1;
    for (int x = 0; x < chart.width(); ++x) {
        if (chart.pixel(x, kBandRow) != kYellow)
            continue;
        if (first < 0)
            first = x;
        last = x;
    }
    return {first, last};
}

// Asserts that the yellow band covers day `day` of a month of `days` days on
// a chart `width` pixels wide.
void expectBandOnDay(const QImage& chart, int day, int days)
{
    SCOPED_TRACE(testing::Message() << "day " << day);
    const double pixelsPerDay = (chart.width() - 5 - kLeftMargin) / static_cast<double>(days);
    const auto [first, last] = yellowBand(chart);
    ASSERT_GE(first, 0) << "no yellow band";
    EXPECT_NEAR(first, kLeftMargin + (day - 1) * pixelsPerDay, 2.0);
    EXPECT_NEAR(last - first + 1, pixelsPerDay, 1.5);
}

// The calendar grid's view and the centre of the cell showing `day` of the
// shown month; days 8 to 21 appear once in any month's grid.
QPoint dayCell(MonthCalendar& calendar, int day, QTableView** view)
{
    *view = calendar.findChild<QTableView*>(QStringLiteral("qt_calendar_calendarview"));
    EXPECT_NE(*view, nullptr);
    const QAbstractItemModel* model = (*view)->model();
    for (int row = 0; row < model->rowCount(); ++row)
        for (int column = 0; column < model->columnCount(); ++column) {
            const QModelIndex index = model->index(row, column);
            if (model->data(index).toString() == QString::number(day) && row > 0 && column > 0)
                return (*view)->visualRect(index).center();
        }
    ADD_FAILURE() << "no cell for day " << day;
    return {};
}

void clickDay(MonthCalendar& calendar, int day)
{
    QTableView* view = nullptr;
    const QPoint at = dayCell(calendar, day, &view);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
}

// Clicks the last cell of the grid that shows `day`: a day of the following
// month when `day` is small.
void clickLastCellOfDay(MonthCalendar& calendar, int day)
{
    auto* view = calendar.findChild<QTableView*>(QStringLiteral("qt_calendar_calendarview"));
    ASSERT_NE(view, nullptr);
    const QAbstractItemModel* model = view->model();
    QModelIndex last;
    for (int row = 1; row < model->rowCount(); ++row)
        for (int column = 1; column < model->columnCount(); ++column) {
            const QModelIndex index = model->index(row, column);
            if (model->data(index).toString() == QString::number(day))
                last = index;
        }
    ASSERT_TRUE(last.isValid()) << "no cell for day " << day;
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(last).center());
}

void clickNextMonth(MonthCalendar& calendar)
{
    auto* arrow = child<QToolButton>(calendar, "qt_calendar_nextmonth");
    QTest::mouseClick(arrow, Qt::LeftButton);
}

// The chart window on its own, with a timer the test steps by hand.
class BioFormTest : public testing::Test
{
protected:
    BioFormTest()
    {
        persons.AddPerson("Anna", {1981, 4, 8});
        persons.AddPerson("Baby", {1998, 6, 6});
        auto fake = std::make_unique<test::FakeRepeatTimer>();
        timer = fake.get();
        form = std::make_unique<TBioForm>(persons, clock, nullptr, std::move(fake));
        calendar = child<MonthCalendar>(*form, "MonthCalendar1");
    }

    // Shows person `slot` on the calendar's date, as Analyze does.
    void open(int slot)
    {
        form->ShowPerson(slot);
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }

    test::TempDir dir;
    PersonRegister persons{dir.file("personen.dat")};
    FixedClock clock{kToday};
    test::FakeRepeatTimer* timer = nullptr;
    std::unique_ptr<TBioForm> form;
    MonthCalendar* calendar = nullptr;
};

TEST_F(BioFormTest, SetChartPersonShowsTheMonthNameDayAndYearAndTheDayOfLife)
{
    struct Case
    {
        TYmd birth;
        TYmd view;
        const char* date;
        const char* dayOfLife;
    };
    const Case cases[] = {
        {{1981, 4, 8}, {1998, 6, 6}, "June 6, 1998", "6269. day of live"},
        {{1981, 4, 8}, {2001, 9, 11}, "Septmeber 11, 2001", "7462. day of live"},
        {{1998, 6, 6}, {1998, 6, 6}, "June 6, 1998", "1. day of live"},
        {{1998, 6, 6}, {1998, 6, 5}, "June 5, 1998", "0. day of live"},
        {{1998, 6, 6}, {1998, 5, 15}, "May 15, 1998", "-21. day of live"},
        {{2000, 2, 28}, {2000, 3, 1}, "March 1, 2000", "3. day of live"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.date);
        form->SetChartPerson(2, c.birth, c.view, QStringLiteral("Someone ( 1/2/2003 )"));
        EXPECT_EQ(labelText(*form, "NameLabel"), QStringLiteral("Someone ( 1/2/2003 )"));
        EXPECT_EQ(labelText(*form, "DateLabel"), QString::fromLatin1(c.date));
        EXPECT_EQ(labelText(*form, "LiveDays"), QString::fromLatin1(c.dayOfLife));
        EXPECT_EQ(form->ChartSlot(), 2);
        EXPECT_EQ(form->Chart().ChartBirth, c.birth);
        EXPECT_EQ(form->Chart().ChartView, c.view);
    }
}

TEST_F(BioFormTest, ShowPersonReadsThePersonInTheSlotForTheCalendarsDate)
{
    calendar->setSelectedDate(QDate(2001, 9, 11));
    form->ShowPerson(2);
    EXPECT_EQ(form->ChartSlot(), 2);
    EXPECT_EQ(form->Chart().ChartBirth, (TYmd{1998, 6, 6}));
    EXPECT_EQ(form->Chart().ChartView, (TYmd{2001, 9, 11}));
    EXPECT_EQ(labelText(*form, "NameLabel"), QStringLiteral("Baby ( 6/6/1998 )"));
    EXPECT_EQ(labelText(*form, "DateLabel"), QStringLiteral("Septmeber 11, 2001"));
    const qint64 days = QDate(1998, 6, 6).daysTo(QDate(2001, 9, 11)) + 1;
    EXPECT_EQ(labelText(*form, "LiveDays"),
              QString::number(days) + QStringLiteral(". day of live"));

    // A slot outside the table names nobody and changes nothing.
    for (const int slot : {0, -1, kMaxPersons + 1}) {
        SCOPED_TRACE(slot);
        form->ShowPerson(slot);
        EXPECT_EQ(form->ChartSlot(), 2);
        EXPECT_EQ(labelText(*form, "NameLabel"), QStringLiteral("Baby ( 6/6/1998 )"));
    }
}

// Anna, born 8 April 1981, is 6268 days old on 6 June 1998: 12 days into her
// 23-day physical period, the day its sine turns negative. The values are
// 100 sin(2 pi t / P), worked out apart from the program.
TEST_F(BioFormTest, TheStatusBarTellsTheDaysValuesAndFollowsEveryRefresh)
{
    open(1);
    EXPECT_TRUE(child<QLabel>(*form, "DayLine")->isVisible());
    EXPECT_EQ(dayLine(*form), QStringLiteral("Intellectual -37 %  Emotional -78 %  Physical -14 %  "
                                             "Intuitive -32 %  Critical: physical"));

    clickDay(*calendar, 20);
    EXPECT_EQ(dayLine(*form), QStringLiteral("Intellectual 76 %  Emotional 78 %  Physical 73 %  "
                                             "Intuitive 92 %"));

    QTest::mouseClick(child<QCheckBox>(*form, "CheckBox3"), Qt::LeftButton);
    EXPECT_EQ(dayLine(*form), QStringLiteral("Intellectual 76 %  Emotional 78 %  Intuitive 92 %"));

    // Two weeks down with the arrow keys leaves June: only the timer follows.
    auto* grid = calendar->findChild<QTableView*>(QStringLiteral("qt_calendar_calendarview"));
    ASSERT_NE(grid, nullptr);
    QTest::keyClick(grid, Qt::Key_Down);
    QTest::keyClick(grid, Qt::Key_Down);
    ASSERT_EQ(form->CalendarDate(), QDate(1998, 7, 4));
    EXPECT_EQ(dayLine(*form), QStringLiteral("Intellectual 76 %  Emotional 78 %  Intuitive 92 %"));
    timer->advance(100);
    EXPECT_EQ(dayLine(*form),
              QStringLiteral("Intellectual -97 %  Emotional -78 %  Intuitive -92 %"));

    // Another person: Baby is 28 days old, a whole emotional period.
    form->ShowPerson(2);
    EXPECT_EQ(dayLine(*form), QStringLiteral("Intellectual -81 %  Emotional 0 %  Intuitive -100 %  "
                                             "Critical: emotional"));

    for (const char* box : {"CheckBox1", "CheckBox2", "CheckBox4"})
        QTest::mouseClick(child<QCheckBox>(*form, box), Qt::LeftButton);
    EXPECT_EQ(dayLine(*form), QString());
}

TEST_F(BioFormTest, TheDayOfBirthIsCriticalForAllFourCycles)
{
    open(2); // born today
    EXPECT_EQ(dayLine(*form),
              QStringLiteral("Intellectual 0 %  Emotional 0 %  Physical 0 %  Intuitive 0 %  "
                             "Critical: intellectual, emotional, physical, intuitive"));
}

TEST_F(BioFormTest, ScreenReadersReadTheChartsNameAndWhatItShows)
{
    open(1);
    auto* paintBox = child<QWidget>(*form, "PaintBox1");
    QAccessibleInterface* chart = QAccessible::queryAccessibleInterface(paintBox);
    ASSERT_NE(chart, nullptr);
    EXPECT_EQ(chart->role(), QAccessible::Chart);
    EXPECT_EQ(chart->text(QAccessible::Name), QStringLiteral("Biorhythm chart"));
    EXPECT_EQ(
        chart->text(QAccessible::Description),
        QStringLiteral("Anna ( 4/8/1981 ), June 6, 1998: Intellectual -37 %  Emotional -78 %  "
                       "Physical -14 %  Intuitive -32 %  Critical: physical"));

    clickDay(*calendar, 20);
    QTest::mouseClick(child<QCheckBox>(*form, "CheckBox3"), Qt::LeftButton);
    EXPECT_EQ(chart->text(QAccessible::Description),
              QStringLiteral("Anna ( 4/8/1981 ), June 20, 1998: Intellectual 76 %  Emotional 78 %  "
                             "Intuitive 92 %"));

    form->ShowPerson(2);
    EXPECT_EQ(chart->text(QAccessible::Name), QStringLiteral("Biorhythm chart"));
    EXPECT_EQ(chart->text(QAccessible::Description),
              QStringLiteral("Baby ( 6/6/1998 ), June 20, 1998: Intellectual 46 %  Emotional 0 %  "
                             "Intuitive 74 %  Critical: emotional"));
}

TEST_F(BioFormTest, CalendarStartsOnTodayWithAllCurvesShown)
{
    EXPECT_EQ(form->CalendarDate(), kToday);
    EXPECT_EQ(calendar->today(), kToday);
    for (const char* name : {"CheckBox1", "CheckBox2", "CheckBox3", "CheckBox4"})
        EXPECT_TRUE(child<QCheckBox>(*form, name)->isChecked()) << name;
    const ChartState& chart = form->Chart();
    EXPECT_TRUE(chart.ShowIntellectual() && chart.ShowEmotional() && chart.ShowPhysical() &&
                chart.ShowIntuitive());
    EXPECT_FALSE(timer->isActive());
}

TEST_F(BioFormTest, EveryWeekRowFitsIntoTheCalendarWhateverRowHeightTheStyleAsksFor)
{
    // Windows' native style asks for rows taller than the classic size
    // holds, as a larger font does anywhere: the header and the six week
    // rows share the grid's height instead, and the last week stays whole.
    QFont large = calendar->font();
    large.setPointSize(14);
    calendar->setFont(large);
    open(1);
    auto* grid = child<QTableView>(*calendar, "qt_calendar_calendarview");
    ASSERT_EQ(grid->model()->rowCount(), 7);
    const int lastRow = 6;
    EXPECT_LE(grid->rowViewportPosition(lastRow) + grid->rowHeight(lastRow),
              grid->viewport()->height());
    EXPECT_GT(grid->rowHeight(lastRow), 0);
}

TEST_F(BioFormTest, AMonthBeforeTheBirthShowsCurvesAndADayOfLifeOfZeroOrBelow)
{
    calendar->setSelectedDate(QDate(1998, 5, 20));
    open(2); // born today, 6 June 1998
    const QString text = labelText(*form, "LiveDays");
    ASSERT_TRUE(text.endsWith(QStringLiteral(". day of live"))) << text.toStdString();
    EXPECT_LE(text.section(QLatin1Char('.'), 0, 0).toInt(), 0);
    EXPECT_GT(countPixels(chartImage(*form), kBlue), 0);
}

TEST_F(BioFormTest, AClickOnAnotherDayMovesTheYellowBand)
{
    open(1);
    expectBandOnDay(chartImage(*form), 6, 30);

    QSignalSpy refreshed(form.get(), &TBioForm::refreshed);
    clickDay(*calendar, 20);
    EXPECT_EQ(refreshed.count(), 1);
    EXPECT_EQ(labelText(*form, "DateLabel"), QStringLiteral("June 20, 1998"));
    expectBandOnDay(chartImage(*form), 20, 30);
}

TEST_F(BioFormTest, AClickOnADayOfTheNextMonthRedrawsTheChartForThatMonth)
{
    open(1);
    QSignalSpy refreshed(form.get(), &TBioForm::refreshed);
    clickLastCellOfDay(*calendar, 2); // 2 July, under June 1998
    EXPECT_EQ(refreshed.count(), 1);
    EXPECT_EQ(form->CalendarDate(), QDate(1998, 7, 2));
    EXPECT_EQ(labelText(*form, "DateLabel"), QStringLiteral("July 2, 1998"));
    expectBandOnDay(chartImage(*form), 2, 31);
    timer->advance(100);
    EXPECT_EQ(refreshed.count(), 2);
    EXPECT_EQ(labelText(*form, "DateLabel"), QStringLiteral("July 2, 1998"));
}

TEST_F(BioFormTest, PagingTheMonthRedrawsAtOnceAndAgainWhenTheTimerRuns)
{
    open(1);
    QSignalSpy refreshed(form.get(), &TBioForm::refreshed);

    clickNextMonth(*calendar);
    EXPECT_EQ(refreshed.count(), 1); // the click
    EXPECT_EQ(labelText(*form, "DateLabel"), QStringLiteral("July 6, 1998"));
    EXPECT_EQ(form->CalendarDate(), QDate(1998, 7, 6)); // the selection follows the page
    ASSERT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), TBioForm::kTimer1IntervalMs);
    EXPECT_EQ(TBioForm::kTimer1IntervalMs, 100);

    timer->advance(99);
    EXPECT_EQ(refreshed.count(), 1);
    timer->advance(1);
    EXPECT_EQ(refreshed.count(), 2); // the timer
    EXPECT_FALSE(timer->isActive());
    expectBandOnDay(chartImage(*form), 6, 31);
}

TEST_F(BioFormTest, SeveralPagesWithinTheIntervalGiveOneTimerRefresh)
{
    open(1);
    QSignalSpy refreshed(form.get(), &TBioForm::refreshed);

    clickNextMonth(*calendar);
    timer->advance(40);
    clickNextMonth(*calendar);
    timer->advance(40);
    clickNextMonth(*calendar);
    EXPECT_EQ(refreshed.count(), 3); // one per click

    // Counted from the first request: the later ones did not restart it.
    timer->advance(20);
    EXPECT_EQ(refreshed.count(), 4);
    EXPECT_FALSE(timer->isActive());
    timer->advance(1000);
    EXPECT_EQ(refreshed.count(), 4);
    EXPECT_EQ(labelText(*form, "DateLabel"), QStringLiteral("Septmeber 6, 1998"));
}

TEST_F(BioFormTest, ArrowKeysInsideTheShownMonthDoNotRedraw)
{
    open(1);
    clickDay(*calendar, 10);
    QSignalSpy refreshed(form.get(), &TBioForm::refreshed);
    QWidget* focused = QApplication::focusWidget();
    ASSERT_NE(focused, nullptr);
    ASSERT_TRUE(calendar->isAncestorOf(focused));

    QTest::keyClick(focused, Qt::Key_Right);
    QTest::keyClick(focused, Qt::Key_Down);
    EXPECT_EQ(form->CalendarDate(), QDate(1998, 6, 18));
    EXPECT_EQ(refreshed.count(), 0);
    EXPECT_FALSE(timer->isActive());
    EXPECT_EQ(labelText(*form, "DateLabel"), QStringLiteral("June 10, 1998"));

    // Leaving the month changes the page, which the timer follows.
    QTest::keyClick(focused, Qt::Key_Down);
    QTest::keyClick(focused, Qt::Key_Down);
    EXPECT_EQ(form->CalendarDate(), QDate(1998, 7, 2));
    EXPECT_EQ(refreshed.count(), 0);
    ASSERT_TRUE(timer->isActive());
    timer->advance(100);
    EXPECT_EQ(refreshed.count(), 1);
    EXPECT_EQ(labelText(*form, "DateLabel"), QStringLiteral("July 2, 1998"));
}

TEST_F(BioFormTest, TheTodayLineNamesTodayAndAClickOnItGoesBackToToday)
{
    open(1);
    clickDay(*calendar, 20);
    calendar->showNextMonth();
    timer->advance(100);
    ASSERT_EQ(form->CalendarDate(), QDate(1998, 7, 20));

    QSignalSpy refreshed(form.get(), &TBioForm::refreshed);
    auto* todayLine = child<QWidget>(*calendar, "TodayLine");
    EXPECT_TRUE(calendar->todayText().startsWith(QStringLiteral("Today: ")));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(todayLine)->text(QAccessible::Name),
              calendar->todayText());
    QTest::mouseClick(todayLine, Qt::LeftButton, {}, todayLine->rect().center());
    EXPECT_EQ(form->CalendarDate(), kToday);
    EXPECT_EQ(refreshed.count(), 1);
    EXPECT_EQ(labelText(*form, "DateLabel"), QStringLiteral("June 6, 1998"));
}

TEST_F(BioFormTest, EachCheckBoxSwitchesItsCurve)
{
    struct Case
    {
        const char* box;
        QRgb colour;
        bool (ChartState::*shown)() const;
    };
    const Case cases[] = {
        {"CheckBox1", qRgb(0, 255, 0), &ChartState::ShowIntellectual},
        {"CheckBox2", qRgb(255, 0, 0), &ChartState::ShowEmotional},
        {"CheckBox3", kBlue, &ChartState::ShowPhysical},
        {"CheckBox4", qRgb(255, 0, 255), &ChartState::ShowIntuitive},
    };
    open(1);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.box);
        auto* box = child<QCheckBox>(*form, c.box);
        EXPECT_GT(countPixels(chartImage(*form), c.colour), 0);
        QTest::mouseClick(box, Qt::LeftButton);
        EXPECT_FALSE(box->isChecked());
        EXPECT_FALSE((form->Chart().*c.shown)());
        EXPECT_EQ(countPixels(chartImage(*form), c.colour), 0);
        QTest::mouseClick(box, Qt::LeftButton);
        EXPECT_TRUE((form->Chart().*c.shown)());
        EXPECT_GT(countPixels(chartImage(*form), c.colour), 0);
    }
}

TEST_F(BioFormTest, FocusStartsOnTheFirstCheckBoxAndTabNeverReachesTheCalendar)
{
    open(1);
    QApplication::setActiveWindow(form.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    EXPECT_EQ(QApplication::focusWidget(), child<QCheckBox>(*form, "CheckBox1"));
    for (int i = 0; i < 12; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* focused = QApplication::focusWidget();
        ASSERT_NE(focused, nullptr);
        EXPECT_FALSE(calendar->isAncestorOf(focused) || focused == calendar)
            << focused->objectName().toStdString();
    }
}

TEST_F(BioFormTest, TabGoesFromTheLegendToTheChartAndOnToTheButtons)
{
    open(1);
    QApplication::setActiveWindow(form.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    const char* const order[] = {"CheckBox1", "CheckBox2",  "CheckBox3", "CheckBox4",
                                 "PaintBox1", "BackBitBtn", "PrintBtn",  "CheckBox1"};
    ASSERT_EQ(QApplication::focusWidget(), child<QWidget>(*form, order[0]));
    for (std::size_t i = 1; i < std::size(order); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ASSERT_NE(QApplication::focusWidget(), nullptr);
        EXPECT_EQ(QApplication::focusWidget()->objectName(), QString::fromLatin1(order[i]));
    }
    // A click on the chart leaves the focus where it was.
    QTest::mouseClick(child<QWidget>(*form, "PaintBox1"), Qt::LeftButton);
    EXPECT_EQ(QApplication::focusWidget(), child<QWidget>(*form, "CheckBox1"));
}

TEST_F(BioFormTest, AFocusFrameShowsOnlyWhileTheChartHasTheFocus)
{
    open(1);
    QApplication::setActiveWindow(form.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    auto* chart = child<QWidget>(*form, "PaintBox1");
    const QImage unfocused = chartImage(*form);

    chart->setFocus(Qt::TabFocusReason);
    const QImage focused = chartImage(*form);
    const QRgb highlight = chart->palette().color(QPalette::Highlight).rgb();
    const int w = focused.width();
    const int h = focused.height();
    for (const QPoint edge : {QPoint(0, 0), QPoint(w / 2, 1), QPoint(w - 1, h / 2),
                              QPoint(w / 2, h - 2), QPoint(1, h - 1)}) {
        SCOPED_TRACE(testing::Message() << edge.x() << "," << edge.y());
        EXPECT_EQ(focused.pixel(edge), highlight);
    }
    // Inside the frame the chart is the same.
    const QRect inside(2, 2, w - 4, h - 4);
    EXPECT_EQ(focused.copy(inside), unfocused.copy(inside));

    child<QWidget>(*form, "BackBitBtn")->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(chartImage(*form), unfocused);
}

// Left and Right step a day, Page Up and Page Down a month, with Ctrl a year,
// by the drop-down calendar's rules; the window then shows the day as after
// a click on it. Anna was born on 8 April 1981.
TEST_F(BioFormTest, TheChartsKeysStepTheDayWithinTheCalendarsYears)
{
    struct Case
    {
        const char* what;
        QDate from;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        QDate to;
        const char* dateText;
    };
    const Qt::KeyboardModifiers none = Qt::NoModifier;
    const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
    const Case cases[] = {
        {"Right over a month's end",
         {1999, 1, 31},
         Qt::Key_Right,
         none,
         {1999, 2, 1},
         "February 1, 1999"},
        {"Right over a year's end",
         {1998, 12, 31},
         Qt::Key_Right,
         none,
         {1999, 1, 1},
         "January 1, 1999"},
        {"Left back over a year's start",
         {1999, 1, 1},
         Qt::Key_Left,
         none,
         {1998, 12, 31},
         "December 31, 1998"},
        {"Page Down from 31 January",
         {2001, 1, 31},
         Qt::Key_PageDown,
         none,
         {2001, 2, 28},
         "February 28, 2001"},
        {"Page Up from 31 March",
         {2000, 3, 31},
         Qt::Key_PageUp,
         none,
         {2000, 2, 29},
         "February 29, 2000"},
        {"Ctrl+Page Down from 29 February",
         {2000, 2, 29},
         Qt::Key_PageDown,
         ctrl,
         {2001, 2, 28},
         "February 28, 2001"},
        {"Ctrl+Page Up from 29 February",
         {2000, 2, 29},
         Qt::Key_PageUp,
         ctrl,
         {1999, 2, 28},
         "February 28, 1999"},
        {"Right on to the calendar's last day",
         {9999, 12, 30},
         Qt::Key_Right,
         none,
         {9999, 12, 31},
         "December 31, 9999"},
        {"Right on the calendar's last day",
         {9999, 12, 31},
         Qt::Key_Right,
         none,
         {9999, 12, 31},
         "December 31, 9999"},
        {"Page Down in its last month",
         {9999, 12, 1},
         Qt::Key_PageDown,
         none,
         {9999, 12, 1},
         "December 1, 9999"},
        {"Ctrl+Page Down in its last year",
         {9999, 1, 1},
         Qt::Key_PageDown,
         ctrl,
         {9999, 1, 1},
         "January 1, 9999"},
        {"Left on to the calendar's first day",
         {1, 1, 2},
         Qt::Key_Left,
         none,
         {1, 1, 1},
         "January 1, 1"},
        {"Left on the calendar's first day",
         {1, 1, 1},
         Qt::Key_Left,
         none,
         {1, 1, 1},
         "January 1, 1"},
        {"Page Up in its first month",
         {1, 1, 20},
         Qt::Key_PageUp,
         none,
         {1, 1, 20},
         "January 20, 1"},
        {"Ctrl+Page Up in its first year",
         {1, 12, 31},
         Qt::Key_PageUp,
         ctrl,
         {1, 12, 31},
         "December 31, 1"},
        {"Shift+Right is no step",
         {1999, 1, 31},
         Qt::Key_Right,
         Qt::ShiftModifier,
         {1999, 1, 31},
         "January 31, 1999"},
    };
    open(1);
    QApplication::setActiveWindow(form.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    auto* chart = child<QWidget>(*form, "PaintBox1");
    chart->setFocus(Qt::TabFocusReason);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        calendar->setSelectedDate(c.from);
        form->ShowPerson(1);
        timer->advance(TBioForm::kTimer1IntervalMs);
        QSignalSpy refreshed(form.get(), &TBioForm::refreshed);

        ModalAnswer noBox([](QWidget* modal) { modal->close(); });
        QTest::keyClick(chart, c.key, c.modifiers);
        EXPECT_FALSE(noBox.answered());

        EXPECT_EQ(form->CalendarDate(), c.to);
        EXPECT_EQ(form->Chart().ChartView, toYmd(c.to));
        EXPECT_EQ(refreshed.count(), c.to == c.from ? 0 : 1);
        EXPECT_EQ(labelText(*form, "DateLabel"), QString::fromLatin1(c.dateText));
        const qint64 dayOfLife = QDate(1981, 4, 8).daysTo(c.to) + 1;
        EXPECT_EQ(labelText(*form, "LiveDays"),
                  QString::number(dayOfLife) + QStringLiteral(". day of live"));
        expectBandOnDay(chartImage(*form), c.to.day(), c.to.daysInMonth());
        const QString stepped = dayLine(*form);

        // The status line is the one the day shows when the chart opens on it.
        timer->advance(TBioForm::kTimer1IntervalMs);
        form->ShowPerson(1);
        EXPECT_EQ(dayLine(*form), stepped);
        EXPECT_EQ(chart->accessibleDescription(), QStringLiteral("Anna ( 4/8/1981 ), ") +
                                                      QString::fromLatin1(c.dateText) +
                                                      QStringLiteral(": ") + stepped);
    }
}

TEST_F(BioFormTest, AStepTellsScreenReadersTheNewDateAndTheDaysValues)
{
    open(1);
    QApplication::setActiveWindow(form.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    auto* chart = child<QWidget>(*form, "PaintBox1");
    chart->setFocus(Qt::TabFocusReason);

    auto* grid = calendar->findChild<QTableView*>(QStringLiteral("qt_calendar_calendarview"));
    ASSERT_NE(grid, nullptr);

    test::AccessibleEvents news;
    QTest::keyClick(chart, Qt::Key_Right);
    auto told = news.of(QAccessible::DescriptionChanged, chart);
    ASSERT_EQ(told.size(), 1U);
    EXPECT_EQ(told.back().description,
              QStringLiteral("Anna ( 4/8/1981 ), June 7, 1998: Intellectual -19 %  "
                             "Emotional -62 %  Physical -40 %  Intuitive -16 %"));
    // What the screen reader speaks: the viewed day, a part of the chart
    // that takes the focus. The calendar's grid follows without claiming it.
    std::vector<test::AccessibleEvents::Event> focus;
    for (const auto& e : news.events())
        if (e.type == QAccessible::Focus)
            focus.push_back(e);
    ASSERT_EQ(focus.size(), 1U);
    EXPECT_EQ(focus.back().owner, chart);
    EXPECT_EQ(focus.back().name,
              QStringLiteral("June 7, 1998: Intellectual -19 %  Emotional -62 %  Physical -40 %  "
                             "Intuitive -16 %"));
    EXPECT_TRUE(news.of(QAccessible::Focus, grid).empty());
    QAccessibleInterface* chartFace = QAccessible::queryAccessibleInterface(chart);
    ASSERT_EQ(chartFace->childCount(), 1);
    EXPECT_EQ(chartFace->child(0)->text(QAccessible::Name), focus.back().name);
    EXPECT_TRUE(chartFace->child(0)->state().focused);
    EXPECT_EQ(grid->model()->data(grid->currentIndex()).toString(), QStringLiteral("7"));

    // A month step tells it once, and the timer that follows the calendar's
    // new month has nothing new to tell.
    news.clear();
    QTest::keyClick(chart, Qt::Key_PageDown);
    timer->advance(TBioForm::kTimer1IntervalMs);
    told = news.of(QAccessible::DescriptionChanged, chart);
    ASSERT_EQ(told.size(), 1U);
    EXPECT_TRUE(
        told.back().description.startsWith(QStringLiteral("Anna ( 4/8/1981 ), July 7, 1998: ")));
    const auto& spoken = news.events();
    EXPECT_EQ(std::count_if(spoken.begin(), spoken.end(),
                            [](const auto& e) { return e.type == QAccessible::Focus; }),
              1);

    // A step that goes nowhere tells nothing.
    news.clear();
    calendar->setSelectedDate(QDate(9999, 12, 31));
    form->ShowPerson(1);
    timer->advance(TBioForm::kTimer1IntervalMs);
    news.clear();
    QTest::keyClick(chart, Qt::Key_Right);
    EXPECT_TRUE(news.of(QAccessible::DescriptionChanged, chart).empty());

    // The calendar still answers the mouse as before.
    calendar->setSelectedDate(QDate(1998, 6, 6));
    clickDay(*calendar, 20);
    EXPECT_EQ(form->CalendarDate(), QDate(1998, 6, 20));
    EXPECT_EQ(labelText(*form, "DateLabel"), QStringLiteral("June 20, 1998"));
}

TEST_F(BioFormTest, LaidOutAsDesignedAndFollowingTheWindowSize)
{
    struct Expected
    {
        const char* name;
        QRect geometry; // in the parent's coordinates
    };
    const Expected fixed[] = {
        {"BackBitBtn", {8, 8, 81, 49}}, {"PrintBtn", {89, 8, 81, 49}},
        {"CheckBox1", {8, 16, 17, 17}}, {"CheckBox2", {8, 32, 17, 17}},
        {"CheckBox3", {8, 48, 17, 17}}, {"CheckBox4", {8, 64, 17, 17}},
    };
    open(1);
    EXPECT_EQ(form->size(), QSize(641, 421));
    for (const Expected& e : fixed) {
        SCOPED_TRACE(e.name);
        EXPECT_EQ(child<QWidget>(*form, e.name)->geometry(), e.geometry);
    }
    EXPECT_EQ(calendar->size(), QSize(201, 153));
    EXPECT_EQ(calendar->verticalHeaderFormat(), QCalendarWidget::ISOWeekNumbers);
    EXPECT_EQ(child<QWidget>(*form, "LiveDays")->pos(), QPoint(9, 169));
    for (const char* caption :
         {"LegendCaption1", "LegendCaption2", "LegendCaption3", "LegendCaption4"})
        EXPECT_EQ(child<QWidget>(*form, caption)->x(), 36) << caption;
    EXPECT_EQ(child<QStatusBar>(*form, "StatusBar")->height(), 19);
    EXPECT_TRUE(child<QStatusBar>(*form, "StatusBar")->isSizeGripEnabled());

    struct Size
    {
        QSize window;
        QSize paintBox;
    };
    for (const Size s : {Size{{641, 421}, {418, 283}}, Size{{1000, 700}, {777, 562}},
                         Size{{300, 150}, {77, 12}}}) {
        SCOPED_TRACE(s.window.width());
        form->resize(s.window);
        auto* paintBox = child<QWidget>(*form, "PaintBox1");
        EXPECT_EQ(paintBox->size(), s.paintBox);
        EXPECT_EQ(child<QWidget>(*form, "NameLabel")->size(), QSize(s.paintBox.width(), 24));
        EXPECT_EQ(child<QWidget>(*form, "DateLabel")->size(), QSize(s.paintBox.width(), 26));
        auto* legend = child<QGroupBox>(*form, "Legend");
        EXPECT_EQ(legend->height(), 90);
        EXPECT_EQ(legend->geometry().bottom() + 1 + 2, legend->parentWidget()->height());
        EXPECT_EQ(chartImage(*form).size(), s.paintBox);
    }
}

TEST_F(BioFormTest, TinyPaintAreasDrawOnlyTheBackground)
{
    struct Case
    {
        QSize window;
        QSize paintBox;
    };
    // At 219 x 84 the side column takes the whole width and the bands the
    // whole height: no paint area is left.
    const Case cases[] = {{{230, 140}, {7, 2}}, {{260, 150}, {37, 12}}, {{219, 84}, {0, 0}}};
    open(1);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.window.width());
        form->resize(c.window);
        EXPECT_EQ(child<QWidget>(*form, "PaintBox1")->size(), c.paintBox);
        const QImage chart = chartImage(*form);
        EXPECT_EQ(chart.size(), c.paintBox);
        EXPECT_EQ(countPixels(chart, kBlue), 0);
        EXPECT_EQ(countPixels(chart, kYellow), 0);
        if (!c.paintBox.isEmpty()) {
            EXPECT_EQ(chart.pixel(0, 0), qRgb(192, 192, 192));
        }
    }
}

// The whole program: the chart window opened from the main window.
class ChartFromMainWindowTest : public testing::Test
{
protected:
    ChartFromMainWindowTest()
    {
        PersonRegister seed(file);
        seed.AddPerson("Anna", {1981, 4, 8});
        seed.AddPerson("Baby", {2024, 6, 6});
        windows.emplace(persons, clock);
        windows->showMainWindow();
    }

    // Selects list position `p`, presses Analyze and runs `inside` while the
    // chart window is open; returns what the chart window's exec() returned.
    int analyze(int p, const std::function<void(TBioForm&)>& inside)
    {
        auto* list = windows->personForm().findChild<QListWidget*>(QStringLiteral("PersonList"));
        list->setCurrentRow(p);
        QSignalSpy finished(&windows->bioForm(), &QDialog::finished);
        ModalAnswer answer([&](QWidget* modal) {
            EXPECT_EQ(modal, &windows->bioForm());
            inside(windows->bioForm());
        });
        child<QPushButton>(windows->personForm(), "BioBtn")->click();
        EXPECT_TRUE(answer.answered());
        return finished.isEmpty() ? -1 : finished.first().first().toInt();
    }

    static void back(TBioForm& form) { child<QPushButton>(form, "BackBitBtn")->click(); }

    test::TempDir dir;
    std::filesystem::path file = dir.file("personen.dat");
    PersonRegister persons{file};
    FixedClock clock{QDate(2024, 6, 6)};
    std::optional<ProgramWindows> windows;
};

TEST_F(ChartFromMainWindowTest, AnalyzeOpensTheChartOfTheSelectedPersonForToday)
{
    const int result = analyze(0, [](TBioForm& form) {
        EXPECT_TRUE(form.isModal());
        EXPECT_EQ(labelText(form, "NameLabel"), QStringLiteral("Anna ( 4/8/1981 )"));
        EXPECT_EQ(labelText(form, "DateLabel"), QStringLiteral("June 6, 2024"));
        const qint64 days = QDate(1981, 4, 8).daysTo(QDate(2024, 6, 6)) + 1;
        EXPECT_EQ(labelText(form, "LiveDays"),
                  QString::number(days) + QStringLiteral(". day of live"));
        EXPECT_EQ(form.ChartSlot(), 1);
        // The window is modal before it is active; the focus shows once it is.
        EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
        EXPECT_EQ(QApplication::focusWidget(), child<QCheckBox>(form, "CheckBox1"));
        back(form);
    });
    EXPECT_EQ(result, QDialog::Accepted);

    analyze(1, [](TBioForm& form) {
        EXPECT_EQ(labelText(form, "NameLabel"), QStringLiteral("Baby ( 6/6/2024 )"));
        EXPECT_EQ(labelText(form, "LiveDays"), QStringLiteral("1. day of live"));
        EXPECT_EQ(form.ChartSlot(), 2);
        back(form);
    });
}

TEST_F(ChartFromMainWindowTest, AnalyzeShowsTheDaysLineOfThePersonOpened)
{
    analyze(0, [](TBioForm& form) {
        EXPECT_EQ(dayLine(form), QStringLiteral("Intellectual -99 %  Emotional 22 %  "
                                                "Physical 40 %  Intuitive -74 %"));
        back(form);
    });
    analyze(1, [](TBioForm& form) {
        EXPECT_EQ(dayLine(form),
                  QStringLiteral("Intellectual 0 %  Emotional 0 %  Physical 0 %  Intuitive 0 %  "
                                 "Critical: intellectual, emotional, physical, intuitive"));
        back(form);
    });
}

TEST_F(ChartFromMainWindowTest, BackAcceptsTheCloseBoxRejectsAndEscDoesNothing)
{
    EXPECT_EQ(analyze(0, back), QDialog::Accepted);
    const int closed = analyze(0, [](TBioForm& form) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        EXPECT_TRUE(form.isVisible());
        form.close();
    });
    EXPECT_EQ(closed, QDialog::Rejected);
    EXPECT_FALSE(windows->bioForm().isVisible());
}

TEST_F(ChartFromMainWindowTest, UncheckedPhysicalCurveAndChosenDateStayAtTheNextOpening)
{
    analyze(0, [](TBioForm& form) {
        EXPECT_GT(countPixels(chartImage(form), kBlue), 0);
        QTest::mouseClick(child<QCheckBox>(form, "CheckBox3"), Qt::LeftButton);
        EXPECT_EQ(countPixels(chartImage(form), kBlue), 0);
        clickDay(*child<MonthCalendar>(form, "MonthCalendar1"), 20);
        back(form);
    });
    analyze(1, [](TBioForm& form) {
        EXPECT_FALSE(child<QCheckBox>(form, "CheckBox3")->isChecked());
        EXPECT_FALSE(form.Chart().ShowPhysical());
        EXPECT_EQ(countPixels(chartImage(form), kBlue), 0);
        EXPECT_GT(countPixels(chartImage(form), qRgb(255, 0, 0)), 0);
        EXPECT_EQ(labelText(form, "DateLabel"), QStringLiteral("June 20, 2024"));
        EXPECT_EQ(labelText(form, "LiveDays"), QStringLiteral("15. day of live"));
        expectBandOnDay(chartImage(form), 20, 30);
        back(form);
    });
}

TEST_F(ChartFromMainWindowTest, TheRealTimerFollowsAPageAboutATenthOfASecondLater)
{
    analyze(0, [](TBioForm& form) {
        QSignalSpy refreshed(&form, &TBioForm::refreshed);
        QElapsedTimer elapsed;
        elapsed.start();
        clickNextMonth(*child<MonthCalendar>(form, "MonthCalendar1"));
        EXPECT_EQ(refreshed.count(), 1);
        EXPECT_TRUE(refreshed.wait(2000));
        EXPECT_EQ(refreshed.count(), 2);
        EXPECT_GE(elapsed.elapsed(), 90);
        back(form);
    });
}

} // namespace
} // namespace cyclo
