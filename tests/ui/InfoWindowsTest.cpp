// The keys of the two information windows: the explanation text takes Enter
// itself, Esc does nothing in either window, and Tab reaches OK.

#include "ui/AboutBoxUnit.h"
#include "ui/AboutForm.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace cyclo {
namespace {

class InfoWindowsTest : public testing::Test
{
protected:
    static void showAndActivate(QDialog& window)
    {
        window.show();
        QApplication::setActiveWindow(&window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    static QPushButton* okButton(QDialog& window)
    {
        return window.findChild<QPushButton*>(QStringLiteral("OkBtn"));
    }

    TAboutBioForm aboutBio;
    TAboutBox aboutBox;
};

TEST_F(InfoWindowsTest, AboutTheBiorhythmOpensInTheTextWhichTakesEnter)
{
    showAndActivate(aboutBio);
    auto* memo = aboutBio.findChild<QPlainTextEdit*>(QStringLiteral("Memo1"));
    ASSERT_NE(memo, nullptr);
    ASSERT_EQ(QApplication::focusWidget(), memo);
    const QString before = memo->toPlainText();

    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
        QTest::keyClick(memo, key);
        EXPECT_TRUE(aboutBio.isVisible()) << "Enter in the text does not press OK";
        EXPECT_EQ(aboutBio.result(), QDialog::Rejected);
        EXPECT_EQ(memo->toPlainText(), before) << "nor does it change the text";
    }
}

// The sentences about the cycles are made from the cycle table: how many
// there are, and their lengths from the shortest to the longest.
TEST_F(InfoWindowsTest, TheExplanationTellsTheCyclesAndTheirLengths)
{
    const QStringList lines = TAboutBioForm::ExplanationLines();
    ASSERT_EQ(lines.size(), 10);
    EXPECT_EQ(lines[0], QStringLiteral("The biorhythm is made of four cycles that start on the day "
                                       "of birth and repeat with the same length for the whole "
                                       "of life."));
    EXPECT_EQ(lines[1], QStringLiteral("The physical cycle lasts 23 days, the emotional cycle 28 "
                                       "days, the intellectual cycle 33 days and the intuitive "
                                       "cycle 38 days."));
}

TEST_F(InfoWindowsTest, EscapeDoesNothingInEitherWindow)
{
    for (QDialog* window : std::initializer_list<QDialog*>{&aboutBio, &aboutBox}) {
        SCOPED_TRACE(window->windowTitle().toStdString());
        showAndActivate(*window);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        EXPECT_TRUE(window->isVisible());
        window->hide();
    }
}

TEST_F(InfoWindowsTest, TabFromTheTextReachesOkWhichEnterPresses)
{
    showAndActivate(aboutBio);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), okButton(aboutBio));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_FALSE(aboutBio.isVisible());
    EXPECT_EQ(aboutBio.result(), QDialog::Accepted);
}

TEST_F(InfoWindowsTest, InfoBoxOpensOnOkWhichEnterPresses)
{
    showAndActivate(aboutBox);
    ASSERT_EQ(QApplication::focusWidget(), okButton(aboutBox));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), okButton(aboutBox)) << "OK is the only stop";
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_FALSE(aboutBox.isVisible());
    EXPECT_EQ(aboutBox.result(), QDialog::Accepted);
}

} // namespace
} // namespace cyclo
