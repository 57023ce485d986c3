// What a screen reader meets in the windows: the roles and names Qt's
// accessibility reports, and the news that the person list sends when the
// focus enters it.

#include "controls/Clock.h"
#include "controls/DateEdit.h"
#include "register/PersonRegister.h"
#include "support/AccessibleEvents.h"
#include "support/TempDir.h"
#include "ui/PNeuUnit.h"
#include "ui/ProgramWindows.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>
#include <vector>

namespace cyclo {
namespace {

using test::AccessibleEvents;

template <typename T> T* part(const QWidget& window, const char* name)
{
    auto* found = window.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

QAccessibleInterface* accessible(QObject* object)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(object);
    EXPECT_NE(iface, nullptr);
    return iface;
}

// The program's windows over a list of Anna and Bernd, Anna selected.
class ScreenReaderTest : public testing::Test
{
protected:
    ScreenReaderTest()
    {
        {
            PersonRegister seed(file);
            EXPECT_TRUE(seed.AddPerson("Anna", {1981, 4, 8}).ok());
            EXPECT_TRUE(seed.AddPerson("Bernd", {1975, 12, 24}).ok());
        }
        windows.emplace(persons, clock);
        list = part<QListWidget>(windows->personForm(), "PersonList");
    }

    ~ScreenReaderTest() override
    {
        // The windows go before the register they hold.
        windows.reset();
    }

    void showMainWindow() { showActive(windows->personForm()); }

    // Shown and active, as after the window system activated it.
    static void showActive(QWidget& window)
    {
        window.show();
        QApplication::setActiveWindow(&window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    // Tabs from About the program (the start-up focus) through the button
    // band into the list, and lets the list's news out.
    void tabIntoTheList()
    {
        part<QPushButton>(windows->personForm(), "AboutProgBtn")->setFocus();
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), list);
        QCoreApplication::processEvents();
    }

    test::TempDir dir;
    std::filesystem::path file = dir.file("personen.dat");
    PersonRegister persons{file};
    FixedClock clock{QDate(1998, 6, 6)};
    std::optional<ProgramWindows> windows;
    QListWidget* list = nullptr;
};

TEST_F(ScreenReaderTest, TheMainWindowIsAWindowAndNotADialog)
{
    QAccessibleInterface* main = accessible(&windows->personForm());
    EXPECT_EQ(main->role(), QAccessible::Window);
    EXPECT_EQ(main->text(QAccessible::Name), QStringLiteral("Quellant Cyclograph 2.0"));
    // The dialogs stay dialogs.
    EXPECT_EQ(accessible(&windows->pneuForm())->role(), QAccessible::Dialog);
    EXPECT_EQ(accessible(&windows->compForm())->role(), QAccessible::Dialog);
}

TEST_F(ScreenReaderTest, PicturesThatOnlyDecorateAreLeftOut)
{
    windows->personForm().show();
    windows->aboutBox().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&windows->aboutBox()));
    for (QLabel* picture : {part<QLabel>(windows->personForm(), "Picture"),
                            part<QLabel>(windows->aboutBox(), "ProgramIcon")}) {
        SCOPED_TRACE(picture->objectName().toStdString());
        ASSERT_FALSE(picture->pixmap().isNull());
        QAccessibleInterface* iface = accessible(picture);
        EXPECT_TRUE(iface->state().invisible);
        EXPECT_EQ(iface->text(QAccessible::Name), QString());
    }
    // A label with words is read.
    QAccessibleInterface* product = accessible(part<QLabel>(windows->aboutBox(), "ProductName"));
    EXPECT_FALSE(product->state().invisible);
    EXPECT_EQ(product->text(QAccessible::Name), QStringLiteral("Quellant Cyclograph 2.0"));
}

