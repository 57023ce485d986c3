#include "controls/DateEdit.h"
#include "controls/ShadowLabel.h"
#include "register/PersonRegister.h"
#include "support/ModalDialogs.h"
#include "support/TempDir.h"
#include "tests/controls/CalendarTestSupport.h"
#include "ui/PNeuUnit.h"
#include "ui/PersonUnit.h"
#include "ui/ProgramWindows.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace cyclo {
namespace {

using test::CalendarEnvironment;
using test::kToday;
using test::ModalAnswer;
using test::pressButton;

constexpr std::uintmax_t kPersonFileSize = 4804;

QStringList lines(const QListWidget& list)
{
    QStringList result;
    for (int i = 0; i < list.count(); ++i)
        result << list.item(i)->text();
    return result;
}

// What a message box over the dialog showed, if one came up.
struct Box
{
    bool shown = false;
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

// The main window with its New command wired to the new-person dialog, both
// reading a pinned "today" and a day-month-year "." date format.
class PNeuFormTest : public testing::Test
{
protected:
    PNeuFormTest()
    {
        form = std::make_unique<TPersonForm>(persons);
        dialog = std::make_unique<TPNeuForm>(env.clock, env.settings);
        form->SetWindows({.pneu = dialog.get()});
        list = form->findChild<QListWidget*>(QStringLiteral("PersonList"));
    }

