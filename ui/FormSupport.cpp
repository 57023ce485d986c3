#include "ui/FormSupport.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace cyclo {

QFont FormFont()
{
    return NamedFont("MS Sans Serif", 8, false);
}

QFont NamedFont(const char* family, int points, bool bold)
{
    QFont font(QString::fromLatin1(family), points);
    font.setBold(bold);
    return font;
}

void centreOnScreen(QWidget& window)
{
    const QScreen* screen = window.screen();
    if (screen == nullptr)
        screen = QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return;
    const QRect area = screen->availableGeometry();
    window.move(area.center() - window.rect().center());
}

} // namespace cyclo