TEST_F(ScreenReaderTest, EachLegendBoxIsNamedByItsCaption)
{
    const struct
    {
        const char* box;
        const char* name;
    } cases[] = {
        {"CheckBox1", "Intellectual constitution"},
        {"CheckBox2", "Emotional constitution"},
        {"CheckBox3", "Physical constitution"},
        {"CheckBox4", "Intuitive constitution"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.box);
        QAccessibleInterface* box = accessible(part<QCheckBox>(windows->bioForm(), c.box));
        EXPECT_EQ(box->role(), QAccessible::CheckBox);
        EXPECT_EQ(box->text(QAccessible::Name), QString::fromLatin1(c.name));
        EXPECT_TRUE(box->state().checked);
    }
}

// Screen readers read a drop-down list's name as its chosen line, and take
// the field's label from its label relation.
TEST_F(ScreenReaderTest, EveryFieldIsNamedByItsLabel)
{
    windows->compForm().FillPersons(persons);
    const struct
    {
        QWidget* field;
        QAccessible::Role role;
        const char* label;
    } cases[] = {
        {part<QLineEdit>(windows->pneuForm(), "NameEdit"), QAccessible::EditableText, "Name"},
        {part<TDateEdit>(windows->pneuForm(), "GebdateEdit"), QAccessible::EditableText,
         "Birthday"},
        {part<QComboBox>(windows->compForm(), "P1Combo"), QAccessible::ComboBox, "Person 1"},
        {part<QComboBox>(windows->compForm(), "P2Combo"), QAccessible::ComboBox, "Person 2"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        QAccessibleInterface* field = accessible(c.field);
        EXPECT_EQ(field->role(), c.role);
        EXPECT_EQ(c.field->accessibleName(), QString::fromLatin1(c.label));
        const auto labels = field->relations(QAccessible::Label);
        ASSERT_EQ(labels.size(), 1);
        EXPECT_EQ(labels.front().first->text(QAccessible::Name), QString::fromLatin1(c.label));
        // The label is for screen readers only: the window shows its own.
        EXPECT_TRUE(labels.front().first->state().invisible);
    }
    // A list's chosen line is read after its label.
    auto* second = part<QComboBox>(windows->compForm(), "P2Combo");
    EXPECT_EQ(accessible(second)->text(QAccessible::Description),
              QStringLiteral("Bernd ( 12/24/1975 )"));
    second->setCurrentIndex(0);
    EXPECT_EQ(accessible(second)->text(QAccessible::Description),
              QStringLiteral("Anna ( 4/8/1981 )"));
}

// A field that holds a text tells of the focus before its caret and
// selection, so that a screen reader speaks its name.
TEST_F(ScreenReaderTest, TabIntoAFilledFieldTellsOfTheFocusFirst)
{
    TPNeuForm& dialog = windows->pneuForm();
    ASSERT_NO_FATAL_FAILURE(showActive(dialog));
    auto* name = part<QLineEdit>(dialog, "NameEdit");
    auto* date = part<TDateEdit>(dialog, "GebdateEdit");
    name->setText(QStringLiteral("Clara"));
    date->setFocus(Qt::TabFocusReason);

    for (QWidget* field : {static_cast<QWidget*>(name), static_cast<QWidget*>(date)}) {
        SCOPED_TRACE(field->objectName().toStdString());
        AccessibleEvents news;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        if (QApplication::focusWidget() != field) // past the buttons, round to the field
            for (int i = 0; i < 3 && QApplication::focusWidget() != field; ++i)
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), field);
        QCoreApplication::processEvents();
        EXPECT_EQ(field == date ? date->selectedText() : name->selectedText(),
                  field == date ? date->text() : name->text())
            << "Tab selects the text, after the news";
        std::vector<QAccessible::Event> about;
        for (const auto& e : news.events())
            if (e.object == field)
                about.push_back(e.type);
        ASSERT_FALSE(about.empty());
        EXPECT_EQ(about.front(), QAccessible::Focus);
    }
    dialog.hide();
}

