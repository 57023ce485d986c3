#include "controls/DateEdit.h"

#include "controls/EditButton.h"
#include "controls/LocCalendar.h"
#include "controls/PopupCalendar.h"
#include "tests/controls/CalendarTestSupport.h"
#include "tests/support/ModalDialogs.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMessageBox>
#include <QMetaProperty>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QStyle>
#include <QTest>
#include <gtest/gtest.h>

namespace cyclo {
namespace {

using test::CalendarEnvironment;
using test::kToday;

class DateEditTest : public testing::Test
{
protected:
    DateEditTest() { edit.setGeometry(10, 10, 305, 21); }

    // Puts the field into a shown dialog with the focus in it.
    void showInDialog()
    {
        dialog.setGeometry(100, 100, 427, 136);
        edit.setParent(&dialog);
        edit.setGeometry(104, 40, 305, 21);
        okButton = new QPushButton(QStringLiteral("OK"), &dialog);
        okButton->setGeometry(232, 96, 91, 25);
        okButton->setDefault(true);
        otherEdit = new QLineEdit(&dialog);
        otherEdit->setGeometry(104, 16, 305, 21);
        QObject::connect(okButton, &QPushButton::clicked, &dialog, &QDialog::accept);
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        // As the window system activates it (a headless compositor, having no
        // keyboard, does not).
        QApplication::setActiveWindow(&dialog);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
        edit.setFocus(Qt::OtherFocusReason);
        ASSERT_TRUE(edit.hasFocus());
    }

    void type(const QString& keys)
    {
        edit.setCursorPosition(0);
        QTest::keyClicks(&edit, keys);
    }

