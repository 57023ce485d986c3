// A second copy of the program on the same person file: it shows the list,
// says once at start that it cannot change it, and refuses New and Delete,
// while Analyze works as usual.

#include "controls/Clock.h"
#include "register/PersonRegister.h"
#include "support/ModalDialogs.h"
#include "support/TempDir.h"
#include "ui/ProgramWindows.h"

#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>

namespace cyclo {
namespace {

using test::ModalAnswer;
using test::pressButton;

const QString kInUse = QStringLiteral("The list of persons is in use by another copy of "
                                      "Cyclograph 2.0. You can view it here, but not change it.");

class SecondCopyTest : public testing::Test
{
protected:
    SecondCopyTest()
    {
        // The first copy: it holds the lock and wrote two persons.
        EXPECT_EQ(firstCopy.TakeLock(), FileAccess::Exclusive);
        firstCopy.StartupFill();
        EXPECT_TRUE(firstCopy.AddPerson("Anna", {1981, 4, 8}).ok());
        EXPECT_TRUE(firstCopy.AddPerson("Bernd", {1975, 12, 24}).ok());
        before = test::ReadBytes(file);
    }

    // Starts the program's windows on the file and lets the event loop run
    // once, as the program does after start; returns whether a box came up.
    bool start(ModalAnswer& answer)
    {
        windows.emplace(persons, clock);
        windows->showMainWindow();
        QCoreApplication::processEvents();
        return answer.answered();
    }

    QPushButton* button(const char* name)
    {
        return windows->personForm().findChild<QPushButton*>(QString::fromLatin1(name));
    }
    QListWidget* list()
    {
        return windows->personForm().findChild<QListWidget*>(QStringLiteral("PersonList"));
    }

    test::TempDir dir;
    std::filesystem::path file = dir.file("personen.dat");
    PersonRegister firstCopy{file};
    std::vector<std::uint8_t> before;
    PersonRegister persons{file};
    FixedClock clock{QDate(2024, 6, 6)};
    std::optional<ProgramWindows> windows;
};

TEST_F(SecondCopyTest, StartShowsTheListAndSaysOnceThatItCannotBeChanged)
{
    ModalAnswer notice(pressButton(QMessageBox::Ok));
    ASSERT_TRUE(start(notice));
    EXPECT_EQ(notice.title(), QStringLiteral("Cyclograph 2.0"));
    EXPECT_EQ(notice.text(), kInUse);
    ASSERT_EQ(list()->count(), 2);
    EXPECT_EQ(list()->item(1)->text(), QStringLiteral("Bernd ( 12/24/1975 )"));

    // Not a second time.
    ModalAnswer again(pressButton(QMessageBox::Ok), 200);
    QCoreApplication::processEvents();
    EXPECT_FALSE(again.answered());
}

TEST_F(SecondCopyTest, NewAndDeleteRefuseAndTheFileStaysAsItWas)
{
    ModalAnswer notice(pressButton(QMessageBox::Ok));
    ASSERT_TRUE(start(notice));

    struct Case
    {
        const char* button;
        const char* refusal;
    } const cases[] = {
        {"NeuBtn", "No person can be added here"},
        {"DelBtn", "No person can be deleted here"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button);
        list()->setCurrentRow(0);
        // The refusal comes instead of the new-person dialog or the question.
        ModalAnswer refusal(pressButton(QMessageBox::Ok));
        QTest::mouseClick(button(c.button), Qt::LeftButton);
        ASSERT_TRUE(refusal.answered());
        EXPECT_EQ(refusal.title(), QStringLiteral("Cyclograph 2.0"));
        EXPECT_TRUE(refusal.text().startsWith(QString::fromLatin1(c.refusal))) << refusal.text().toStdString();
        EXPECT_TRUE(refusal.text().contains(QStringLiteral("another copy")));
        EXPECT_EQ(list()->count(), 2);
        EXPECT_EQ(persons.PersonCount(), 2);
    }
    ModalAnswer refusal(pressButton(QMessageBox::Ok));
    EXPECT_FALSE(windows->personForm().AddPerson(QStringLiteral("Claudia"), QDate(1990, 1, 3)));
    EXPECT_TRUE(refusal.answered());
    EXPECT_EQ(list()->count(), 2);
    EXPECT_EQ(test::ReadBytes(file), before);
}

TEST_F(SecondCopyTest, AnalyzeWorksAsUsual)
{
    ModalAnswer notice(pressButton(QMessageBox::Ok));
    ASSERT_TRUE(start(notice));
    list()->setCurrentRow(1);
    QString opened;
    ModalAnswer chart([&opened](QWidget* modal) {
        opened = modal->objectName();
        pressButton(QMessageBox::Ok)(modal);
    });
    QTest::mouseClick(button("BioBtn"), Qt::LeftButton);
    ASSERT_TRUE(chart.answered());
    EXPECT_EQ(opened, windows->bioForm().objectName());
}

TEST(FirstCopyTest, TheOnlyCopyStartsWithoutANotice)
{
    test::TempDir dir;
    PersonRegister persons(dir.file("personen.dat"));
    FixedClock clock(QDate(2024, 6, 6));
    ModalAnswer notice(pressButton(QMessageBox::Ok), 200);
    ProgramWindows windows(persons, clock);
    windows.showMainWindow();
    QCoreApplication::processEvents();
    EXPECT_FALSE(notice.answered());
    EXPECT_EQ(persons.access(), FileAccess::Exclusive);
}

} // namespace
} // namespace cyclo
