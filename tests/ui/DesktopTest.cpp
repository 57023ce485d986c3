// The program on the desktops people run: every window above the window that
// opens it, the drop-down a popup of its dialog under its field, Enter and Esc
// on the default and cancel buttons whatever the platform theme, and the
// program's own light colours under a dark desktop palette.
//
// The program runs these offscreen and again on a Wayland compositor and
// under GTK's platform theme with a dark GTK theme.

#include "calendar/PartnerComparison.h"
#include "controls/Clock.h"
#include "controls/DateEdit.h"
#include "controls/EditButton.h"
#include "controls/PopupWindow.h"
#include "register/PersonRegister.h"
#include "support/ModalDialogs.h"
#include "support/TempDir.h"
#include "ui/ProgramWindows.h"
#include "ui/app/CyclographApplication.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <QWindow>
#include <cstring>
#include <gtest/gtest.h>
#include <optional>

namespace cyclo {
namespace {

using test::ModalAnswer;
using test::pressButton;

bool onWayland()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

QImage opaque(const QImage& image)
{
    return image.convertToFormat(QImage::Format_RGB32);
}

// The compositor's own picture of its screen (weston with --debug).
QImage compositorScreenshot(QDir folder)
{
    for (const QString& old : folder.entryList({QStringLiteral("*.png")}))
        folder.remove(old);
    QProcess shooter;
    shooter.setWorkingDirectory(folder.path());
    shooter.start(QStringLiteral("weston-screenshooter"), {});
    if (!shooter.waitForFinished(10000) || shooter.exitCode() != 0)
        return {};
    const QStringList shots = folder.entryList({QStringLiteral("*.png")});
    return shots.isEmpty() ? QImage() : opaque(QImage(folder.filePath(shots.first())));
}

// Keeps a picture for a person to look at, in CYCLO_SCREENSHOT_DIR if set.
void keep(const QImage& screen, const QString& name)
{
    if (const QString folder = qEnvironmentVariable("CYCLO_SCREENSHOT_DIR"); !folder.isEmpty())
        screen.save(folder + QLatin1Char('/') + name);
}

// Where `part` stands in `screen`, pixel for pixel.
std::optional<QPoint> findIn(const QImage& screen, const QImage& part)
{
    const int probe = part.height() / 2;
    const auto rowBytes = static_cast<std::size_t>(part.width()) * 4;
    for (int y = 0; y + part.height() <= screen.height(); ++y) {
        const auto* screenRow = reinterpret_cast<const QRgb*>(screen.constScanLine(y + probe));
        for (int x = 0; x + part.width() <= screen.width(); ++x) {
            if (std::memcmp(screenRow + x, part.constScanLine(probe), rowBytes) != 0)
                continue;
            bool all = true;
            for (int row = 0; row < part.height() && all; ++row)
                all = std::memcmp(reinterpret_cast<const QRgb*>(screen.constScanLine(y + row)) + x,
                                  part.constScanLine(row), rowBytes) == 0;
            if (all)
                return QPoint(x, y);
        }
    }
    return std::nullopt;
}

class DesktopTest : public testing::Test
{
protected:
    DesktopTest()
    {
        CyclographApplication::setUp();
        windows.emplace(persons, clock);
        form().AddPerson(QStringLiteral("Anna"), QDate(1970, 3, 5));
        form().AddPerson(QStringLiteral("Bert"), QDate(1981, 11, 20));
        windows->showMainWindow();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&form()));
    }

    ~DesktopTest() override
    {
        for (QWidget* window : QApplication::topLevelWidgets())
            window->hide();
    }

    TPersonForm& form() { return windows->personForm(); }

