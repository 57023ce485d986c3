// What assistive technology reads from the custom-painted controls.

#include "controls/DateEdit.h"
#include "controls/EditButton.h"
#include "controls/LocCalendar.h"
#include "controls/PopupCalendar.h"
#include "controls/ShadowLabel.h"
#include "controls/VoTimerSpeedButton.h"
#include "tests/controls/CalendarTestSupport.h"

#include <QAccessible>
#include <gtest/gtest.h>

namespace cyclo {
namespace {

using test::CalendarEnvironment;

QString accessibleText(QObject* object, QAccessible::Text which)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(object);
    return iface != nullptr ? iface->text(which) : QStringLiteral("<no interface>");
}

QAccessible::Role accessibleRole(QObject* object)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(object);
    return iface != nullptr ? iface->role() : QAccessible::NoRole;
}

TEST(AccessibilityTest, ShadowLabelReadsItsCaptionWithoutAcceleratorMarks)
{
    struct Case
    {
        const char* caption;
        bool showAccelChar;
        const char* read;
    } const cases[] = {
        {"&About the Biorhythm", true, "About the Biorhythm"},
        {"Salt && pepper", true, "Salt & pepper"},
        {"Salt && pepper", false, "Salt && pepper"},
        {"Quellant Cyclograph 2.0", true, "Quellant Cyclograph 2.0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption);
        ShadowLabel label(QString::fromLatin1(c.caption));
        label.setShowAccelChar(c.showAccelChar);
        EXPECT_EQ(accessibleRole(&label), QAccessible::StaticText);
        EXPECT_EQ(accessibleText(&label, QAccessible::Name), QString::fromLatin1(c.read));
    }
    ShadowLabel label(QStringLiteral("Before"));
    label.setText(QStringLiteral("After"));
    EXPECT_EQ(accessibleText(&label, QAccessible::Name), QStringLiteral("After"));
}

class DateFieldAccessibilityTest : public testing::Test
{
protected:
    CalendarEnvironment env;
    TDateEdit edit{env.clock, env.settings};
};

TEST_F(DateFieldAccessibilityTest, ButtonIsAButtonNamedChooseADate)
{
    EXPECT_EQ(accessibleRole(edit.button()), QAccessible::Button);
    EXPECT_EQ(accessibleText(edit.button(), QAccessible::Name), QStringLiteral("Choose a date"));
}

TEST_F(DateFieldAccessibilityTest, GridReadsTheSelectedDateInFull)
{
    edit.setFieldText(QStringLiteral("18.01.2001"));
    edit.DropDown(true);
    TLocCalendar* grid = edit.popupCalendar()->calendar();
    EXPECT_EQ(accessibleText(grid, QAccessible::Value),
              QStringLiteral("Thursday, 18 January 2001"));
    edit.popupCalendar()->calendar()->NextDay();
    EXPECT_EQ(accessibleText(grid, QAccessible::Value), QStringLiteral("Friday, 19 January 2001"));
    EXPECT_EQ(accessibleText(grid, QAccessible::Name), QStringLiteral("Friday, 19 January 2001"));
}

TEST_F(DateFieldAccessibilityTest, TitleButtonsReadTheirHints)
{
    TPopupCalendar* popup = edit.popupCalendar();
    const std::pair<TPopupCalendar::NavButton, const char*> defaults[] = {
        {TPopupCalendar::PrevYearButton, "Previous Year"},
        {TPopupCalendar::PrevMonthButton, "Previous Month"},
        {TPopupCalendar::NextMonthButton, "Next Month"},
        {TPopupCalendar::NextYearButton, "Next Year"},
    };
    for (const auto& [button, hint] : defaults) {
        SCOPED_TRACE(hint);
        EXPECT_EQ(accessibleRole(popup->navigationButton(button)), QAccessible::Button);
        EXPECT_EQ(accessibleText(popup->navigationButton(button), QAccessible::Name),
                  QString::fromLatin1(hint));
    }
    edit.setCalendarHints({QString(), QStringLiteral("Last month|goes back a month")});
    EXPECT_EQ(
        accessibleText(popup->navigationButton(TPopupCalendar::PrevMonthButton), QAccessible::Name),
        QStringLiteral("Last month"));
}

} // namespace
} // namespace cyclo
