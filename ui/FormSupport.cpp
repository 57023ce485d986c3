#include "ui/FormSupport.h"

#include "assets/Artwork.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QWidget>

namespace cyclo {
namespace {

constexpr QSize kOkCancelPictureSize(18, 18);

QPushButton* makePictureButton(QWidget* parent, ButtonPicture picture, const char* caption,
                               const char* name, const QRect& geometry)
{
    auto* button =
        new QPushButton(Artwork::buttonIcon(picture), QString::fromLatin1(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setIconSize(kOkCancelPictureSize);
    button->setGeometry(geometry);
    return button;
}

} // namespace

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

QPushButton* makeOkButton(QWidget* parent, const QRect& geometry)
{
    QPushButton* ok = makePictureButton(parent, ButtonPicture::Ok, "OK", "OkBtn", geometry);
    ok->setDefault(true);
    return ok;
}

QPushButton* makeCancelButton(QDialog* dialog, const QRect& geometry)
{
    QPushButton* cancel =
        makePictureButton(dialog, ButtonPicture::Cancel, "&Cancel", "CancelBtn", geometry);
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    return cancel;
}

void NoCancelDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace cyclo
