#include "controls/Clock.h"
#include "register/PersonRegister.h"
#include "support/ModalDialogs.h"
#include "support/TempDir.h"
#include "ui/PersonUnit.h"
#include "ui/ProgramWindows.h"
#include "ui/app/CyclographApplication.h"

#include <QApplication>
#include <QDate>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

namespace cyclo {
namespace {

using test::ModalAnswer;
using test::pressButton;

struct Person
{
    const char* name;
    TYmd birth;
};

const Person kThreePersons[] = {
    {"Anna", {1981, 4, 8}},
    {"Bernd", {1975, 12, 24}},
    {"Claudia", {1990, 1, 3}},
};

// A person file written by the register itself, as the program leaves it.
void writePersonFile(const std::filesystem::path& file, std::span<const Person> persons)
{
    PersonRegister seed(file);
    for (const Person& p : persons)
        ASSERT_TRUE(seed.AddPerson(p.name, p.birth).ok());
}

QStringList lines(const QListWidget& list)
{
    QStringList result;
    for (int i = 0; i < list.count(); ++i)
        result << list.item(i)->text();
    return result;
}

class PersonFormTest : public testing::Test
{
protected:
    // The form as the program creates it: its create event fills the
    // register and the list from the file.
    void createForm()
    {
        form = std::make_unique<TPersonForm>(persons);
        list = form->findChild<QListWidget*>(QStringLiteral("PersonList"));
        ASSERT_NE(list, nullptr);
    }

    QPushButton* button(const char* name) const
    {
        auto* b = form->findChild<QPushButton*>(QString::fromLatin1(name));
        EXPECT_NE(b, nullptr) << name;
        return b;
    }

