// The main window as it opens: its parts where the layout puts them, the tab
// order through them, and every window centred on the screen by its frame.

#include "controls/Clock.h"
#include "register/PersonRegister.h"
#include "support/TempDir.h"
#include "ui/ProgramWindows.h"

#include <QApplication>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTest>
#include <gtest/gtest.h>
#include <optional>

namespace cyclo {
namespace {

class MainWindowLayoutTest : public testing::Test
{
protected:
    MainWindowLayoutTest() { windows.emplace(persons, clock); }

    TPersonForm& form() { return windows->personForm(); }

    QWidget* part(const char* name)
    {
        auto* widget = form().findChild<QWidget*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    // A child's rectangle in the main window's client coordinates.
    QRect inWindow(const QWidget* widget)
    {
        return {widget->mapTo(&form(), QPoint(0, 0)), widget->size()};
    }

    void showAndActivate(QWidget& window)
    {
        window.show();
        QApplication::setActiveWindow(&window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    test::TempDir dir;
    PersonRegister persons{dir.file("personen.dat")};
    FixedClock clock{QDate(2024, 6, 6)};
    std::optional<ProgramWindows> windows;
};

TEST_F(MainWindowLayoutTest, ClientAreaIsFixedAtItsDesignSize)
{
    EXPECT_EQ(form().size(), QSize(614, 393));
    EXPECT_EQ(form().minimumSize(), QSize(614, 393));
    EXPECT_EQ(form().maximumSize(), QSize(614, 393));
    EXPECT_EQ(form().windowTitle(), QStringLiteral("Quellant Cyclograph 2.0"));
}

TEST_F(MainWindowLayoutTest, PartsSitWhereTheLayoutPutsThem)
{
    // Bands: title 41 high at the top, status bar 19 high at the bottom,
    // picture column 188 wide, button band 65 high under the list area.
    const int bandsTop = 41;
    const int statusTop = 393 - 19;
    const int buttonBandTop = statusTop - 65;
    const int groupLeft = 188 + 10;
    const int groupTop = bandsTop + 8;
    const int listButtonTop = groupTop + 184;
    const int bandButtonTop = buttonBandTop + 8;

    auto* list = form().findChild<QListWidget*>(QStringLiteral("PersonList"));
    ASSERT_NE(list, nullptr);
    auto* group = form().findChild<QGroupBox*>();
    ASSERT_NE(group, nullptr);
    auto* statusBar = form().findChild<QStatusBar*>();
    ASSERT_NE(statusBar, nullptr);

    struct Case
    {
        const char* name;
        QWidget* widget;
        QRect expected;
    } const cases[] = {
        {"title text", part("TitleLabel"),
         QRect(16, 8, part("TitleLabel")->width(), part("TitleLabel")->height())},
        {"picture", part("Picture"), QRect(8 + 2, bandsTop + 8 + 2, 168, 312)},
        {"group box", group, QRect(groupLeft, groupTop, 409, 249)},
        {"person list", list, QRect(groupLeft + 16, groupTop + 16, 377, 153)},
        {"New", part("NeuBtn"), QRect(groupLeft + 16, listButtonTop, 81, 49)},
        {"Delete", part("DelBtn"), QRect(groupLeft + 104, listButtonTop, 81, 49)},
        {"Analyze", part("BioBtn"), QRect(groupLeft + 192, listButtonTop, 81, 49)},
        {"Compare", part("CompBtn"), QRect(groupLeft + 280, listButtonTop, 81, 49)},
        {"About the program", part("AboutProgBtn"), QRect(188 + 8, bandButtonTop, 131, 49)},
        {"About the Biorhythm", part("AboutBtn"), QRect(188 + 144, bandButtonTop, 131, 49)},
        {"Quit", part("QuitBtn"), QRect(188 + 280, bandButtonTop, 89, 49)},
        {"status bar", statusBar, QRect(0, statusTop, 614, 19)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(inWindow(c.widget), c.expected);
    }
    // The picture text's panel stands at (8, 8) of the picture's bevel frame.
    const QWidget* textPanel = part("PictureText")->parentWidget();
    EXPECT_EQ(inWindow(textPanel), QRect(8 + 8, bandsTop + 8 + 8, 153, 65));
    EXPECT_EQ(list->count(), 0);
}

TEST_F(MainWindowLayoutTest, TabRunsThroughTheButtonBandThenTheListArea)
{
    showAndActivate(form());
    const char* const order[] = {"AboutProgBtn", "AboutBtn", "QuitBtn", "PersonList",  "NeuBtn",
                                 "DelBtn",       "BioBtn",   "CompBtn", "AboutProgBtn"};
    ASSERT_EQ(QApplication::focusWidget(), part(order[0])) << "the focus starts on About";
    for (std::size_t i = 1; i < std::size(order); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget()->objectName(), QString::fromLatin1(order[i]))
            << "after " << order[i - 1];
    }
    for (std::size_t i = std::size(order) - 1; i > 0; --i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        EXPECT_EQ(QApplication::focusWidget()->objectName(), QString::fromLatin1(order[i - 1]))
            << "Shift+Tab from " << order[i];
    }
}

TEST_F(MainWindowLayoutTest, EveryWindowIsCentredOnTheScreenByItsFrame)
{
    struct Case
    {
        const char* name;
        QWidget* window;
    } const cases[] = {
        {"main window", &form()},
        {"new person", &windows->pneuForm()},
        {"chart", &windows->bioForm()},
        {"compare", &windows->compForm()},
        {"comparison result", &windows->compErgebForm()},
        {"about the biorhythm", &windows->aboutBioForm()},
        {"info", &windows->aboutBox()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(c.window));
        const QRect area = c.window->screen()->availableGeometry();
        const QRect frame = c.window->frameGeometry();
        ASSERT_GT(frame.width(), c.window->width()) << "the platform draws a frame";
        const int leftGap = frame.left() - area.left();
        const int rightGap = area.right() - frame.right();
        const int topGap = frame.top() - area.top();
        const int bottomGap = area.bottom() - frame.bottom();
        EXPECT_EQ(leftGap, (area.width() - frame.width()) / 2);
        EXPECT_EQ(topGap, (area.height() - frame.height()) / 2);
        EXPECT_LE(std::abs(leftGap - rightGap), 1);
        EXPECT_LE(std::abs(topGap - bottomGap), 1);
        c.window->hide();
    }
}

} // namespace
} // namespace cyclo