    template <typename T> T* child(QWidget& window, const char* name)
    {
        auto* widget = window.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    // A key as the window system delivers it: to the window, and from there
    // to its focus widget.
    static void press(QWidget& window, Qt::Key key) { QTest::keyClick(window.windowHandle(), key); }

    // Shown, and active as after the window system activated it (a headless
    // compositor has no keyboard to give it).
    static void showExposed(QWidget& window)
    {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        QApplication::setActiveWindow(&window);
    }

    // The compositor's screen, kept for a person to look at.
    void keepScreenshot(const QString& name)
    {
        if (onWayland() && !qEnvironmentVariableIsEmpty("CYCLO_SCREENSHOT_DIR"))
            keep(compositorScreenshot(QDir(QString::fromStdString(dir.path().string()))), name);
    }

    test::TempDir dir;
    PersonRegister persons{dir.file("personen.dat")};
    FixedClock clock{QDate(2024, 6, 6)};
    std::optional<ProgramWindows> windows;
};

TEST_F(DesktopTest, EveryWindowHasTheMainWindowAsItsTransientParent)
{
    QWidget* const opened[] = {&windows->bioForm(),      &windows->pneuForm(),
                               &windows->compForm(),     &windows->compErgebForm(),
                               &windows->aboutBioForm(), &windows->aboutBox()};
    for (QWidget* window : opened) {
        SCOPED_TRACE(window->objectName().toStdString());
        showExposed(*window);
        ASSERT_NE(window->windowHandle(), nullptr);
        EXPECT_EQ(window->windowHandle()->transientParent(), form().windowHandle());
        // Where the compositor places windows, the program does not try.
        if (onWayland()) {
            EXPECT_FALSE(window->testAttribute(Qt::WA_Moved));
        }
        window->hide();
    }
}

TEST_F(DesktopTest, MessageBoxesHaveTheWindowTheyComeFromAsTransientParent)
{
    struct Case
    {
        const char* name;
        QWidget* opener;
        std::function<void()> open;
    };
    TPNeuForm& pneu = windows->pneuForm();
    const Case cases[] = {
        {"delete question", &form(),
         [this] {
             child<QListWidget>(form(), "PersonList")->setCurrentRow(0);
             form().DelBtnClick();
         }},
        {"missing name", &pneu,
         [&pneu, this] {
             showExposed(pneu);
             child<QLineEdit>(pneu, "NameEdit")->clear();
             pneu.OkBtnClick();
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QWindow* parent = nullptr;
        ModalAnswer answer([&parent](QWidget* modal) {
            parent = modal->windowHandle() != nullptr ? modal->windowHandle()->transientParent()
                                                      : nullptr;
            // No to the question; any other box is closed.
            pressButton(QMessageBox::No)(modal);
        });
        c.open();
        ASSERT_TRUE(answer.answered());
        EXPECT_EQ(parent, c.opener->windowHandle());
    }
}

TEST_F(DesktopTest, ActivatingTheMainWindowUnderAModalDialogHandsTheActivationBack)
{
    if (onWayland()) {
        // A headless compositor has no pointer to click with: the main window
        // is activated as a click would activate it (it asks to be raised and
        // activated, and hears that it is active), and weston's own picture
        // of its screen shows which window is on top. The chart window,
        // maximised, covers the whole work area and with it the main window,
        // wherever the compositor placed the two.
        ASSERT_FALSE(
            QStandardPaths::findExecutable(QStringLiteral("weston-screenshooter")).isEmpty())
            << "weston-screenshooter (package weston) is needed on Wayland";
        const QDir folder(QString::fromStdString(dir.path().string()));
        QImage screen;
        std::optional<QPoint> chartAt;
        std::optional<QPoint> mainAt;
        // The main window's title band and list, which show it wherever it is.
        const QImage mainPicture = opaque(form().grab(QRect(0, 0, 300, 120)).toImage());
        child<QListWidget>(form(), "PersonList")->setCurrentRow(0);
        ModalAnswer chart([&, this](QWidget* modal) {
            EXPECT_TRUE(QTest::qWaitForWindowExposed(modal));
            modal->showMaximized();
            EXPECT_TRUE(QTest::qWaitFor([&] { return modal->width() > form().width(); }, 5000));
            form().raise();
            form().activateWindow();
            QEvent activate(QEvent::WindowActivate);
            QCoreApplication::sendEvent(&form(), &activate);
            // What the compositor shows once it has composed the windows.
            static_cast<void>(QTest::qWaitFor(
                [&] {
                    const QImage chartPicture = opaque(modal->grab().toImage());
                    screen = compositorScreenshot(folder);
                    chartAt = findIn(screen, chartPicture);
                    return chartAt.has_value();
                },
                10000));
            mainAt = findIn(screen, mainPicture);
            keep(screen, QStringLiteral("wayland-dialog-over-main.png"));
            modal->showNormal();
            static_cast<QDialog*>(modal)->accept();
        });
        form().BioBtnClick();
        ASSERT_TRUE(chart.answered());
        ASSERT_FALSE(screen.isNull()) << "weston-screenshooter gave no picture (weston --debug?)";
        EXPECT_TRUE(chartAt) << "the chart window is not whole on the screen: a window covers it";
        EXPECT_FALSE(mainAt) << "the main window shows above the chart window";
        return;
    }
    form().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form()));
    QWidget* activeAfterClick = nullptr;
    ModalAnswer about([&activeAfterClick, this](QWidget* modal) {
        ASSERT_TRUE(QTest::qWaitForWindowActive(modal));
        // What a click on the main window does on a compositor that still
        // activates it.
        QApplication::setActiveWindow(&form());
        static_cast<void>(
            QTest::qWaitFor([modal] { return QApplication::activeWindow() == modal; }, 2000));
        activeAfterClick = QApplication::activeWindow();
        static_cast<QDialog*>(modal)->accept();
    });
    form().AboutBtnClick();
    ASSERT_TRUE(about.answered());
    EXPECT_EQ(activeAfterClick, &windows->aboutBioForm());
}

class DropDownTest : public DesktopTest
{
protected:
    DropDownTest()
    {
        showExposed(pneu);
        field = child<TDateEdit>(pneu, "GebdateEdit");
        field->setFocus();
    }