TEST_F(ScreenReaderTest, EnteringThePersonListSpeaksTheSelectedPerson)
{
    showMainWindow();
    AccessibleEvents news;
    tabIntoTheList();

    // The last focus news names Anna's line, which is the list's current
    // item and its selected one.
    const auto focus = news.of(QAccessible::Focus, list);
    ASSERT_FALSE(focus.empty());
    EXPECT_GE(focus.back().child, 0);
    EXPECT_EQ(focus.back().name, QStringLiteral("Anna ( 4/8/1981 )"));
    QAccessibleInterface* iface = accessible(list);
    QAccessibleInterface* line = iface->child(focus.back().child);
    ASSERT_NE(line, nullptr);
    EXPECT_TRUE(line->state().selected);
    EXPECT_TRUE(line->state().focused);
}

TEST_F(ScreenReaderTest, TheSelectedPersonIsTheCurrentOneWhenTheFocusEnters)
{
    showMainWindow();
    list->setCurrentRow(1);                                // Bernd, chosen
    list->setCurrentRow(0, QItemSelectionModel::NoUpdate); // the current line moved off him
    ASSERT_TRUE(list->item(1)->isSelected());

    AccessibleEvents news;
    tabIntoTheList();
    EXPECT_EQ(list->currentRow(), 1);
    const auto focus = news.of(QAccessible::Focus, list);
    ASSERT_FALSE(focus.empty());
    EXPECT_EQ(focus.back().name, QStringLiteral("Bernd ( 12/24/1975 )"));
    // The arrow keys go on from the selected person: Up reaches Anna.
    QTest::keyClick(list, Qt::Key_Up);
    EXPECT_EQ(windows->personForm().SelectedPosition(), 0);
}

TEST_F(ScreenReaderTest, WithoutASelectionEnteringTheListSpeaksTheList)
{
    showMainWindow();
    list->selectionModel()->clear(); // as after a delete
    AccessibleEvents news;
    tabIntoTheList();
    const auto focus = news.of(QAccessible::Focus, list);
    ASSERT_FALSE(focus.empty());
    EXPECT_EQ(focus.back().child, -1);
    EXPECT_EQ(windows->personForm().SelectedPosition(), -1);
}

// A screen reader that reads a field's line attribute run by attribute run
// (Orca does, to split it by language) hears the runs' text from the first
// run's start to the last run's end: the runs must cover every character, the
// last included. Tab into a field selects its text, which is then read.
TEST_F(ScreenReaderTest, AFieldsTextIsReadWholeRunByRun)
{
    TPNeuForm& dialog = windows->pneuForm();
    ASSERT_NO_FATAL_FAILURE(showActive(dialog));
    auto* name = part<QLineEdit>(dialog, "NameEdit");
    auto* date = part<TDateEdit>(dialog, "GebdateEdit");
    name->setText(QStringLiteral("Clara"));
    date->setDate(QDate(2026, 12, 10));

    for (QLineEdit* field : {name, static_cast<QLineEdit*>(date)}) {
        SCOPED_TRACE(field->objectName().toStdString());
        field->setFocus(Qt::TabFocusReason);
        field->selectAll();
        QAccessibleTextInterface* text = accessible(field)->textInterface();
        ASSERT_NE(text, nullptr);
        const int count = text->characterCount();
        ASSERT_EQ(count, field->text().size());
        int runsEnd = 0;
        for (int offset = 0; offset < count;) {
            int start = -1;
            int end = -1;
            static_cast<void>(text->attributes(offset, &start, &end));
            EXPECT_LE(start, offset);
            EXPECT_GT(end, offset) << "the run at " << offset << " holds its character";
            runsEnd = std::max(runsEnd, end);
            offset = std::max(end, offset + 1);
        }
        EXPECT_EQ(text->text(0, runsEnd), field->text());
        int start = -1;
        int end = -1;
        text->selection(0, &start, &end);
        EXPECT_EQ(text->text(start, end), field->text()) << "the selection is the whole text";
        EXPECT_EQ(text->textAtOffset(count - 1, QAccessible::LineBoundary, &start, &end),
                  field->text());
    }
    dialog.hide();
}

} // namespace
} // namespace cyclo
