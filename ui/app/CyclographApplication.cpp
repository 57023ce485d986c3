#include "ui/app/CyclographApplication.h"

#include "assets/Artwork.h"
#include "controls/Accessibility.h"
#include "controls/FontStandIns.h"
#include "ui/app/DialogKeys.h"
#include "ui/app/FontWarmUp.h"
#include "ui/app/MessageBoxes.h"
#include "ui/widgets/ChartView.h"
#include "ui/widgets/ScreenReader.h"

#include <QAccessible>
#include <QIcon>
#include <QPalette>
#include <exception>
#include <vector>

namespace cyclo {

namespace {

struct RoleColour
{
    QPalette::ColorRole role;
    QColor colour;
};

// Qt's own light palette, the same for active and inactive windows: a light
// grey ground, white fields, black text, and the bevel shades derived from
// the ground as Qt derives them.
std::vector<RoleColour> activeColours()
{
    const QColor ground(239, 239, 239);
    const QColor dark = ground.darker(150);
    const QColor mid = ground.darker(130);
    return {
        {QPalette::WindowText, Qt::black},
        {QPalette::Button, ground},
        {QPalette::Light, ground.lighter(150)},
        {QPalette::Midlight, mid.lighter(110)},
        {QPalette::Dark, dark},
        {QPalette::Mid, mid},
        {QPalette::Text, Qt::black},
        {QPalette::BrightText, Qt::white},
        {QPalette::ButtonText, Qt::black},
        {QPalette::Base, Qt::white},
        {QPalette::Window, ground},
        {QPalette::Shadow, dark.darker(135)},
        {QPalette::Highlight, QColor(48, 140, 198)},
        {QPalette::HighlightedText, Qt::white},
        {QPalette::Link, Qt::blue},
        {QPalette::LinkVisited, Qt::magenta},
        {QPalette::AlternateBase, QColor(247, 247, 247)},
        {QPalette::NoRole, Qt::black},
        {QPalette::ToolTipBase, QColor(255, 255, 220)},
        {QPalette::ToolTipText, Qt::black},
        {QPalette::PlaceholderText, QColor(0, 0, 0, 128)},
    };
}

// Where disabled controls differ: greyed texts, a flat ground.
std::vector<RoleColour> disabledColours()
{
    const QColor grey(190, 190, 190);
    const QColor shadow = QColor(239, 239, 239).darker(150).darker(135);
    return {
        {QPalette::WindowText, grey},
        {QPalette::Dark, QColor(209, 209, 209).darker(110)},
        {QPalette::Text, grey},
        {QPalette::ButtonText, grey},
        {QPalette::Base, QColor(239, 239, 239)},
        {QPalette::Shadow, shadow.lighter(150)},
        {QPalette::Highlight, QColor(145, 145, 145)},
    };
}

} // namespace

QPalette CyclographApplication::programPalette()
{
    QPalette palette;
    for (const RoleColour& entry : activeColours()) {
        for (const QPalette::ColorGroup group :
             {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            palette.setColor(group, entry.role, entry.colour);
    }
    for (const RoleColour& entry : disabledColours())
        palette.setColor(QPalette::Disabled, entry.role, entry.colour);
    return palette;
}

CyclographApplication::CyclographApplication(int& argc, char** argv, FontWarmUp* fonts)
    : QApplication(argc, argv)
{
    if (fonts != nullptr)
        fonts->wait();
    setUp();
}

void CyclographApplication::setUp()
{
    QCoreApplication::setApplicationName(QString::fromLatin1(kApplicationTitle));
    // Wayland desktops find the desktop entry, and with it the icon, by this name.
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kApplicationId));
    InstallFontStandIns();
    QApplication::setPalette(programPalette());
    QApplication::setWindowIcon(Artwork::programIcon());
    Artwork::installIconTheme();
    if (auto* application = qobject_cast<QApplication*>(QCoreApplication::instance()))
        installApplicationWide(*application);
}

void CyclographApplication::installApplicationWide(QApplication& application)
{
    // Before the first window: screen readers may ask for a control at once.
    InstallControlsAccessibility();
    InstallScreenReaderAccessibility();
    QAccessible::installFactory(ChartViewAccessible);
    DialogKeys::install(application);
}

bool CyclographApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        showError(QString::fromLocal8Bit(error.what()));
    } catch (...) {
        showError(QStringLiteral("An unknown error occurred."));
    }
    return false;
}

void CyclographApplication::showError(const QString& text)
{
    // Above the window the error came from.
    QWidget* window = QApplication::activeModalWidget();
    if (window == nullptr)
        window = QApplication::activeWindow();
    ShowMessage(window, QMessageBox::Critical, text);
}

} // namespace cyclo