    void open()
    {
        QTest::mouseClick(field->button(), Qt::LeftButton);
        ASSERT_TRUE(field->popupVisible());
        ASSERT_TRUE(QTest::qWaitForWindowExposed(field->popup()));
    }

    TPNeuForm& pneu = windows->pneuForm();
    TDateEdit* field = nullptr;
};

TEST_F(DropDownTest, IsAPopupOfTheDialogStandingUnderTheFieldWithRightEdgesLinedUp)
{
    open();
    TPopupWindow* popup = field->popup();
    ASSERT_NE(popup->windowHandle(), nullptr);
    EXPECT_EQ(popup->windowHandle()->transientParent(), pneu.windowHandle());
    const QPoint fieldBottomRight = field->mapTo(&pneu, QPoint(field->width(), field->height()));
    const QPoint popupTopLeft = pneu.mapFromGlobal(popup->mapToGlobal(QPoint(0, 0)));
    EXPECT_EQ(popupTopLeft, QPoint(fieldBottomRight.x() - popup->width(), fieldBottomRight.y()));
    // The keyboard stays with the dialog; the field passes the keys on.
    EXPECT_NE(QGuiApplication::focusWindow(), popup->windowHandle());
    EXPECT_EQ(pneu.focusWidget(), field);
}

TEST_F(DropDownTest, TakesTheKeysOfTheDialogWhileOpen)
{
    field->setDate(QDate(2001, 1, 18));
    open();
    press(pneu, Qt::Key_Right);
    press(pneu, Qt::Key_PageDown);
    press(pneu, Qt::Key_Down);
    EXPECT_EQ(field->popup()->ReadValue().toDate(), QDate(2001, 2, 26));
    press(pneu, Qt::Key_Return);
    EXPECT_FALSE(field->popupVisible());
    EXPECT_EQ(field->date(), QDate(2001, 2, 26));
    EXPECT_TRUE(pneu.isVisible()) << "the first Enter only accepts the date";

    open();
    press(pneu, Qt::Key_Left);
    press(pneu, Qt::Key_Escape);
    EXPECT_FALSE(field->popupVisible());
    EXPECT_EQ(field->date(), QDate(2001, 2, 26));
    EXPECT_TRUE(pneu.isVisible()) << "the first Esc only closes the drop-down";
}

TEST_F(DropDownTest, ClickOutsideClosesItWithoutAccepting)
{
    field->setDate(QDate(2001, 1, 18));
    open();
    press(pneu, Qt::Key_Right);
    auto* name = child<QLineEdit>(pneu, "NameEdit");
    QTest::mouseClick(pneu.windowHandle(), Qt::LeftButton, {},
                      name->mapTo(&pneu, name->rect().center()));
    EXPECT_FALSE(field->popupVisible());
    EXPECT_FALSE(field->popup()->isVisible());
    EXPECT_EQ(field->date(), QDate(2001, 1, 18));
}

TEST_F(DropDownTest, CompositorShowsItDirectlyUnderTheField)
{
    if (!onWayland())
        GTEST_SKIP() << "reads the screen of a Wayland compositor";
    if (QStandardPaths::findExecutable(QStringLiteral("weston-screenshooter")).isEmpty())
        GTEST_SKIP() << "weston-screenshooter is not installed";
    open();
    TPopupWindow* popup = field->popup();
    const QImage popupPicture = opaque(popup->grab().toImage());
    // The field's right end: its border and the button, which no caret or
    // text selection changes.
    const int endWidth = field->button()->width() + 6;
    const QImage fieldEnd = opaque(
        field->grab(QRect(field->width() - endWidth, 0, endWidth, field->height())).toImage());
    const QDir folder(QString::fromStdString(dir.path().string()));

    std::optional<QPoint> popupAt;
    std::optional<QPoint> fieldEndAt;
    QImage screen;
    // The compositor shows what the program drew once it has composed it.
    static_cast<void>(QTest::qWaitFor(
        [&] {
            screen = compositorScreenshot(folder);
            popupAt = findIn(screen, popupPicture);
            fieldEndAt = findIn(screen, fieldEnd);
            return popupAt && fieldEndAt;
        },
        10000));
    keep(screen, QStringLiteral("wayland-dropdown.png"));
    ASSERT_FALSE(screen.isNull()) << "weston-screenshooter gave no picture (weston --debug?)";
    ASSERT_TRUE(fieldEndAt) << "the field is not on the screen";
    ASSERT_TRUE(popupAt) << "the drop-down is not on the screen";
    const QPoint fieldBottomRight = *fieldEndAt + QPoint(endWidth, field->height());
    EXPECT_EQ(popupAt->y(), fieldBottomRight.y()) << "directly under the field";
    EXPECT_EQ(popupAt->x() + popupPicture.width(), fieldBottomRight.x()) << "right edges lined up";
}

// Enter and Esc reach the default and cancel buttons from every control,
// whatever the platform theme makes of the keys.
TEST_F(DesktopTest, EnterInTheListAnalysesTheSelectedPerson)
{
    showExposed(form());
    auto* list = child<QListWidget>(form(), "PersonList");
    list->setCurrentRow(1);
    list->setFocus();
    ASSERT_EQ(form().focusWidget(), list);
    ModalAnswer chart([](QWidget* modal) { static_cast<QDialog*>(modal)->accept(); });
    press(form(), Qt::Key_Return);
    ASSERT_TRUE(chart.answered());
    EXPECT_EQ(chart.title(), QStringLiteral("Quellant Cyclograph 2.0"));
}

TEST_F(DesktopTest, EnterInTheCompareDialogsListsPressesOkAndEscCancels)
{
    TCompForm& compForm = windows->compForm();
    compForm.FillPersons(persons);
    for (const char* name : {"P1Combo", "P2Combo"}) {
        for (const auto& [key, result] : {std::pair{Qt::Key_Return, QDialog::Accepted},
                                          std::pair{Qt::Key_Escape, QDialog::Rejected}}) {
            SCOPED_TRACE(std::string(name) + (key == Qt::Key_Return ? " Enter" : " Esc"));
            compForm.setResult(-1);
            showExposed(compForm);
            auto* combo = child<QComboBox>(compForm, name);
            combo->setFocus();
            press(compForm, key);
            EXPECT_FALSE(combo->view()->isVisible()) << "no list opens";
            EXPECT_EQ(compForm.result(), result);
            EXPECT_FALSE(compForm.isVisible());
        }
    }
}

TEST_F(DesktopTest, EnterInTheNewPersonDialogPressesOkFromEitherField)
{
    TPNeuForm& pneu = windows->pneuForm();
    for (const char* name : {"NameEdit", "GebdateEdit"}) {
        SCOPED_TRACE(name);
        pneu.setResult(-1);
        showExposed(pneu);
        child<QLineEdit>(pneu, "NameEdit")->setText(QStringLiteral("Carla"));
        child<QWidget>(pneu, name)->setFocus();
        press(pneu, Qt::Key_Return);
        EXPECT_EQ(pneu.result(), QDialog::Accepted);
        EXPECT_FALSE(pneu.isVisible());
    }
}

TEST_F(DesktopTest, EnterOnALegendBoxChangesNothingInTheChartWindow)
{
    TBioForm& bio = windows->bioForm();
    bio.ShowPerson(1);
    showExposed(bio);
    auto* box = child<QCheckBox>(bio, "CheckBox1");
    box->setFocus();
    ASSERT_TRUE(box->isChecked());
    press(bio, Qt::Key_Return);
    press(bio, Qt::Key_Enter);
    EXPECT_TRUE(box->isChecked());
    EXPECT_TRUE(bio.isVisible());
}

// The windows as grabbed with the program's palette set at start over a
// desktop palette.
std::vector<QImage> grabWindows(ProgramWindows& windows)
{
    std::vector<QImage> pictures;
    windows.bioForm().ShowPerson(1);
    windows.compErgebForm().SetComparison(QStringLiteral("Anna"), QStringLiteral("Bert"),
                                          CompareCycles(TYmd{1970, 3, 5}, TYmd{1981, 11, 20}));
    QWidget* const all[] = {
        &windows.personForm(),    &windows.bioForm(),      &windows.pneuForm(), &windows.compForm(),
        &windows.compErgebForm(), &windows.aboutBioForm(), &windows.aboutBox()};
    for (QWidget* window : all)
        pictures.push_back(window->grab().toImage());
    QMessageBox box(QMessageBox::Question, QStringLiteral("Delete person"),
                    QStringLiteral("Do you want to delete this person?"),
                    QMessageBox::Yes | QMessageBox::No, &windows.personForm());
    box.adjustSize();
    pictures.push_back(box.grab().toImage());
    return pictures;
}

QPalette darkDesktopPalette()
{
    // The desktop's own palette, when a dark theme gives one; else one like it.
    const QPalette desktop = QGuiApplication::palette();
    if (desktop.color(QPalette::Window).lightness() < 128)
        return desktop;
    QPalette dark(QColor(53, 53, 53), QColor(36, 36, 36));
    dark.setColor(QPalette::WindowText, QColor(238, 238, 236));
    dark.setColor(QPalette::Text, QColor(238, 238, 236));
    dark.setColor(QPalette::ButtonText, QColor(238, 238, 236));
    dark.setColor(QPalette::Light, QColor(80, 80, 80));
    return dark;
}

TEST(ProgramPaletteTest, EveryWindowUnderADarkDesktopPaletteLooksAsUnderTheLightOne)
{
    const QPalette desktop = QApplication::palette();
    ASSERT_LT(darkDesktopPalette().color(QPalette::Window).lightness(), 128);
    const auto picturesUnder = [](const QPalette& start) {
        QApplication::setPalette(start);
        CyclographApplication::setUp();
        test::TempDir dir;
        PersonRegister persons{dir.file("personen.dat")};
        FixedClock clock{QDate(2024, 6, 6)};
        ProgramWindows windows(persons, clock);
        windows.personForm().AddPerson(QStringLiteral("Anna"), QDate(1970, 3, 5));
        windows.personForm().AddPerson(QStringLiteral("Bert"), QDate(1981, 11, 20));
        return grabWindows(windows);
    };
    const std::vector<QImage> dark = picturesUnder(darkDesktopPalette());
    const std::vector<QImage> light = picturesUnder(CyclographApplication::programPalette());
    QApplication::setPalette(desktop);
    ASSERT_EQ(dark.size(), light.size());
    for (std::size_t i = 0; i < dark.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(dark[i], light[i]);
    }
}

TEST(ProgramPaletteTest, IsQtsOwnLightPalette)
{
    // Under Qt's own platform theme nothing changes: the program's palette is
    // the one the windows had before they had their own.
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORMTHEME"))
        GTEST_SKIP() << "a desktop platform theme gives its own palette";
    QPalette before = QApplication::palette();
    const QPalette own = CyclographApplication::programPalette();
    for (const QPalette::ColorGroup group :
         {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            const auto r = static_cast<QPalette::ColorRole>(role);
            EXPECT_EQ(own.color(group, r), before.color(group, r))
                << "group " << group << " role " << role;
        }
    }
}

} // namespace
} // namespace cyclo