    CalendarEnvironment env;
    QDialog dialog;
    QPushButton* okButton = nullptr;
    QLineEdit* otherEdit = nullptr;
    TDateEdit edit{env.clock, env.settings};
};

TEST_F(DateEditTest, PropertiesStartAtTheirDefaults)
{
    EXPECT_EQ(edit.dateFieldFormat(), QStringLiteral("DD/MM/YYYY"));
    EXPECT_EQ(edit.blanksChar(), QChar(u' '));
    EXPECT_FALSE(edit.defaultToday());
    EXPECT_FALSE(edit.checkOnExit());
    EXPECT_EQ(edit.yearDigits(), TYearDigits::dyDefault);
    EXPECT_TRUE(edit.directInput());
    EXPECT_FALSE(edit.isFieldReadOnly());
    EXPECT_EQ(edit.clickKey(), QKeyCombination(Qt::AltModifier, Qt::Key_Down));
    EXPECT_EQ(edit.buttonWidth(), 21);
    EXPECT_EQ(edit.glyphKind(), TGlyphKind::gkDefault);
    EXPECT_EQ(edit.numGlyphs(), 2);
    EXPECT_EQ(edit.popupAlign(), TPopupAlign::epaRight);
    EXPECT_EQ(edit.startOfWeek(), TDayOfWeekName::Mon);
    EXPECT_EQ(edit.weekends(), TDaysOfWeek{TDayOfWeekName::Sun});
    EXPECT_EQ(edit.weekendColor(), QColor(255, 0, 0));
    EXPECT_TRUE(edit.calendarHints().isEmpty());
    EXPECT_FALSE(edit.popupVisible());
    EXPECT_EQ(edit.fieldText(), QStringLiteral("  .  .    "));
    EXPECT_TRUE(edit.date().isNull()) << "an empty field is no date without DefaultToday";
}

TEST_F(DateEditTest, TypingEightDigitsFillsThePositionsAroundTheSeparators)
{
    type(QStringLiteral("05031970"));
    EXPECT_EQ(edit.fieldText(), QStringLiteral("05.03.1970"));
    EXPECT_EQ(edit.date(), QDate(1970, 3, 5));
}

TEST_F(DateEditTest, TextsThatAreNoDateReadAsTodayWithDefaultToday)
{
    edit.setDefaultToday(true);
    struct Case
    {
        const char* text;
        QDate expected;
    } const cases[] = {
        {"", kToday},           // only blanks and separators
        {"31.02.2001", kToday}, // no 31 February
        {"18.01.2001", {2001, 1, 18}},
        {"05.03.70", {1970, 3, 5}}, // two-digit year, last two positions blank
        {"5.3.1970", {1970, 3, 5}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        edit.setFieldText(QString::fromLatin1(c.text));
        EXPECT_EQ(edit.date(), c.expected);
    }
    edit.setDefaultToday(false);
    edit.setFieldText(QStringLiteral("31.02.2001"));
    EXPECT_TRUE(edit.date().isNull());
}

TEST_F(DateEditTest, AssignedTextIsFittedPartByPart)
{
    struct Case
    {
        const char* text;
        const char* shown;
    } const cases[] = {
        {"18.01.2001", "18.01.2001"},
        {"5.3.1970", " 5. 3.1970"},
        {"2001", "01.  .    "},
        {"", "  .  .    "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        edit.setFieldText(QString::fromLatin1(c.text));
        EXPECT_EQ(edit.fieldText(), QString::fromLatin1(c.shown));
    }
}

TEST_F(DateEditTest, WritingADateFollowsTheFallbacks)
{
    edit.setDate(QDate(2001, 1, 18));
    EXPECT_EQ(edit.fieldText(), QStringLiteral("18.01.2001"));
    EXPECT_TRUE(edit.isModified());
    edit.setDate(QDate(2001, 1, 18));
    EXPECT_FALSE(edit.isModified()) << "an unchanged date clears the modified flag";
    edit.setDate(QDate());
    EXPECT_EQ(edit.fieldText(), QStringLiteral("  .  .    "));
    edit.setDefaultToday(true);
    edit.setDate(QDate());
    EXPECT_EQ(edit.date(), kToday);
    edit.setDate(QDate(10000, 1, 1));
    EXPECT_EQ(edit.date(), kToday);
}

TEST_F(DateEditTest, DateKeysWriteAndSelectWhileTheCalendarIsClosed)
{
    struct Case
    {
        const char* name;
        const char* before;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        const char* after;
    } const cases[] = {
        {"keypad + on the last day of a year", "31.12.2000", Qt::Key_Plus, Qt::KeypadModifier,
         "01.01.2001"},
        {"keypad -", "01.03.2000", Qt::Key_Minus, Qt::KeypadModifier, "29.02.2000"},
        {"keypad + on no date counts from today", "", Qt::Key_Plus, Qt::KeypadModifier,
         "11.12.2026"},
        {"Ctrl+keypad + does nothing", "31.12.2000", Qt::Key_Plus,
         Qt::KeypadModifier | Qt::ControlModifier, "31.12.2000"},
        {"typed t", "31.12.2000", Qt::Key_T, {}, "10.12.2026"},
        {"typed T", "31.12.2000", Qt::Key_T, Qt::ShiftModifier, "10.12.2026"},
        {"typed -", "31.12.2000", Qt::Key_Minus, {}, "31.12.2000"},
        {"typed +", "31.12.2000", Qt::Key_Plus, Qt::ShiftModifier, "31.12.2000"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        edit.setFieldText(QString::fromLatin1(c.before));
        QTest::keyClick(&edit, c.key, c.modifiers);
        EXPECT_EQ(edit.fieldText(), QString::fromLatin1(c.after).isEmpty()
                                        ? QStringLiteral("  .  .    ")
                                        : QString::fromLatin1(c.after));
    }
    edit.setFieldText(QStringLiteral("31.12.2000"));
    QTest::keyClick(&edit, Qt::Key_Plus, Qt::KeypadModifier);
    EXPECT_EQ(edit.selectedText().size(), 10) << "the new date is selected";
}

TEST_F(DateEditTest, WithoutDirectInputOrWhenReadOnlyTheKeysWriteNothing)
{
    for (bool readOnly : {false, true}) {
        SCOPED_TRACE(readOnly ? "ReadOnly" : "DirectInput off");
        edit.setFieldReadOnly(readOnly);
        edit.setDirectInput(readOnly);
        edit.setFieldText(QStringLiteral("31.12.2000"));
        QTest::keyClick(&edit, Qt::Key_Plus, Qt::KeypadModifier);
        QTest::keyClick(&edit, Qt::Key_T);
        type(QStringLiteral("1111"));
        EXPECT_EQ(edit.fieldText(), QStringLiteral("31.12.2000"));
    }
}

TEST_F(DateEditTest, LayoutKeepsTheButtonInsideTheRightBorder)
{
    edit.show();
    EXPECT_EQ(edit.height(), 21);
    EXPECT_EQ(edit.buttonContainer()->geometry(), QRect(305 - 21 - 2, 2, 21, 17));
    EXPECT_EQ(edit.button()->size(), QSize(21, 17));
    // 14 x 12 units, whatever ratio the picture was drawn for.
    const QImage normal = edit.button()->glyphImage(true);
    EXPECT_EQ(normal.deviceIndependentSize(), QSizeF(14, 12));
    EXPECT_NE(normal, edit.button()->glyphImage(false));
    EXPECT_EQ(qAlpha(normal.pixel(0, normal.height() - 1)), 0)
        << "the bottom-left colour is transparent";

    edit.setNumGlyphs(1);
    EXPECT_EQ(edit.button()->glyphImage(true).deviceIndependentSize(), QSizeF(14, 12))
        << "gkDefault keeps two";

    edit.setButtonWidth(1);
    EXPECT_TRUE(edit.buttonContainer()->isHidden());
    edit.setButtonWidth(30);
    EXPECT_EQ(edit.buttonContainer()->geometry(), QRect(305 - 30 - 2, 2, 30, 17));
    edit.setFrame(false);
    edit.setButtonWidth(21);
    EXPECT_EQ(edit.buttonContainer()->geometry(), QRect(305 - 21, 0, 21, 21));
}

TEST_F(DateEditTest, GlyphKindsGiveTheirPictures)
{
    edit.setGlyphKind(TGlyphKind::gkEllipsis);
    EXPECT_EQ(edit.button()->glyphImage(true).size(), QSize(11, 2));
    edit.setGlyphKind(TGlyphKind::gkDropDown);
    EXPECT_EQ(edit.button()->glyphImage(true).size(), QSize(7, 4));
    EXPECT_EQ(edit.buttonWidth(), edit.style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    QImage own(20, 10, QImage::Format_RGB32);
    own.fill(Qt::white);
    edit.setNumGlyphs(2);
    edit.setGlyph(own);
    EXPECT_EQ(edit.glyphKind(), TGlyphKind::gkCustom);
    EXPECT_EQ(edit.button()->glyphImage(true).size(), QSize(10, 10));
}

TEST_F(DateEditTest, DropDownOpensUnderTheFieldWithRightEdgesLinedUp)
{
    const QRect screen(0, 0, 1280, 1024);
    const QSize field(305, 21);
    const QSize popup(187, 124);
    struct Case
    {
        const char* name;
        QPoint field;
        TPopupAlign align;
        QPoint expected;
    } const cases[] = {
        {"right aligned", {104, 40}, TPopupAlign::epaRight, {104 + 305 - 187, 61}},
        {"near the bottom opens above", {104, 1000}, TPopupAlign::epaRight, {222, 1000 - 124}},
        {"left aligned", {104, 40}, TPopupAlign::epaLeft, {104, 61}},
        {"narrow field at the left edge", {-150, 40}, TPopupAlign::epaRight, {0, 61}},
        {"kept on screen at the right", {1200, 40}, TPopupAlign::epaLeft, {1280 - 187, 61}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(TCustomComboEdit::dropDownPosition(c.field, field, popup, screen, c.align),
                  c.expected);
    }
    // Narrow fields: right aligned would start left of the screen, so the
    // popup starts with the field; left aligned would leave the screen on the
    // right, so the right edges line up.
    EXPECT_EQ(TCustomComboEdit::dropDownPosition({10, 40}, {100, 21}, popup, screen,
                                                 TPopupAlign::epaRight),
              QPoint(10, 61));
    EXPECT_EQ(TCustomComboEdit::dropDownPosition({1150, 40}, {100, 21}, popup, screen,
                                                 TPopupAlign::epaLeft),
              QPoint(1150 + 100 - 187, 61));
}

TEST_F(DateEditTest, ShownDropDownSitsWhereTheFieldsScreenLeavesRoom)
{
    showInDialog();
    const QRect screen = edit.screen()->geometry();
    for (int y : {40, screen.height() - dialog.y() - 50}) {
        SCOPED_TRACE(y);
        edit.move(104, y);
        edit.DropDown(true);
        ASSERT_TRUE(edit.popupVisible());
        const QRect field(edit.mapToGlobal(QPoint(0, 0)), edit.size());
        const QRect popup = edit.popup()->geometry();
        EXPECT_EQ(popup.right(), field.right());
        if (field.bottom() + 1 + popup.height() > screen.bottom() + 1)
            EXPECT_EQ(popup.bottom() + 1, field.top());
        else
            EXPECT_EQ(popup.top(), field.bottom() + 1);
        QTest::keyClick(&edit, Qt::Key_Escape);
        EXPECT_FALSE(edit.popupVisible());
    }
}

TEST_F(DateEditTest, ButtonOpensTheCalendarOnTheFieldsDateAndKeepsTheFocus)
{
    showInDialog();
    edit.setFieldText(QStringLiteral("18.01.2001"));
    QSignalSpy clicks(&edit, &TCustomComboEdit::OnButtonClick);
    QTest::mouseClick(edit.button(), Qt::LeftButton);
    QCoreApplication::processEvents();
    EXPECT_EQ(clicks.count(), 1);
    ASSERT_TRUE(edit.popupVisible());
    EXPECT_TRUE(edit.popup()->isVisible());
    EXPECT_TRUE(edit.hasFocus());
    EXPECT_TRUE(edit.isReadOnly()) << "no typing while the calendar is open";
    EXPECT_EQ(edit.popup()->ReadValue().toDate(), QDate(2001, 1, 18));
    EXPECT_EQ(edit.popupCalendar()->titleLabel()->text(), QStringLiteral("January, 2001"));

    // Keys reach the calendar; a press on the button closes and accepts.
    QTest::keyClick(&edit, Qt::Key_PageDown);
    QTest::keyClick(&edit, Qt::Key_Right);
    QTest::mouseClick(edit.button(), Qt::LeftButton);
    EXPECT_FALSE(edit.popupVisible());
    EXPECT_EQ(clicks.count(), 1) << "the click after the closing press is ignored";
    EXPECT_EQ(edit.fieldText(), QStringLiteral("19.02.2001"));
    EXPECT_FALSE(edit.isReadOnly());
    EXPECT_EQ(edit.selectedText().size(), 10);
}

TEST_F(DateEditTest, PressThatClosesTheCalendarOffTheButtonLeavesTheNextClickWorking)
{
    showInDialog();
    edit.setFieldText(QStringLiteral("18.01.2001"));
    edit.DropDown(true);
    QTest::mousePress(edit.button(), Qt::LeftButton);
    EXPECT_FALSE(edit.popupVisible());
    QTest::mouseRelease(edit.button(), Qt::LeftButton, {}, QPoint(-20, -20));
    QTest::mouseClick(edit.button(), Qt::LeftButton);
    EXPECT_TRUE(edit.popupVisible());
    QTest::keyClick(&edit, Qt::Key_Escape);
}

TEST_F(DateEditTest, OpeningOnATextThatIsNoDateShowsTodaySelectedAndFramed)
{
    showInDialog();
    edit.setFieldText(QStringLiteral("31.02.2001"));
    edit.DropDown(true);
    TLocCalendar* grid = edit.popupCalendar()->calendar();
    EXPECT_EQ(grid->calendarDate(), kToday);
    EXPECT_EQ(grid->selectedCell(), grid->todayCell());
    QTest::keyClick(&edit, Qt::Key_Escape);
}

TEST_F(DateEditTest, EscapeClosesTheCalendarAndOnlyASecondEscapeCancelsTheDialog)
{
    showInDialog();
    edit.setFieldText(QStringLiteral("18.01.2001"));
    QSignalSpy rejected(&dialog, &QDialog::rejected);
    QTest::keyClick(&edit, Qt::Key_Down, Qt::AltModifier);
    ASSERT_TRUE(edit.popupVisible());
    QTest::keyClick(&edit, Qt::Key_PageDown);
    QTest::keyClick(&edit, Qt::Key_Escape);
    EXPECT_FALSE(edit.popupVisible());
    EXPECT_EQ(rejected.count(), 0);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(edit.fieldText(), QStringLiteral("18.01.2001"));
    QTest::keyClick(&edit, Qt::Key_Escape);
    EXPECT_EQ(rejected.count(), 1);
}

TEST_F(DateEditTest, EnterAcceptsTheCalendarDateAndOnlyASecondEnterPressesOk)
{
    showInDialog();
    edit.setFieldText(QStringLiteral("31.01.2001"));
    QSignalSpy accepted(&dialog, &QDialog::accepted);
    QSignalSpy changes(&edit, &TCustomComboEdit::OnChange);
    QTest::keyClick(&edit, Qt::Key_Down, Qt::AltModifier);
    ASSERT_TRUE(edit.popupVisible());
    QTest::keyClick(&edit, Qt::Key_PageDown);
    QTest::keyClick(&edit, Qt::Key_Return);
    EXPECT_FALSE(edit.popupVisible());
    EXPECT_EQ(accepted.count(), 0);
    EXPECT_EQ(edit.fieldText(), QStringLiteral("28.02.2001"));
    EXPECT_EQ(changes.count(), 1);
    QTest::keyClick(&edit, Qt::Key_Return);
    EXPECT_EQ(accepted.count(), 1);
}

TEST_F(DateEditTest, EscapeWhileClosedPutsBackTheTextFromWhenTheFocusCame)
{
    showInDialog();
    edit.clearFocus();
    edit.setFieldText(QStringLiteral("18.01.2001"));
    edit.setFocus(Qt::TabFocusReason);
    EXPECT_EQ(edit.selectedText().size(), 10) << "entering by keyboard selects all";
    type(QStringLiteral("05031970"));
    QTest::keyClick(&edit, Qt::Key_Escape);
    EXPECT_EQ(edit.fieldText(), QStringLiteral("18.01.2001"));
}

TEST_F(DateEditTest, EscapeAfterAMessageBoxStillPutsBackTheTextFromWhenTheFocusCame)
{
    showInDialog();
    edit.clearFocus();
    edit.setFieldText(QStringLiteral("18.01.2001"));
    edit.setFocus(Qt::TabFocusReason);
    type(QStringLiteral("05031970"));
    {
        // The window loses its activation to the box and gets it back.
        const test::ModalAnswer answer(test::pressButton(QMessageBox::Ok));
        QMessageBox::information(&dialog, QStringLiteral("Note"), QStringLiteral("Between"));
        ASSERT_TRUE(answer.answered());
    }
    dialog.activateWindow(); // as the window system does once the box is gone
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    ASSERT_TRUE(edit.hasFocus());
    type(QStringLiteral("01"));
    QTest::keyClick(&edit, Qt::Key_Escape);
    EXPECT_EQ(edit.fieldText(), QStringLiteral("18.01.2001"));
}

TEST_F(DateEditTest, ReopeningTheWindowWithTheFocusInTheFieldTakesTheTextAnew)
{
    showInDialog();
    edit.setFieldText(QStringLiteral("18.01.2001"));
    type(QStringLiteral("05031970"));
    dialog.hide();
    edit.setFieldText(QStringLiteral("24.12.1975"));
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    ASSERT_TRUE(edit.hasFocus()) << "the dialog gives the focus back to the field";
    type(QStringLiteral("01"));
    QTest::keyClick(&edit, Qt::Key_Escape);
    EXPECT_EQ(edit.fieldText(), QStringLiteral("24.12.1975"));
}

TEST_F(DateEditTest, LeavingAndComingBackTakesTheTextAgain)
{
    showInDialog();
    edit.setFieldText(QStringLiteral("18.01.2001"));
    otherEdit->setFocus(Qt::TabFocusReason);
    edit.setFieldText(QStringLiteral("05.03.1970"));
    edit.setFocus(Qt::MouseFocusReason);
    type(QStringLiteral("01"));
    QTest::keyClick(&edit, Qt::Key_Escape);
    EXPECT_EQ(edit.fieldText(), QStringLiteral("05.03.1970"));
}

TEST_F(DateEditTest, DateIsTheUserPropertyAndItsSignalFiresOncePerRealChange)
{
    const QMetaProperty user = edit.metaObject()->userProperty();
    EXPECT_STREQ(user.name(), "date");
    EXPECT_TRUE(user.hasNotifySignal());
    EXPECT_STREQ(edit.metaObject()->property(edit.metaObject()->indexOfProperty("Text")).name(),
                 "Text");

    edit.setFieldText(QStringLiteral("18.01.2001"));
    QSignalSpy changes(&edit, &TCustomDateEdit::dateChanged);
    edit.setFieldText(QStringLiteral("18.01.2001"));           // same text
    EXPECT_TRUE(edit.setProperty("date", QDate(2001, 1, 18))); // same date
    EXPECT_EQ(changes.size(), 0);

    EXPECT_TRUE(edit.setProperty("date", QDate(1970, 3, 5)));
    ASSERT_EQ(changes.size(), 1);
    EXPECT_EQ(changes.at(0).at(0).toDate(), QDate(1970, 3, 5));
    EXPECT_EQ(edit.property("Text").toString(), QStringLiteral("05.03.1970"));

    // Typing a digit at a time: the year 1971 reads as a date at the last digit.
    edit.setCursorPosition(9);
    QTest::keyClicks(&edit, QStringLiteral("1"));
    ASSERT_EQ(changes.size(), 2);
    EXPECT_EQ(changes.at(1).at(0).toDate(), QDate(1971, 3, 5));

    // A mask refresh rewrites the text but keeps the date: no signal.
    edit.setBlanksChar(QChar(u'_'));
    EXPECT_EQ(changes.size(), 2);
}

TEST_F(DateEditTest, OnAcceptDateMayChangeOrRefuseTheCalendarDate)
{
    showInDialog();
    edit.setFieldText(QStringLiteral("18.01.2001"));
    edit.setOnAcceptDate([](QDate& date, bool& accept) {
        if (date.dayOfWeek() == 7)
            accept = false;
        else
            date = date.addDays(100);
    });
    edit.DropDown(true);
    QTest::keyClick(&edit, Qt::Key_Return);
    EXPECT_EQ(edit.fieldText(), QStringLiteral("28.04.2001"));
    edit.setFieldText(QStringLiteral("21.01.2001")); // a Sunday
    edit.DropDown(true);
    QTest::keyClick(&edit, Qt::Key_Return);
    EXPECT_EQ(edit.fieldText(), QStringLiteral("21.01.2001"));
}

TEST_F(DateEditTest, ClosesWithoutAcceptingWhenThePressIsElsewhere)
{
    showInDialog();
    edit.setFieldText(QStringLiteral("18.01.2001"));
    struct Case
    {
        const char* name;
        std::function<void()> act;
    } const cases[] = {
        {"press in the text",
         [&] {
             QTest::mouseClick(&edit, Qt::LeftButton, {}, {20, 10});
         }},
        {"press on another control", [&] { QTest::mouseClick(otherEdit, Qt::LeftButton); }},
        {"focus moves away", [&] { otherEdit->setFocus(Qt::TabFocusReason); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        edit.setFocus(Qt::OtherFocusReason);
        edit.DropDown(true);
        QTest::keyClick(&edit, Qt::Key_PageDown);
        ASSERT_TRUE(edit.popupVisible());
        c.act();
        EXPECT_FALSE(edit.popupVisible());
        EXPECT_EQ(edit.fieldText(), QStringLiteral("18.01.2001"));
    }
}

TEST_F(DateEditTest, ReadOnlyFieldDoesNotOpen)
{
    edit.setFieldReadOnly(true);
    QSignalSpy clicks(&edit, &TCustomComboEdit::OnButtonClick);
    QTest::mouseClick(edit.button(), Qt::LeftButton);
    edit.DropDown(true);
    EXPECT_FALSE(edit.popupVisible());
    EXPECT_EQ(clicks.count(), 0);
}

TEST_F(DateEditTest, ChangedRegionalOrderShowsTheSameDateReordered)
{
    showInDialog(); // the field listens once it is shown
    edit.setFieldText(QStringLiteral("05.03.1970"));
    env.settings.setDateSettings(test::slashedMonthDayYear());
    EXPECT_EQ(edit.dateFieldFormat(), QStringLiteral("MM/DD/YYYY"));
    EXPECT_EQ(edit.fieldText(), QStringLiteral("03/05/1970"));
    EXPECT_EQ(edit.date(), QDate(1970, 3, 5));
}

TEST_F(DateEditTest, YearDigitsAndBlanksCharRefreshTheMask)
{
    edit.setDate(QDate(1970, 3, 5));
    edit.setYearDigits(TYearDigits::dyTwo);
    EXPECT_EQ(edit.dateFieldFormat(), QStringLiteral("DD/MM/YY"));
    EXPECT_EQ(edit.fieldText(), QStringLiteral("05.03.70"));
    EXPECT_EQ(edit.date(), QDate(1970, 3, 5));
    edit.setBlanksChar(QChar(u'_'));
    edit.setFieldText(QStringLiteral("5.3."));
    EXPECT_EQ(edit.displayText(), QStringLiteral("_5._3.__"));
    EXPECT_EQ(edit.fieldText(), QStringLiteral(" 5. 3.  "));
    edit.setBlanksChar(QChar(u'\t'));
    EXPECT_EQ(edit.blanksChar(), QChar(u' '));
}

TEST_F(DateEditTest, DialogStartingTextKeepsItsDateInADottedDayMonthYearLocale)
{
    edit.setDefaultToday(true);
    edit.setNumGlyphs(2);
    edit.setYearDigits(TYearDigits::dyFour);
    edit.setFieldText(QStringLiteral("18.01.2001"));
    showInDialog();
    EXPECT_EQ(edit.fieldText(), QStringLiteral("18.01.2001"));
    EXPECT_EQ(edit.date(), QDate(2001, 1, 18));
}

TEST_F(DateEditTest, StartingTextReadsAsTodayInAMonthDayYearLocale)
{
    env.settings.setDateSettings(test::slashedMonthDayYear());
    TDateEdit field(env.clock, env.settings);
    field.setDefaultToday(true);
    field.setYearDigits(TYearDigits::dyFour);
    field.setFieldText(QStringLiteral("18.01.2001"));
    field.show();
    EXPECT_EQ(field.date(), kToday);
    EXPECT_EQ(field.fieldText(), QStringLiteral("12/10/2026"));
}

TEST_F(DateEditTest, TextStateTellsBlankDateAndNoDateApart)
{
    struct Case
    {
        const char* text;
        TCustomDateEdit::TextState state;
    } const cases[] = {
        {"", TCustomDateEdit::TextState::Blank},
        {"18.01.2001", TCustomDateEdit::TextState::ValidDate},
        {"31.02.2001", TCustomDateEdit::TextState::NotADate},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        edit.setFieldText(QString::fromLatin1(c.text));
        EXPECT_EQ(edit.textState(), c.state);
    }
    EXPECT_EQ(edit.invalidDateMessage(), QStringLiteral("''31.02.2001'' is not a valid date"));
}

TEST_F(DateEditTest, CheckOnExitReportsATextThatIsNoDateAndTakesTheFocusBack)
{
    edit.setCheckOnExit(true);
    showInDialog();
    edit.setFieldText(QStringLiteral("31.02.2001"));
    test::ModalAnswer answer(test::pressButton(QMessageBox::Ok));
    otherEdit->setFocus(Qt::TabFocusReason);
    EXPECT_TRUE(QTest::qWaitFor([&] { return answer.answered(); }));
    EXPECT_EQ(answer.text(), QStringLiteral("''31.02.2001'' is not a valid date"));
    EXPECT_EQ(answer.icon(), QMessageBox::Critical);
    EXPECT_TRUE(QTest::qWaitFor([&] { return dialog.focusWidget() == &edit; }));
    EXPECT_EQ(edit.fieldText(), QStringLiteral("31.02.2001"));
}

TEST_F(DateEditTest, CheckOnExitWritesAValidDateBackWithoutOnChange)
{
    edit.setCheckOnExit(true);
    showInDialog();
    edit.setFieldText(QStringLiteral("5.3.1970"));
    QSignalSpy changes(&edit, &TCustomComboEdit::OnChange);
    otherEdit->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(edit.fieldText(), QStringLiteral("05.03.1970"));
    EXPECT_EQ(changes.count(), 0);
}

TEST_F(DateEditTest, ClickKeyOpensAndClosesAsAButtonClick)
{
    showInDialog();
    edit.setClickKey(QKeyCombination(Qt::Key_F4));
    edit.setFieldText(QStringLiteral("18.01.2001"));
    QSignalSpy clicks(&edit, &TCustomComboEdit::OnButtonClick);
    QTest::keyClick(&edit, Qt::Key_F4);
    ASSERT_TRUE(edit.popupVisible());
    QTest::keyClick(&edit, Qt::Key_PageDown);
    QTest::keyClick(&edit, Qt::Key_F4);
    EXPECT_FALSE(edit.popupVisible());
    EXPECT_EQ(edit.fieldText(), QStringLiteral("18.02.2001"));
    EXPECT_EQ(clicks.count(), 2);

    edit.setButtonWidth(0);
    QTest::keyClick(&edit, Qt::Key_F4);
    EXPECT_FALSE(edit.popupVisible());
}

} // namespace
} // namespace cyclo