    template <typename T> T* part(const char* name) const
    {
        auto* widget = dialog->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QLineEdit* nameEdit() const { return part<QLineEdit>("NameEdit"); }
    TDateEdit* dateEdit() const { return part<TDateEdit>("GebdateEdit"); }
    QPushButton* okBtn() const { return part<QPushButton>("OkBtn"); }
    QPushButton* cancelBtn() const { return part<QPushButton>("CancelBtn"); }

    // Presses New and lets `use` work the open dialog. Returns whether the
    // dialog was still open once `use` was done (it is then cancelled, so the
    // test goes on).
    bool pressNew(const std::function<void()>& use)
    {
        bool leftOpen = false;
        ModalAnswer answer([&](QWidget* modal) {
            if (modal == dialog.get())
                use();
            leftOpen = modal->isVisible();
            if (auto* d = qobject_cast<QDialog*>(modal); leftOpen && d != nullptr)
                d->reject();
        });
        form->findChild<QPushButton*>(QStringLiteral("NeuBtn"))->click();
        EXPECT_TRUE(answer.answered()) << "the new-person dialog did not open";
        return leftOpen;
    }

    void typeName(const QString& name)
    {
        nameEdit()->selectAll();
        // QTest knows keys for ASCII only; other characters arrive as the text
        // of a key event, as a keyboard layout or input method sends them, a
        // surrogate pair (an emoji) as one.
        for (qsizetype i = 0; i < name.size();) {
            const qsizetype length = name.at(i).isHighSurrogate() ? 2 : 1;
            const QString character = name.mid(i, length);
            if (character.at(0).unicode() < 0x80)
                QTest::keyClick(nameEdit(), character.at(0).toLatin1());
            else
                QTest::sendKeyEvent(QTest::Click, nameEdit(), Qt::Key_unknown, character,
                                    Qt::NoModifier);
            i += length;
        }
    }

    // Types digits into the date field from its first position, as a user
    // overwriting the date does.
    void typeDate(const QString& digits)
    {
        dateEdit()->setCursorPosition(0);
        QTest::keyClicks(dateEdit(), digits);
    }

    // Clicks OK and answers with OK the message box it raises, if any.
    Box clickOk()
    {
        ModalAnswer answer(pressButton(QMessageBox::Ok));
        QTest::mouseClick(okBtn(), Qt::LeftButton);
        return {answer.answered(), answer.title(), answer.text(), answer.icon()};
    }

    CalendarEnvironment env;
    test::TempDir dir;
    std::filesystem::path file = dir.file("personen.dat");
    PersonRegister persons{file};
    std::unique_ptr<TPersonForm> form;
    std::unique_ptr<TPNeuForm> dialog;
    QListWidget* list = nullptr;
};

TEST_F(PNeuFormTest, DialogHasTheClassicLayoutAndStartsWithTheEighteenthOfJanuary2001)
{
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("New person"));
    EXPECT_EQ(dialog->size(), QSize(427, 136));
    EXPECT_EQ(dialog->minimumSize(), dialog->maximumSize());
    EXPECT_FALSE(dialog->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_TRUE(dialog->windowFlags().testFlag(Qt::WindowCloseButtonHint));

    struct Placed
    {
        QWidget* widget;
        QRect geometry;
    };
    for (const Placed& p :
         {Placed{nameEdit(), {104, 16, 305, 21}}, Placed{dateEdit(), {104, 40, 305, 21}},
          Placed{okBtn(), {232, 96, 91, 25}}, Placed{cancelBtn(), {328, 96, 89, 25}}}) {
        SCOPED_TRACE(p.widget->objectName().toStdString());
        EXPECT_EQ(p.widget->geometry(), p.geometry);
    }
    QStringList captions;
    for (const ShadowLabel* label : dialog->findChildren<ShadowLabel*>())
        captions << label->text() + QStringLiteral(" at %1,%2").arg(label->x()).arg(label->y());
    captions.sort();
    EXPECT_EQ(captions, (QStringList{QStringLiteral("Birthday: at 16,40"),
                                     QStringLiteral("Name: at 16,16")}));

    EXPECT_EQ(okBtn()->text(), QStringLiteral("OK"));
    EXPECT_TRUE(okBtn()->isDefault());
    EXPECT_EQ(okBtn()->iconSize(), QSize(18, 18));
    EXPECT_EQ(cancelBtn()->text(), QStringLiteral("&Cancel"));
    EXPECT_EQ(nameEdit()->nextInFocusChain(), dateEdit());
    EXPECT_EQ(okBtn()->nextInFocusChain(), cancelBtn());

    EXPECT_TRUE(dateEdit()->defaultToday());
    EXPECT_EQ(dateEdit()->yearDigits(), TYearDigits::dyFour);
    EXPECT_EQ(dateEdit()->numGlyphs(), 2);
    EXPECT_EQ(dateEdit()->fieldText(), QStringLiteral("18.01.2001"));
    EXPECT_EQ(dialog->BirthDate(), QDate(2001, 1, 18));
    EXPECT_TRUE(dialog->PersonName().isEmpty());
}

TEST_F(PNeuFormTest, StartingDateReadsByTheRegionalDateOrder)
{
    struct Case
    {
        const char* what;
        const char16_t* shortDateFormat;
        char16_t separator;
        QDate expected;
    };
    const Case cases[] = {
        {"day-month-year with .", u"dd.MM.yyyy", u'.', QDate(2001, 1, 18)},
        {"year-month-day with .", u"yyyy.MM.dd", u'.', QDate(2018, 1, 1)},
        {"month-day-year with /", u"MM/dd/yyyy", u'/', kToday},
        {"day-month-year with /", u"dd/MM/yyyy", u'/', kToday},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RegionalDateSettings regional = test::dottedDayMonthYear();
        regional.shortDateFormat = c.shortDateFormat;
        regional.dateSeparator = c.separator;
        env.settings.setDateSettings(regional);
        TPNeuForm fresh(env.clock, env.settings);
        fresh.show(); // the field reads its text again once it is on screen
        EXPECT_EQ(fresh.BirthDate(), c.expected);
    }
}

TEST_F(PNeuFormTest, EmptyNameIsRefusedWithAMessageAndTheDialogStaysOpen)
{
    Box box;
    const bool leftOpen = pressNew([&] {
        typeDate(QStringLiteral("08041981"));
        box = clickOk();
        EXPECT_EQ(dateEdit()->fieldText(), QStringLiteral("08.04.1981")); // contents kept
    });

    ASSERT_TRUE(box.shown);
    EXPECT_EQ(box.title, QStringLiteral("Error: You have to enter a name!"));
    EXPECT_EQ(box.text, QStringLiteral("Please enter a name!"));
    EXPECT_EQ(box.icon, QMessageBox::Critical);
    EXPECT_TRUE(leftOpen);
    EXPECT_EQ(list->count(), 0);
    EXPECT_FALSE(std::filesystem::exists(file));
}

TEST_F(PNeuFormTest, CancellingAfterTypingAddsNobodyAndKeepsTheTextForNextTime)
{
    struct Way
    {
        const char* what;
        std::function<void()> cancel;
    };
    const Way ways[] = {
        {"Cancel button", [this] { QTest::mouseClick(cancelBtn(), Qt::LeftButton); }},
        {"Esc in the name field", [this] { QTest::keyClick(nameEdit(), Qt::Key_Escape); }},
        {"close box", [this] { dialog->close(); }},
    };
    for (const Way& way : ways) {
        SCOPED_TRACE(way.what);
        const QString name = QStringLiteral("Anna ") + QString::fromLatin1(way.what);
        bool leftOpen = pressNew([&] {
            typeName(name);
            typeDate(QStringLiteral("08041981"));
            way.cancel();
        });
        EXPECT_FALSE(leftOpen);
        EXPECT_EQ(list->count(), 0);
        EXPECT_FALSE(std::filesystem::exists(file));

        QString nameNextTime;
        QString dateNextTime;
        leftOpen = pressNew([&] {
            nameNextTime = nameEdit()->text();
            dateNextTime = dateEdit()->fieldText();
            QTest::mouseClick(cancelBtn(), Qt::LeftButton);
        });
        EXPECT_FALSE(leftOpen);
        EXPECT_EQ(nameNextTime, name);
        EXPECT_EQ(dateNextTime, QStringLiteral("08.04.1981"));
        EXPECT_EQ(list->count(), 0);
    }
}

TEST_F(PNeuFormTest, ValidDateAddsThePersonItsLineAndThePersonFile)
{
    struct Way
    {
        const char* what;
        std::function<void()> confirm;
    };
    const Way ways[] = {
        {"OK button", [this] { EXPECT_FALSE(clickOk().shown); }},
        {"Enter in the name field", [this] { QTest::keyClick(nameEdit(), Qt::Key_Return); }},
        {"Enter in the date field", [this] { QTest::keyClick(dateEdit(), Qt::Key_Return); }},
    };
    QStringList expected;
    for (const Way& way : ways) {
        SCOPED_TRACE(way.what);
        const bool leftOpen = pressNew([&] {
            typeName(QStringLiteral("Anna"));
            typeDate(QStringLiteral("08041981"));
            way.confirm();
        });
        EXPECT_FALSE(leftOpen);
        expected << QStringLiteral("Anna ( 4/8/1981 )");
        EXPECT_EQ(lines(*list), expected);
        ASSERT_TRUE(std::filesystem::exists(file));
        EXPECT_EQ(std::filesystem::file_size(file), kPersonFileSize);
    }

    PersonRegister reread(file);
    reread.StartupFill();
    ASSERT_EQ(reread.PersonCount(), 3);
    EXPECT_EQ(reread.PersonText(3), "Anna ( 4/8/1981 )");
}

TEST_F(PNeuFormTest, BlankDateFieldStoresToday)
{
    QString blankText;
    const bool leftOpen = pressNew([&] {
        typeName(QStringLiteral("Bernd"));
        dateEdit()->setFocus();
        dateEdit()->selectAll();
        QTest::keyClick(dateEdit(), Qt::Key_Delete);
        blankText = dateEdit()->fieldText();
        EXPECT_FALSE(clickOk().shown);
    });

    EXPECT_FALSE(leftOpen);
    EXPECT_EQ(blankText, QStringLiteral("  .  .    "));
    EXPECT_EQ(lines(*list), QStringList{QStringLiteral("Bernd ( 12/10/2026 )")});
    EXPECT_EQ(std::filesystem::file_size(file), kPersonFileSize);
}

TEST_F(PNeuFormTest, DateThatIsNoDateIsRefusedWithTheFieldsErrorAndAddsNobody)
{
    struct Case
    {
        const char* typed;
        const char* shown;
    };
    const Case cases[] = {
        {"31022001", "31.02.2001"},
        {"1913", "19.13.    "},
        {"00002001", "00.00.2001"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        Box box;
        bool focusInDate = false;
        const bool leftOpen = pressNew([&] {
            typeName(QStringLiteral("Claudia"));
            dateEdit()->selectAll();
            QTest::keyClick(dateEdit(), Qt::Key_Delete);
            typeDate(QString::fromLatin1(c.typed));
            nameEdit()->setFocus();
            box = clickOk();
            focusInDate = dialog->focusWidget() == dateEdit();
        });

        ASSERT_TRUE(box.shown);
        EXPECT_EQ(box.title, QStringLiteral("Cyclograph 2.0"));
        EXPECT_EQ(box.text, QStringLiteral("''%1'' is not a valid date").arg(c.shown));
        EXPECT_EQ(box.icon, QMessageBox::Critical);
        EXPECT_TRUE(leftOpen);
        EXPECT_TRUE(focusInDate);
        EXPECT_EQ(list->count(), 0);
        EXPECT_FALSE(std::filesystem::exists(file));
    }
}

TEST_F(PNeuFormTest, CorrectedDateIsAcceptedAfterTheError)
{
    Box first;
    Box second;
    const bool leftOpen = pressNew([&] {
        typeName(QStringLiteral("Claudia"));
        typeDate(QStringLiteral("31022001"));
        first = clickOk();
        typeDate(QStringLiteral("28022001"));
        second = clickOk();
    });

    EXPECT_TRUE(first.shown);
    EXPECT_FALSE(second.shown);
    EXPECT_FALSE(leftOpen);
    EXPECT_EQ(lines(*list), QStringList{QStringLiteral("Claudia ( 2/28/2001 )")});
}

TEST_F(PNeuFormTest, DatePickedInTheDropDownIsStoredWithTwoEnters)
{
    bool calendarOpened = false;
    const bool leftOpen = pressNew([&] {
        QApplication::setActiveWindow(dialog.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
        typeName(QStringLiteral("Dora"));
        dateEdit()->setFocus();
        QTest::keyClick(dateEdit(), Qt::Key_Down, Qt::AltModifier);
        calendarOpened = dateEdit()->popupVisible();
        QTest::keyClick(dateEdit(), Qt::Key_Right);    // 19 January 2001
        QTest::keyClick(dateEdit(), Qt::Key_PageDown); // 19 February 2001
        QTest::keyClick(dateEdit(), Qt::Key_Return);   // takes the date
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_EQ(dateEdit()->fieldText(), QStringLiteral("19.02.2001"));
        QTest::keyClick(dateEdit(), Qt::Key_Return); // presses OK
    });

    EXPECT_TRUE(calendarOpened);
    EXPECT_FALSE(leftOpen);
    EXPECT_EQ(lines(*list), QStringList{QStringLiteral("Dora ( 2/19/2001 )")});
}

TEST_F(PNeuFormTest, NameTheFileCannotKeepIsRefusedAndTheDialogKeepsIt)
{
    ASSERT_FALSE(pressNew([&] {
        typeName(QStringLiteral("Anna"));
        EXPECT_FALSE(clickOk().shown);
    }));
    const std::vector<std::uint8_t> before = test::ReadBytes(file);

    struct Case
    {
        QString name;
        QString listed;
    } const cases[] = {
        {QStringLiteral("Łukasz Żółć"), QStringLiteral("Ł, Ż, ł, ć")},
        {QStringLiteral("Дмитрий Орлов"), QStringLiteral("Д, м, и, т, р, й, О, л, о, в")},
        {QStringLiteral("山田 太郎 😀"), QStringLiteral("山, 田, 太, 郎, 😀")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        Box box;
        QString nameAfter;
        bool focusInName = false;
        const bool leftOpen = pressNew([&] {
            typeName(c.name);
            box = clickOk();
            nameAfter = nameEdit()->text();
            focusInName = dialog->focusWidget() == nameEdit();
        });

        ASSERT_TRUE(box.shown);
        EXPECT_EQ(box.icon, QMessageBox::Critical);
        EXPECT_EQ(box.title, QStringLiteral("Cyclograph 2.0"));
        EXPECT_TRUE(box.text.contains(c.listed)) << box.text.toStdString();
        EXPECT_TRUE(box.text.contains(QStringLiteral("Western European letters only")))
            << box.text.toStdString();
        EXPECT_TRUE(leftOpen);
        EXPECT_EQ(nameAfter, c.name);
        EXPECT_TRUE(focusInName);
        EXPECT_EQ(lines(*list), QStringList{QStringLiteral("Anna ( 1/18/2001 )")});
        EXPECT_EQ(test::ReadBytes(file), before);
    }
}

TEST_F(PNeuFormTest, EveryWindows1252LetterIsStoredAsTyped)
{
    const QString name = QStringLiteral("€ Š š Œ œ Ž ž Ÿ Ærø Façade");
    const bool leftOpen = pressNew([&] {
        typeName(name);
        EXPECT_FALSE(clickOk().shown);
    });

    EXPECT_FALSE(leftOpen);
    PersonRegister reread(file);
    reread.StartupFill();
    ASSERT_EQ(reread.PersonCount(), 1);
    EXPECT_EQ(QString::fromStdString(reread.Persons(1).NameText()), name);
}

TEST(ProgramNewCommandTest, NewInTheProgramOpensTheNewPersonDialogAndAddsThePerson)
{
    test::TempDir dir;
    PersonRegister persons(dir.file("personen.dat"));
    FixedClock clock(kToday);
    ProgramWindows windows(persons, clock);
    auto* list = windows.personForm().findChild<QListWidget*>(QStringLiteral("PersonList"));
    ASSERT_NE(list, nullptr);

    QWidget* opened = nullptr;
    ModalAnswer answer([&](QWidget* modal) {
        opened = modal;
        auto* name = modal->findChild<QLineEdit*>(QStringLiteral("NameEdit"));
        ASSERT_NE(name, nullptr);
        QTest::keyClicks(name, QStringLiteral("Zoe"));
        QTest::keyClick(name, Qt::Key_Return);
    });
    windows.personForm().findChild<QPushButton*>(QStringLiteral("NeuBtn"))->click();

    ASSERT_TRUE(answer.answered());
    EXPECT_EQ(opened, &windows.pneuForm());
    ASSERT_EQ(list->count(), 1);
    EXPECT_TRUE(list->item(0)->text().startsWith(QStringLiteral("Zoe ( ")));
    EXPECT_EQ(persons.PersonCount(), 1);
}

} // namespace
} // namespace cyclo