    void showAndActivate(QWidget& window)
    {
        window.show();
        QApplication::setActiveWindow(&window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    test::TempDir dir;
    std::filesystem::path file = dir.file("personen.dat");
    PersonRegister persons{file};
    std::unique_ptr<TPersonForm> form;
    QListWidget* list = nullptr;
};

TEST_F(PersonFormTest, StartupFillShowsOneLinePerPersonAndSelectsTheFirst)
{
    writePersonFile(file, kThreePersons);
    createForm();

    EXPECT_EQ(lines(*list), (QStringList{QStringLiteral("Anna ( 4/8/1981 )"),
                                         QStringLiteral("Bernd ( 12/24/1975 )"),
                                         QStringLiteral("Claudia ( 1/3/1990 )")}));
    EXPECT_EQ(list->currentRow(), 0);
    EXPECT_TRUE(list->item(0)->isSelected());
    EXPECT_EQ(form->SelectedPosition(), 0);
}

TEST_F(PersonFormTest, StartupWithAnEmptyOrMissingFileShowsNoLineAndSelectsNothing)
{
    struct Case
    {
        const char* what;
        bool createFile;
    };
    for (const Case c : {Case{"empty file", true}, Case{"no file", false}}) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove(file);
        if (c.createFile)
            test::WriteBytes(file, {});
        createForm();
        EXPECT_EQ(list->count(), 0);
        EXPECT_EQ(form->SelectedPosition(), -1);
        EXPECT_TRUE(list->selectedItems().isEmpty());
    }
}

TEST_F(PersonFormTest, DeleteAfterYesRemovesTheLineRewritesTheFileAndLeavesNoSelection)
{
    writePersonFile(file, kThreePersons);
    createForm();
    list->setCurrentRow(1);

    ModalAnswer answer(pressButton(QMessageBox::Yes));
    button("DelBtn")->click();

    ASSERT_TRUE(answer.answered());
    EXPECT_EQ(answer.title(), QStringLiteral("Delete person"));
    EXPECT_EQ(answer.text(), QStringLiteral("Do you want to delete this person?"));
    EXPECT_EQ(answer.icon(), QMessageBox::Question);
    EXPECT_EQ(lines(*list), (QStringList{QStringLiteral("Anna ( 4/8/1981 )"),
                                         QStringLiteral("Claudia ( 1/3/1990 )")}));
    EXPECT_EQ(form->SelectedPosition(), -1);
    EXPECT_TRUE(list->selectedItems().isEmpty());

    PersonRegister reread(file);
    reread.StartupFill();
    ASSERT_EQ(reread.PersonCount(), 2);
    EXPECT_EQ(reread.PersonText(1), "Anna ( 4/8/1981 )");
    EXPECT_EQ(reread.PersonText(2), "Claudia ( 1/3/1990 )");
}

TEST_F(PersonFormTest, DeleteAfterNoKeepsListSelectionAndFile)
{
    writePersonFile(file, kThreePersons);
    const auto before = test::ReadBytes(file);
    createForm();
    list->setCurrentRow(2);

    ModalAnswer answer(pressButton(QMessageBox::No));
    button("DelBtn")->click();

    ASSERT_TRUE(answer.answered());
    EXPECT_EQ(list->count(), 3);
    EXPECT_EQ(form->SelectedPosition(), 2);
    EXPECT_EQ(test::ReadBytes(file), before);
}

TEST_F(PersonFormTest, DeleteAndAnalyzeDoNothingWithoutASelectedPerson)
{
    writePersonFile(file, kThreePersons);
    const auto before = test::ReadBytes(file);
    createForm();

    struct Case
    {
        const char* what;
        std::function<void()> arrange;
    };
    const Case cases[] = {
        {"current line not marked selected",
         [&] { list->item(list->currentRow())->setSelected(false); }},
        {"no current line", [&] { list->selectionModel()->clear(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        list->setCurrentRow(1);
        c.arrange();
        ASSERT_EQ(form->SelectedPosition(), -1);
        for (const char* name : {"DelBtn", "BioBtn"}) {
            SCOPED_TRACE(name);
            ModalAnswer answer(pressButton(QMessageBox::Yes), 200);
            button(name)->click();
            EXPECT_FALSE(answer.answered()); // a modal window would have run inside click()
            EXPECT_EQ(list->count(), 3);
        }
    }
    EXPECT_EQ(test::ReadBytes(file), before);
}

TEST_F(PersonFormTest, FailedSaveAfterDeleteWarnsAndKeepsTheChangedList)
{
    // The file's folder disappears after start-up: no save can succeed,
    // not even for root.
    const auto folder = dir.path() / "persons";
    std::filesystem::create_directory(folder);
    file = folder / "personen.dat";
    persons = PersonRegister(file);
    writePersonFile(file, kThreePersons);
    createForm();
#ifdef _WIN32
    // Windows lets no folder go while the program holds its lock file open
    // in it: a folder in the file's place makes the save fail there.
    std::filesystem::remove(file);
    std::filesystem::create_directory(file);
#else
    std::filesystem::remove_all(folder);
#endif

    std::optional<ModalAnswer> warning;
    ModalAnswer question([&](QWidget* box) {
        warning.emplace(pressButton(QMessageBox::Ok));
        pressButton(QMessageBox::Yes)(box);
    });
    list->setCurrentRow(0);
    button("DelBtn")->click();

    ASSERT_TRUE(question.answered());
    ASSERT_TRUE(warning.has_value());
    ASSERT_TRUE(warning->answered());
    EXPECT_EQ(warning->title(), QStringLiteral("Cyclograph 2.0"));
    EXPECT_EQ(warning->icon(), QMessageBox::Warning);
    EXPECT_TRUE(warning->text().contains(QStringLiteral("could not be saved")));
#ifndef _WIN32
    EXPECT_TRUE(warning->text().contains(QStringLiteral("No such file or directory")));
#endif
    EXPECT_EQ(lines(*list), (QStringList{QStringLiteral("Bernd ( 12/24/1975 )"),
                                         QStringLiteral("Claudia ( 1/3/1990 )")}));
    EXPECT_EQ(persons.PersonCount(), 2);
}

TEST_F(PersonFormTest, FailedSaveAfterAddWarnsAndKeepsTheNewLine)
{
    writePersonFile(file, kThreePersons);
    createForm();
    // A folder in the file's place: the new file image cannot replace it.
    std::filesystem::remove(file);
    std::filesystem::create_directory(file);

    ModalAnswer warning(pressButton(QMessageBox::Ok));
    EXPECT_TRUE(form->AddPerson(QStringLiteral("Dora"), QDate(2000, 2, 29)));

    ASSERT_TRUE(warning.answered());
    EXPECT_EQ(warning.title(), QStringLiteral("Cyclograph 2.0"));
    EXPECT_EQ(warning.icon(), QMessageBox::Warning);
    EXPECT_TRUE(warning.text().contains(QStringLiteral("could not be saved")));
    EXPECT_EQ(list->count(), 4);
    EXPECT_EQ(list->item(3)->text(), QStringLiteral("Dora ( 2/29/2000 )"));
    EXPECT_EQ(form->SelectedPosition(), 0); // adding does not move the selection
}

TEST_F(PersonFormTest, AHundredAndFirstPersonIsRefused)
{
    for (int i = 0; i < kMaxPersons; ++i)
        ASSERT_TRUE(persons.AddPerson("P" + std::to_string(i), {1980, 1, 1}).ok());
    createForm();
    const auto before = test::ReadBytes(file);

    ModalAnswer refusal(pressButton(QMessageBox::Ok));
    EXPECT_FALSE(form->AddPerson(QStringLiteral("One too many"), QDate(1999, 9, 9)));
    ASSERT_TRUE(refusal.answered());
    EXPECT_EQ(refusal.icon(), QMessageBox::Critical);
    EXPECT_TRUE(refusal.text().contains(QStringLiteral("100")));

    ModalAnswer onNew(pressButton(QMessageBox::Ok));
    button("NeuBtn")->click();
    EXPECT_TRUE(onNew.answered());
    EXPECT_EQ(onNew.text(), refusal.text());

    EXPECT_EQ(list->count(), kMaxPersons);
    EXPECT_EQ(test::ReadBytes(file), before);
}

class ProgramKeysTest : public PersonFormTest
{
protected:
    ProgramKeysTest()
    {
        writePersonFile(file, kThreePersons);
        windows.emplace(persons, clock);
        windows->showMainWindow();
    }

    TPersonForm& mainWindow() { return windows->personForm(); }
    QPushButton* mainButton(const char* name)
    {
        return mainWindow().findChild<QPushButton*>(QString::fromLatin1(name));
    }

    FixedClock clock{QDate(2024, 6, 6)};
    std::optional<ProgramWindows> windows;
};

TEST_F(ProgramKeysTest, EnterAtStartPressesAboutTheProgram)
{
    showAndActivate(mainWindow());
    ASSERT_EQ(QApplication::focusWidget(), mainButton("AboutProgBtn"));

    ModalAnswer info(pressButton(QMessageBox::Ok));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    ASSERT_TRUE(info.answered());
    EXPECT_EQ(info.title(), QStringLiteral("Info."));
}

TEST_F(ProgramKeysTest, EnterInTheListPressesAnalyze)
{
    showAndActivate(mainWindow());
    auto* personList = mainWindow().findChild<QListWidget*>(QStringLiteral("PersonList"));
    personList->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), personList);

    QSignalSpy analyze(mainButton("BioBtn"), &QPushButton::clicked);
    QSignalSpy about(mainButton("AboutProgBtn"), &QPushButton::clicked);
    ModalAnswer chart(pressButton(QMessageBox::Ok)); // closes the chart window
    QTest::keyClick(personList, Qt::Key_Return);
    EXPECT_EQ(analyze.count(), 1);
    EXPECT_TRUE(chart.answered());
    EXPECT_EQ(about.count(), 0);
}

TEST_F(ProgramKeysTest, AltAOpensAboutTheBiorhythmNotAnalyze)
{
    showAndActivate(mainWindow());
    QSignalSpy analyze(mainButton("BioBtn"), &QPushButton::clicked);
    QSignalSpy aboutClicked(mainButton("AboutBtn"), &QPushButton::clicked);

    ModalAnswer about(pressButton(QMessageBox::Ok));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::AltModifier);
    // A shortcut presses its button with the short animated click.
    ASSERT_TRUE(aboutClicked.wait(2000));
    ASSERT_TRUE(about.answered());
    EXPECT_EQ(about.title(), QStringLiteral("About the Biorhythm"));
    EXPECT_EQ(analyze.count(), 0);
}

TEST_F(ProgramKeysTest, EscClosesTheMainWindowAndEndsTheProgram)
{
    showAndActivate(mainWindow());
    QSignalSpy quit(mainButton("QuitBtn"), &QPushButton::clicked);

    QTimer::singleShot(0, [] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape); });
    // Should the program not end, this ends the loop with a failure code.
    QTimer safety;
    safety.setSingleShot(true);
    QObject::connect(&safety, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    safety.start(5000);
    EXPECT_EQ(QCoreApplication::exec(), 0);

    EXPECT_EQ(quit.count(), 1);
    EXPECT_FALSE(mainWindow().isVisible());
}

} // namespace
} // namespace cyclo
