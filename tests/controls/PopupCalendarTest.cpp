#include "controls/PopupCalendar.h"

#include "controls/LocCalendar.h"
#include "controls/VoTimerSpeedButton.h"
#include "tests/controls/CalendarTestSupport.h"
#include "tests/controls/FakeRepeatTimer.h"

#include <QKeyEvent>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <array>
#include <gtest/gtest.h>
#include <memory>

namespace cyclo {
namespace {

using test::CalendarEnvironment;
using test::FakeRepeatTimer;
using test::kToday;

class PopupCalendarTest : public testing::Test
{
protected:
    PopupCalendarTest() { popup.scaleForDpi(96); }

    // Sends a key as the date field passes it on; returns whether it was used.
    bool key(Qt::Key k, Qt::KeyboardModifiers modifiers = {}, const QString& text = {})
    {
        QKeyEvent event(QEvent::KeyPress, k, modifiers, text);
        return popup.handleKey(&event);
    }

    CalendarEnvironment env;
    QWidget owner;
    TPopupCalendar popup{env.clock, env.settings, &owner};
};

TEST_F(PopupCalendarTest, IsAPopupOfTheOwnersWindowThatNeverTakesActivation)
{
    EXPECT_TRUE(popup.isWindow());
    // A popup without a grab, placed relative to the owner's window.
    EXPECT_EQ(popup.windowType(), Qt::ToolTip);
    EXPECT_EQ(popup.parentWidget(), &owner);
    EXPECT_TRUE(popup.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(popup.windowFlags().testFlag(Qt::WindowDoesNotAcceptFocus));
    EXPECT_TRUE(popup.testAttribute(Qt::WA_ShowWithoutActivating));
    EXPECT_FALSE(popup.isVisible());
}

TEST_F(PopupCalendarTest, LayoutAtNinetySixDotsPerInch)
{
    EXPECT_EQ(popup.size(), QSize(187, 124));
    EXPECT_EQ(popup.titleBar()->geometry().size(), QSize(183, 18));
    EXPECT_EQ(popup.titleBar()->mapTo(&popup, QPoint(0, 0)), QPoint(2, 2));
    struct Case
    {
        TPopupCalendar::NavButton button;
        QRect geometry;
    } const cases[] = {
        {TPopupCalendar::PrevYearButton, {-1, -1, 14, 14}},
        {TPopupCalendar::PrevMonthButton, {12, -1, 14, 14}},
        {TPopupCalendar::NextMonthButton, {183 - 26, -1, 14, 14}},
        {TPopupCalendar::NextYearButton, {183 - 13, -1, 14, 14}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.button);
        EXPECT_EQ(popup.navigationButton(c.button)->geometry(), c.geometry);
    }
    EXPECT_EQ(popup.titleLabel()->geometry(), QRect(29, 1, 183 - 58, 14));
    EXPECT_EQ(popup.calendar()->geometry(), QRect(1, 19, 183, 102));
}

TEST_F(PopupCalendarTest, ScalesWithTheScreenResolutionButNotBelowTheMinimum)
{
    EXPECT_EQ(TPopupCalendar::sizeForDpi(96), QSize(187, 124));
    EXPECT_EQ(TPopupCalendar::sizeForDpi(144), QSize(281, 186));
    EXPECT_EQ(TPopupCalendar::sizeForDpi(72), QSize(180, 120));
    popup.scaleForDpi(144);
    EXPECT_EQ(popup.size(), QSize(281, 186));
    EXPECT_EQ(popup.navigationButton(TPopupCalendar::NextYearButton)->size(), QSize(21, 21));
    EXPECT_EQ(popup.titleBar()->height(), 27);
}

TEST_F(PopupCalendarTest, TitleShowsFullMonthNameAndFourDigitYear)
{
    popup.PresetValue(QDate(2001, 2, 3));
    EXPECT_EQ(popup.titleLabel()->text(), QStringLiteral("February, 2001"));
    popup.calendar()->NextYear();
    EXPECT_EQ(popup.titleLabel()->text(), QStringLiteral("February, 2002"));
    popup.PresetValue(QDate(812, 9, 1));
    EXPECT_EQ(popup.titleLabel()->text(), QStringLiteral("September, 0812"));
}

TEST_F(PopupCalendarTest, PresetValuesThatAreNoDateShowToday)
{
    struct Case
    {
        const char* name;
        QVariant value;
        QDate shown;
    } const cases[] = {
        {"nothing", QVariant(), kToday},
        {"blank text", QStringLiteral("  .  .    "), kToday},
        {"text that is not a date", QStringLiteral("31.02.2001"), kToday},
        {"null date", QDate(), kToday},
        {"date text", QStringLiteral("05.03.1970"), QDate(1970, 3, 5)},
        {"date", QDate(2001, 1, 18), QDate(2001, 1, 18)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        popup.PresetValue(QDate(1999, 9, 9));
        popup.PresetValue(c.value);
        EXPECT_EQ(popup.ReadValue().toDate(), c.shown);
    }
}

TEST_F(PopupCalendarTest, TooltipsDefaultToTheirNamesAndCalendarHintsReplaceThem)
{
    auto tip = [&](TPopupCalendar::NavButton b) { return popup.navigationButton(b)->toolTip(); };
    EXPECT_EQ(tip(TPopupCalendar::PrevYearButton), QStringLiteral("Previous Year"));
    EXPECT_EQ(tip(TPopupCalendar::PrevMonthButton), QStringLiteral("Previous Month"));
    EXPECT_EQ(tip(TPopupCalendar::NextMonthButton), QStringLiteral("Next Month"));
    EXPECT_EQ(tip(TPopupCalendar::NextYearButton), QStringLiteral("Next Year"));

    popup.setCalendarHints({"Jahr zurück|long help", "", "Monat vor", "Jahr vor", "fifth"});
    EXPECT_EQ(tip(TPopupCalendar::PrevYearButton), QStringLiteral("Jahr zurück"));
    EXPECT_EQ(tip(TPopupCalendar::PrevMonthButton), QStringLiteral("Previous Month"));
    EXPECT_EQ(tip(TPopupCalendar::NextMonthButton), QStringLiteral("Monat vor"));
    EXPECT_EQ(tip(TPopupCalendar::NextYearButton), QStringLiteral("Jahr vor"));
}

TEST_F(PopupCalendarTest, KeysMoveThroughDaysMonthsAndYears)
{
    struct Case
    {
        const char* name;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        QString text;
        QDate expected;
    } const cases[] = {
        {"Page Down", Qt::Key_PageDown, {}, {}, {2001, 2, 28}},
        {"Page Up", Qt::Key_PageUp, {}, {}, {2000, 12, 31}},
        {"Ctrl+Page Down", Qt::Key_PageDown, Qt::ControlModifier, {}, {2002, 1, 31}},
        {"Ctrl+Page Up", Qt::Key_PageUp, Qt::ControlModifier, {}, {2000, 1, 31}},
        {"Right", Qt::Key_Right, {}, {}, {2001, 2, 1}},
        {"Left", Qt::Key_Left, {}, {}, {2001, 1, 30}},
        {"Ctrl+Right stays in the grid's row",
         Qt::Key_Right,
         Qt::ControlModifier,
         {},
         {2001, 1, 31}},
        {"Shift+Left moves in the grid", Qt::Key_Left, Qt::ShiftModifier, {}, {2001, 1, 30}},
        {"Up", Qt::Key_Up, {}, {}, {2001, 1, 24}},
        {"Down onto an empty cell", Qt::Key_Down, {}, {}, {2001, 1, 31}},
        {"Alt+Down acts as Down", Qt::Key_Down, Qt::AltModifier, {}, {2001, 1, 31}},
        {"keypad +", Qt::Key_Plus, Qt::KeypadModifier, "+", {2001, 2, 1}},
        {"keypad -", Qt::Key_Minus, Qt::KeypadModifier, "-", {2001, 1, 30}},
        {"Shift+keypad + does nothing",
         Qt::Key_Plus,
         Qt::KeypadModifier | Qt::ShiftModifier,
         "+",
         {2001, 1, 31}},
        {"typed + does nothing", Qt::Key_Plus, {}, "+", {2001, 1, 31}},
        {"t", Qt::Key_T, {}, "t", kToday},
        {"T", Qt::Key_T, Qt::ShiftModifier, "T", kToday},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        popup.PresetValue(QDate(2001, 1, 31)); // a Wednesday, row 5
        EXPECT_TRUE(key(c.key, c.modifiers, c.text));
        EXPECT_EQ(popup.ReadValue().toDate(), c.expected);
    }
    EXPECT_FALSE(key(Qt::Key_5, {}, QStringLiteral("5")));
}

TEST_F(PopupCalendarTest, EnterAcceptsAndEscapeCancelsThroughTheCloseUpCallback)
{
    QSignalSpy closeUps(&popup, &TPopupWindow::closeUp);
    EXPECT_TRUE(key(Qt::Key_Return));
    EXPECT_TRUE(key(Qt::Key_Escape));
    EXPECT_TRUE(key(Qt::Key_Enter, Qt::KeypadModifier));
    std::vector<bool> results;
    for (const QList<QVariant>& call : closeUps) {
        EXPECT_EQ(call.at(0).value<TPopupWindow*>(), &popup);
        results.push_back(call.at(1).toBool());
    }
    EXPECT_EQ(results, (std::vector<bool>{true, false, true}));
}

TEST_F(PopupCalendarTest, ClickOnADayAcceptsUnlessAModifierIsHeld)
{
    int accepted = 0;
    QObject::connect(&popup, &TPopupWindow::closeUp, &popup,
                     [&](TPopupWindow*, bool accept) { accepted += accept ? 1 : 0; });
    popup.PresetValue(QDate(2001, 4, 10));
    popup.show();
    TLocCalendar* grid = popup.calendar();
    QTest::mouseClick(grid, Qt::LeftButton, Qt::ControlModifier, grid->cellRect(2, 2).center());
    EXPECT_EQ(popup.ReadValue().toDate(), QDate(2001, 4, 4));
    EXPECT_EQ(accepted, 0);
    QTest::mouseClick(grid, Qt::LeftButton, {}, grid->cellRect(3, 2).center());
    EXPECT_EQ(popup.ReadValue().toDate(), QDate(2001, 4, 5));
    EXPECT_EQ(accepted, 1);
    QTest::mouseClick(grid, Qt::LeftButton, {}, grid->cellRect(3, 0).center());
    EXPECT_EQ(accepted, 1) << "the header is no day";
    popup.hide();
}

TEST_F(PopupCalendarTest, DoubleClickOnTheTitleShowsToday)
{
    popup.PresetValue(QDate(2001, 4, 10));
    popup.show();
    QTest::mouseDClick(popup.titleLabel(), Qt::LeftButton);
    EXPECT_EQ(popup.ReadValue().toDate(), kToday);
    popup.hide();
}

class NavigationButtonTest : public PopupCalendarTest
{
protected:
    NavigationButtonTest()
    {
        auto owned = std::make_unique<FakeRepeatTimer>();
        timer = owned.get();
        button()->setRepeatTimer(std::move(owned));
        popup.PresetValue(QDate(2001, 1, 15));
        popup.show();
    }
    ~NavigationButtonTest() override { popup.hide(); }

    TVoTimerSpeedButton* button() const
    {
        return popup.navigationButton(TPopupCalendar::NextMonthButton);
    }
    QPoint centre() const { return button()->rect().center(); }

    FakeRepeatTimer* timer = nullptr;
};

TEST_F(NavigationButtonTest, EachButtonStepsOnceOnAClick)
{
    const std::pair<TPopupCalendar::NavButton, QDate> cases[] = {
        {TPopupCalendar::PrevYearButton, {2000, 1, 15}},
        {TPopupCalendar::PrevMonthButton, {2000, 12, 15}},
        {TPopupCalendar::NextMonthButton, {2001, 2, 15}},
        {TPopupCalendar::NextYearButton, {2002, 1, 15}},
    };
    for (const auto& [which, expected] : cases) {
        SCOPED_TRACE(which);
        popup.PresetValue(QDate(2001, 1, 15));
        QTest::mouseClick(popup.navigationButton(which), Qt::LeftButton);
        EXPECT_EQ(popup.ReadValue().toDate(), expected);
    }
}

TEST_F(NavigationButtonTest, HoldingNextMonthForOnePointOFiveSecondsAdvancesSevenMonths)
{
    QTest::mousePress(button(), Qt::LeftButton, {}, centre());
    EXPECT_TRUE(button()->isDown());
    timer->advance(499);
    EXPECT_EQ(popup.ReadValue().toDate(), QDate(2001, 1, 15)) << "no step before 500 ms";
    timer->advance(1);
    EXPECT_EQ(popup.ReadValue().toDate(), QDate(2001, 2, 15));
    EXPECT_EQ(timer->interval(), 100);
    timer->advance(550);
    QTest::mouseRelease(button(), Qt::LeftButton, {}, centre());
    EXPECT_EQ(popup.ReadValue().toDate(), QDate(2001, 8, 15));
    EXPECT_FALSE(timer->isActive());
}

TEST_F(NavigationButtonTest, RepeatsOnlyWhileThePointerStaysOnTheButton)
{
    QTest::mousePress(button(), Qt::LeftButton, {}, centre());
    timer->advance(600); // two steps
    QTest::mouseMove(button(), QPoint(-20, -20));
    timer->advance(300);
    EXPECT_EQ(popup.ReadValue().toDate(), QDate(2001, 3, 15));
    QTest::mouseMove(button(), centre());
    timer->advance(100);
    QTest::mouseRelease(button(), Qt::LeftButton, {}, QPoint(-20, -20));
    EXPECT_EQ(popup.ReadValue().toDate(), QDate(2001, 4, 15))
        << "a release off the button adds nothing";
}

TEST_F(PopupCalendarTest, NavigationPicturesAtFullSizeAreTheClassicTriangles)
{
    // 8 x 6, black on a transparent ground.
    const std::array<std::array<const char*, 6>, 4> expected = {{
        {"...#...#", "..##..##", ".###.###", "..##..##", "...#...#", "........"},
        {"....#...", "...##...", "..###...", "...##...", "....#...", "........"},
        {"...#....", "...##...", "...###..", "...##...", "...#....", "........"},
        {"#...#...", "##..##..", "###.###.", "##..##..", "#...#...", "........"},
    }};
    popup.show();
    for (int b = 0; b < 4; ++b) {
        SCOPED_TRACE(b);
        const QImage picture =
            popup.navigationButton(static_cast<TPopupCalendar::NavButton>(b))->glyph();
        ASSERT_EQ(picture.size(), QSize(8, 6));
        for (int y = 0; y < 6; ++y) {
            QString row;
            for (int x = 0; x < 8; ++x)
                row += qAlpha(picture.pixel(x, y)) != 0 && qGray(picture.pixel(x, y)) == 0
                           ? QLatin1Char('#')
                           : QLatin1Char('.');
            EXPECT_EQ(row, QString::fromLatin1(
                               expected[static_cast<std::size_t>(b)][static_cast<std::size_t>(y)]));
        }
    }
}

} // namespace
} // namespace cyclo
