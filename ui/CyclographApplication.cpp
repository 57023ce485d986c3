#include "ui/CyclographApplication.h"

#include "assets/Artwork.h"
#include "ui/FontWarmUp.h"

#include <QFont>
#include <QFontDatabase>
#include <QIcon>
#include <QMessageBox>
#include <QPalette>
#include <exception>

namespace cyclo {

namespace {

// Maps a font name the layouts use to a metric twin, unless the font system
// has a font of that name. (Fontconfig would map Arial and Times New Roman to
// the same Liberation fonts by itself.) Asking the font database loads no
// font; asking which font a QFont resolves to loaded one for each name before
// the first window existed.
void substituteIfMissing(const QString& family, const QString& twin)
{
    if (QFontDatabase::hasFamily(family))
        return;
    QFont::insertSubstitution(family, twin);
}

struct RoleColour
{
    QPalette::ColorRole role;
    QRgb colour;
};

// Qt's own light palette, the same for active and inactive windows.
constexpr RoleColour kActiveColours[] = {
    {QPalette::WindowText, 0xff000000},
    {QPalette::Button, 0xffefefef},
    {QPalette::Light, 0xffffffff},
    {QPalette::Midlight, 0xffcacaca},
    {QPalette::Dark, 0xff9f9f9f},
    {QPalette::Mid, 0xffb8b8b8},
    {QPalette::Text, 0xff000000},
    {QPalette::BrightText, 0xffffffff},
    {QPalette::ButtonText, 0xff000000},
    {QPalette::Base, 0xffffffff},
    {QPalette::Window, 0xffefefef},
    {QPalette::Shadow, 0xff767676},
    {QPalette::Highlight, 0xff308cc6},
    {QPalette::HighlightedText, 0xffffffff},
    {QPalette::Link, 0xff0000ff},
    {QPalette::LinkVisited, 0xffff00ff},
    {QPalette::AlternateBase, 0xfff7f7f7},
    {QPalette::NoRole, 0xff000000},
    {QPalette::ToolTipBase, 0xffffffdc},
    {QPalette::ToolTipText, 0xff000000},
    {QPalette::PlaceholderText, 0x80000000},
};

// Where disabled controls differ: greyed texts, a flat ground.
constexpr RoleColour kDisabledColours[] = {
    {QPalette::WindowText, 0xffbebebe}, {QPalette::Dark, 0xffbebebe},
    {QPalette::Text, 0xffbebebe},       {QPalette::ButtonText, 0xffbebebe},
    {QPalette::Base, 0xffefefef},       {QPalette::Shadow, 0xffb1b1b1},
    {QPalette::Highlight, 0xff919191},
};

} // namespace

QPalette CyclographApplication::programPalette()
{
    QPalette palette;
    for (const RoleColour& entry : kActiveColours) {
        const QColor colour = QColor::fromRgba(entry.colour);
        for (const QPalette::ColorGroup group :
             {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            palette.setColor(group, entry.role, colour);
    }
    for (const RoleColour& entry : kDisabledColours)
        palette.setColor(QPalette::Disabled, entry.role, QColor::fromRgba(entry.colour));
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
    substituteIfMissing(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    substituteIfMissing(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    substituteIfMissing(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
    QApplication::setPalette(programPalette());
    QApplication::setWindowIcon(Artwork::programIcon());
    Artwork::installIconTheme();
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
    QMessageBox box(QMessageBox::Critical, QString::fromLatin1(kApplicationTitle), text,
                    QMessageBox::Ok, window);
    box.exec();
}

} // namespace cyclo
